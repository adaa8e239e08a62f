#include "app/message_boxes.h"

#include "app/window_texts.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace zelto::app {

void ModalMessageBoxes::ShowError(const QString& text) {
  QMessageBox::critical(&parent_, QCoreApplication::applicationName(), text);
}

bool ModalMessageBoxes::Confirm(const QString& text, const QString& go) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), text,
                  QMessageBox::NoButton, &parent_);
  box.setTextFormat(Qt::PlainText);  // the text may quote a file, which is no markup
  QPushButton* goButton = box.addButton(go, QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(Zelto::tr("Отмена"), QMessageBox::RejectRole);
  box.setDefaultButton(cancel);  // Enter alone must not write to a device
  box.exec();
  return box.clickedButton() == goButton;
}

std::optional<int> ModalMessageBoxes::Choose(const QString& text, const QStringList& choices,
                                             const QString& go) {
  QDialog dialog(&parent_);
  dialog.setWindowTitle(QCoreApplication::applicationName());
  auto* layout = new QVBoxLayout(&dialog);
  auto* question = new QLabel(text, &dialog);
  question->setTextFormat(Qt::PlainText);
  auto* list = new QListWidget(&dialog);
  list->setAccessibleName(Zelto::tr("Выбор"));
  list->addItems(choices);
  list->setCurrentRow(0);
  // Each line whole (a time, an operation and a port), as far as the screen allows.
  const int widest = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                     list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QScreen* screen = parent_.screen();
  const int room = screen != nullptr ? screen->availableGeometry().width() * 3 / 4 : widest;
  list->setMinimumWidth(std::min(widest, room));
  question->setBuddy(list);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(go, QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(Zelto::tr("Отмена"), QDialogButtonBox::RejectRole);
  cancel->setDefault(true);  // Enter alone must not write to a device
  layout->addWidget(question);
  layout->addWidget(list);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  list->setFocus();
  if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
    return std::nullopt;
  return list->currentRow();
}

}  // namespace zelto::app
