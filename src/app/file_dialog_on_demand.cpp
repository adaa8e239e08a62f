#include "app/file_dialog_on_demand.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zelto::app {

QString FirstFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QFileDialog& FileDialogOnDemand::Get() const {
  if (dialog_.isNull()) {
    dialog_ = new QFileDialog(owner_);
    dialog_->setObjectName(QLatin1String(name_));
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setAcceptMode(mode_);
    dialog_->setDirectory(FirstFolder());  // not the folder the program was started from
    // Qt's first size cuts the size, type and date columns short.
    dialog_->resize(dialog_->sizeHint().expandedTo(QSize(820, 480)));
    if (!nameFilters_.isEmpty())
      dialog_->setNameFilters(nameFilters_);
  }
  return *dialog_;
}

}  // namespace zelto::app
