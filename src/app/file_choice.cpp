#include "app/file_choice.h"

#include <QFileDialog>
#include <QLineEdit>

namespace zelto::app {

std::optional<QString> ModalFileChoice::Choose(QFileDialog& dialog) {
  // The last file chosen would stand in the name field with its whole path, unselected, and a
  // name typed there would land behind it: an open dialog offers its folder and an empty name.
  // (Qt's dialog has no call that empties the field; it is the one QLineEdit of that name.)
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (name != nullptr && dialog.acceptMode() == QFileDialog::AcceptOpen)
    name->clear();
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace zelto::app
