#pragma once

#include <QString>

#include <optional>

class QFileDialog;

namespace zelto::app {

// Where the window asks the user for a file, with a dialog it has set up for the purpose.
// Nothing when the user cancels: no file is then read or written, and no earlier choice is
// used in its place. One seam, so that tests can choose without a modal dialog.
class FileChoice {
 public:
  virtual ~FileChoice() = default;
  virtual std::optional<QString> Choose(QFileDialog& dialog) = 0;
};

// The dialog, modal, as the user answers it.
class ModalFileChoice final : public FileChoice {
 public:
  std::optional<QString> Choose(QFileDialog& dialog) override;
};

}  // namespace zelto::app
