#pragma once

#include "config/config_record.h"
#include "config/config_view.h"
#include "config/field_text.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>

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
  // Stores the field's text through the validated assignment and shows what was kept. False,
  // with nothing stored and the text left as typed, when the text is not a number.
  bool Commit(QLineEdit& field, config::ConfigRecord& record, int outputRange,
              config::ConfigView& view);

 private:
  int quantityCode_ = 0;
  int decimals_ = config::kGeneralForm;
  float working_ = 0.0f;
};

// Turns the numeric fields' focus changes and Enter key into the window's three handlers.
// Focus that moves to another window (a message box) or to a menu and back is neither leaving
// nor entering: the user is still at the field.
class NumericFieldEvents final : public QObject {
 public:
  struct Handlers {
    std::function<void(QLineEdit*)> enter;
    std::function<void(QLineEdit*)> exit;
    std::function<void(QLineEdit*, int key)> keyDown;
  };

  explicit NumericFieldEvents(Handlers handlers) : handlers_(std::move(handlers)) {}
  void Watch(QLineEdit& field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handlers handlers_;
};

}  // namespace zelto::app
