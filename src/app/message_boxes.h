#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace zelto::app {

// Where the window tells the user about a mistake that needs acknowledging: a number it cannot
// read, a file it cannot open, an error raised in a handler. One seam, so that tests can see
// what would have been shown without a modal box waiting for a click.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void ShowError(const QString& text) = 0;
  // Asks before something that cannot be taken back; true when the user chose `go` over "Отмена".
  virtual bool Confirm(const QString& text, const QString& go) = 0;
  // Asks which of the choices to go on with; its index when the user chose one for `go`, nothing
  // for "Отмена".
  virtual std::optional<int> Choose(const QString& text, const QStringList& choices,
                                    const QString& go) = 0;
};

// The modal box a user acknowledges, titled with the program's name.
class ModalMessageBoxes final : public MessageBoxes {
 public:
  explicit ModalMessageBoxes(QWidget& parent) : parent_(parent) {}
  void ShowError(const QString& text) override;
  bool Confirm(const QString& text, const QString& go) override;
  // A list with the first choice selected; "Отмена" is the default button, so that Enter alone
  // writes nothing, and a double click on a choice takes it.
  std::optional<int> Choose(const QString& text, const QStringList& choices,
                            const QString& go) override;

 private:
  QWidget& parent_;
};

}  // namespace zelto::app
