#pragma once

#include "config/config_record.h"
#include "config/config_view.h"
#include "config/field_text.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;

namespace zelto::app {

// A numeric field of the window: the quantity it holds and how many decimals it shows.
struct NumericField {
  const char* name;
  int quantityCode;
  int decimals;
};

// The row of a field by its name; nothing for Edit2 and Edit3, which show whatever quantity
// the field entered before them held.
std::optional<NumericField> NumericFieldNamed(QStringView name);
// The row of a quantity code.
std::optional<NumericField> NumericFieldFor(int quantityCode);
// The eight fields the refresh rewrites, in its order.
const std::array<NumericField, 8>& RefreshedFields();

// Shows a value in a field in the field's format and paints it at once: the thread may block in
// a device exchange before the event loop would.
void ShowFieldValue(QLineEdit& field, double value, int decimals);

// The editing state the twelve fields share: the quantity and format of the field entered last,
// and the working value from entering to committing.
class NumericFieldEditing {
 public:
  // Loads the field from the record and selects its text, so that typing replaces it.
  void Enter(QLineEdit& field, const config::ConfigRecord& record);
  // The focus came back to the field (from a box, a menu, another window) without the user
  // leaving it: the state becomes the field's again, and what was typed there stays.
  void Return(const QLineEdit& field);
  // Whether the field is the one entered, returned to or committed last.
  bool IsAt(const QLineEdit& field) const { return field_ == &field; }
  // Stores the field's text through the validated assignment and shows what was kept. False,
  // with nothing stored and the text left as typed, when the text is not a number. A field of
  // the table commits its own quantity, whatever field was entered last.
  bool Commit(QLineEdit& field, config::ConfigRecord& record, int outputRange,
              config::ConfigView& view);
  // What the status says when the field's text is a number the rules refuse, so that the
  // commit will put the kept value back: the values they take. Nothing for a text they take,
  // and for one that is no number.
  std::optional<std::string> Refusal(const QLineEdit& field,
                                     const config::ConfigRecord& record) const;
  // Shows the stored value of the field's quantity again, for a text that could not be
  // committed when nobody was there to be told.
  void ShowStored(QLineEdit& field, const config::ConfigRecord& record);

 private:
  // Takes the quantity and format of the field's row; a field without one keeps the state.
  void Adopt(const QLineEdit& field);

  const QLineEdit* field_ = nullptr;
  int quantityCode_ = 0;
  int decimals_ = config::kGeneralForm;
  float working_ = 0.0f;
};

// Turns the numeric fields' focus changes and Enter key into the window's handlers. Focus that
// moves to another window (a message box) or to a menu and back is neither leaving nor
// entering: the user is still at the field, and its coming back is told apart.
class NumericFieldEvents final : public QObject {
 public:
  struct Handlers {
    std::function<void(QLineEdit*)> entered;
    std::function<void(QLineEdit*)> returned;
    std::function<void(QLineEdit*)> left;
    std::function<void(QLineEdit*, int key)> keyDown;
  };

  explicit NumericFieldEvents(Handlers handlers) : handlers_(std::move(handlers)) {}
  void Watch(QLineEdit& field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handlers handlers_;
  // The field a click has just entered, until its press has been kept from the field: entering
  // by mouse selects the whole text as entering by Tab does. A second click places the caret.
  QLineEdit* clickedInto_ = nullptr;
};

}  // namespace zelto::app
