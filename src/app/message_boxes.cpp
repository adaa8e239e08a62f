#include "app/message_boxes.h"

#include "app/window_texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zelto::app {

void ModalMessageBoxes::ShowError(const QString& text) {
  QMessageBox::critical(&parent_, QCoreApplication::applicationName(), text);
}

bool ModalMessageBoxes::Confirm(const QString& text, const QString& go) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), text,
                  QMessageBox::NoButton, &parent_);
  QPushButton* goButton = box.addButton(go, QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(Zelto::tr("Отмена"), QMessageBox::RejectRole);
  box.setDefaultButton(cancel);  // Enter alone must not write to a device
  box.exec();
  return box.clickedButton() == goButton;
}

}  // namespace zelto::app
