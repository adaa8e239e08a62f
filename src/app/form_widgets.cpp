#include "app/form_widgets.h"

#include "app/click_accessible.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace zelto::app {

QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name) {
  auto* label = new QLabel(text, parent);
  if (name != nullptr)
    label->setObjectName(QLatin1String(name));
  return label;
}

QComboBox* MakeList(const char* name, const QStringList& entries, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QLatin1String(name));
  list->addItems(entries);
  return list;
}

QLineEdit* MakeNumberField(const char* name, const QString& accessibleName, QWidget* parent) {
  auto* field = new QLineEdit(QStringLiteral("0"), parent);
  field->setObjectName(QLatin1String(name));
  field->setAccessibleName(accessibleName);
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return field;
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  return button;
}

QToolButton* MakeToggleButton(const char* name, const QString& caption, QWidget* parent,
                              const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setText(caption);
  button->setCheckable(true);
  MakeToggleClick(*button);
  button->setAutoRaise(false);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  if (!hint.isEmpty()) {
    button->setToolTip(hint);
    button->setAccessibleDescription(hint);
  }
  return button;
}

void SettleLayoutsAbove(QWidget& widget) {
  for (QWidget* level = &widget; level != nullptr; level = level->parentWidget()) {
    if (QLayout* layout = level->layout()) {
      layout->invalidate();  // the parent's cached view of the level below has gone stale
      layout->activate();
    }
  }
}

}  // namespace zelto::app
