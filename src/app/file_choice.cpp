#include "app/file_choice.h"

#include <QFileDialog>

namespace zelto::app {

std::optional<QString> ModalFileChoice::Choose(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace zelto::app
