#include "app/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace zelto::app {

void ModalMessageBoxes::ShowError(const QString& text) {
  QMessageBox::critical(&parent_, QCoreApplication::applicationName(), text);
}

}  // namespace zelto::app
