#include "app/click_accessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QRadioButton>

namespace zelto::app {
namespace {

constexpr char kClickOnToggle[] = "zeltoClickOnToggle";

class ClickingToggleAccessible final : public QAccessibleWidget {
 public:
  // Qt's accessibility cache owns it and deletes it with the button.
  explicit ClickingToggleAccessible(QAbstractButton* button)
      : QAccessibleWidget(button, qobject_cast<QRadioButton*>(button) != nullptr
                                      ? QAccessible::RadioButton
                                      : QAccessible::Button) {}

  // The caption names the button; Qt's fallback would be the title of its group.
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && Button()->accessibleName().isEmpty())
      return Button()->text().remove(QLatin1Char('&'));
    QString text = QAccessibleWidget::text(kind);
    if (text.isEmpty() && kind == QAccessible::Description)
      text = Button()->toolTip();
    return text;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Button()->isChecked();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (Button()->isEnabled())
      names << toggleAction() << pressAction();
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == toggleAction() || action == pressAction()) {
      if (Button()->isEnabled())
        Button()->click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* ClickingToggleFactory(const QString&, QObject* object) {
  auto* button = qobject_cast<QAbstractButton*>(object);
  if (button == nullptr || !button->isCheckable() || !button->property(kClickOnToggle).toBool())
    return nullptr;
  return new ClickingToggleAccessible(button);
}

}  // namespace

void MakeToggleClick(QAbstractButton& button) {
  static const bool installed = [] {
    QAccessible::installFactory(ClickingToggleFactory);
    return true;
  }();
  (void)installed;
  button.setProperty(kClickOnToggle, true);
  // Qt may have made its own interface for the button while building it; the next query makes
  // this one.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&button)) {
    if (dynamic_cast<ClickingToggleAccessible*>(made) == nullptr)
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

}  // namespace zelto::app
