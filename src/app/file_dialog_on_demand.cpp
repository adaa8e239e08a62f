#include "app/file_dialog_on_demand.h"

namespace zelto::app {

QFileDialog& FileDialogOnDemand::Get() const {
  if (dialog_.isNull()) {
    dialog_ = new QFileDialog(owner_);
    dialog_->setObjectName(QLatin1String(name_));
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setAcceptMode(mode_);
    if (!nameFilters_.isEmpty())
      dialog_->setNameFilters(nameFilters_);
  }
  return *dialog_;
}

}  // namespace zelto::app
