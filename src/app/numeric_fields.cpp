#include "app/numeric_fields.h"

#include "config/field_assignment.h"
#include "config/field_limits.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace zelto::app {
namespace {

using namespace zelto::config;

constexpr std::array<NumericField, 10> kFields{{
    {"RangeMin", kQuantityRangeMin, 0},
    {"RangeMax", kQuantityRangeMax, 0},
    {"CurrentMin", kQuantityCurrentMin, 1},
    {"CurrentMax", kQuantityCurrentMax, 1},
    {"SetZero", kQuantityTmpZero, 2},
    {"SchiftZero", kQuantityZero, 3},
    {"SetFull", kQuantityTmpFull, 2},
    {"SchiftFull", kQuantityFull, 3},
    {"SetTemp", kQuantityCalculatorTemperature, 2},
    {"RezCalc", kQuantityCalculatorSignal, 3},
}};

bool IsUsersOwnMove(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

}  // namespace

std::optional<NumericField> NumericFieldNamed(QStringView name) {
  const auto row = std::find_if(kFields.begin(), kFields.end(), [name](const NumericField& f) {
    return name == QLatin1String(f.name);
  });
  return row != kFields.end() ? std::optional(*row) : std::nullopt;
}

std::optional<NumericField> NumericFieldFor(int quantityCode) {
  const auto row = std::find_if(kFields.begin(), kFields.end(), [quantityCode](const auto& f) {
    return f.quantityCode == quantityCode;
  });
  return row != kFields.end() ? std::optional(*row) : std::nullopt;
}

const std::array<NumericField, 8>& RefreshedFields() {
  static constexpr std::array<NumericField, 8> kRefreshed{
      kFields[0], kFields[1], kFields[2], kFields[3],
      kFields[4], kFields[5], kFields[6], kFields[7],
  };
  return kRefreshed;
}

void ShowFieldValue(QLineEdit& field, double value, int decimals) {
  field.setText(QString::fromStdString(FormatFieldNumber(value, decimals)));
  field.repaint();
}

void NumericFieldEditing::Enter(QLineEdit& field, const ConfigRecord& record) {
  Adopt(field);
  working_ = static_cast<float>(GetField(record, quantityCode_));
  ShowFieldValue(field, working_, decimals_);
  field.selectAll();
}

void NumericFieldEditing::Return(const QLineEdit& field) {
  Adopt(field);
}

bool NumericFieldEditing::Commit(QLineEdit& field, ConfigRecord& record, int outputRange,
                                 ConfigView& view) {
  Adopt(field);
  const auto typed = ParseFieldNumber(field.text().toStdString());
  if (!typed)
    return false;
  working_ = AssignField(record, quantityCode_, *typed, outputRange, view);
  ShowFieldValue(field, working_, decimals_);
  view.RefreshValueFields();
  return true;
}

std::optional<std::string> NumericFieldEditing::Refusal(const QLineEdit& field,
                                                        const ConfigRecord& record) const {
  const auto row = NumericFieldNamed(field.objectName());
  const auto typed = ParseFieldNumber(field.text().toStdString());
  if (!typed)
    return std::nullopt;
  return RefusalStatus(record, row ? row->quantityCode : quantityCode_, *typed);
}

void NumericFieldEditing::ShowStored(QLineEdit& field, const ConfigRecord& record) {
  Adopt(field);
  ShowFieldValue(field, GetField(record, quantityCode_), decimals_);
}

void NumericFieldEditing::Adopt(const QLineEdit& field) {
  field_ = &field;
  if (const auto row = NumericFieldNamed(field.objectName())) {
    quantityCode_ = row->quantityCode;
    decimals_ = row->decimals;
  }
}

void NumericFieldEvents::Watch(QLineEdit& field) {
  field.installEventFilter(this);
}

bool NumericFieldEvents::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr)
    return false;
  switch (event->type()) {
    case QEvent::FocusIn: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (IsUsersOwnMove(reason)) {
        clickedInto_ = reason == Qt::MouseFocusReason ? field : nullptr;
        handlers_.entered(field);
      } else {
        handlers_.returned(field);
      }
      break;
    }
    case QEvent::FocusOut:
      if (field == clickedInto_)
        clickedInto_ = nullptr;
      if (IsUsersOwnMove(static_cast<QFocusEvent*>(event)->reason()))
        handlers_.left(field);
      break;
    case QEvent::MouseButtonPress:
      // The press that gave the field the focus would put the caret where it landed, or start
      // dragging the selected text; either way typing would no longer replace the text.
      if (std::exchange(clickedInto_, nullptr) == field)
        return true;
      break;
    case QEvent::KeyPress:
      handlers_.keyDown(field, static_cast<QKeyEvent*>(event)->key());
      break;
    default:
      break;
  }
  return false;  // the field handles every event as usual
}

}  // namespace zelto::app
