#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QSize>
#include <QStringList>

namespace zelto::app {

// The folder a file dialog opens in until the user has been in one with it: the user's
// documents folder, or the home folder when there is none.
QString FirstFolder();

// A file dialog of the window, built the first time it is used, in the first folder. A Qt file
// dialog draws its icons as it is built: both dialogs built at start took half the time the
// window needs to appear, for dialogs only the service view uses.
class FileDialogOnDemand {
 public:
  FileDialogOnDemand() = default;
  FileDialogOnDemand(QWidget& owner, const char* name, QFileDialog::AcceptMode mode,
                     QStringList nameFilters = {})
      : owner_(&owner), name_(name), mode_(mode), nameFilters_(std::move(nameFilters)) {}

  // The dialog, owned by the window once built.
  QFileDialog& Get() const;
  bool IsBuilt() const { return !dialog_.isNull(); }

 private:
  QWidget* owner_ = nullptr;
  const char* name_ = "";
  QFileDialog::AcceptMode mode_ = QFileDialog::AcceptOpen;
  QStringList nameFilters_;
  mutable QPointer<QFileDialog> dialog_;
};

}  // namespace zelto::app
