#include "app/window_config_view.h"

#include "app/numeric_fields.h"
#include "app/zelto_form.h"
#include "config/config_dump.h"
#include "config/field_assignment.h"
#include "config/sensor_catalogue.h"
#include "link/status_translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zelto::app {
namespace {

using config::SensorClass;

// Null for a field of the service view that has not been built yet.
QLineEdit* FieldNamed(const ZeltoForm& form, const char* name) {
  for (QLineEdit* field :
       {form.RangeMin, form.RangeMax, form.CurrentMin, form.CurrentMax, form.SetZero,
        form.SchiftZero, form.SetFull, form.SchiftFull, form.SetTemp, form.RezCalc}) {
    if (field != nullptr && field->objectName() == QLatin1String(name))
      return field;
  }
  return nullptr;
}

}  // namespace

void WindowConfigView::ApplySensorView(int sensorCode) {
  const auto sensor = config::LookupSensor(sensorCode);
  if (!sensor)
    return;
  const bool thermocouple = sensor->sensorClass == SensorClass::kThermocouple;
  // Wiring matters for the inputs that are resistances: thermometers and the 0..320 Ω range.
  form_.SetSheme->setEnabled(sensor->sensorClass == SensorClass::kResistance ||
                             sensorCode == config::kSensorCount - 1);
  form_.LineFunc->setChecked(false);
  form_.LineFunc->setVisible(thermocouple);
  form_.SetCoolJunk->setEnabled(thermocouple);
  if (sensor->sensorClass == SensorClass::kResistance)
    form_.SetCoolJunk->setChecked(false);
  form_.LabelRange->setText(TranslateMarked(sensor->rangeCaption, "Zelto"));
  SetRangeFieldNames(form_);
}

void WindowConfigView::RefreshValueFields() {
  for (const NumericField& row : RefreshedFields()) {
    ShowFieldValue(*FieldNamed(form_, row.name), config::GetField(record_, row.quantityCode),
                   row.decimals);
  }
}

void WindowConfigView::ShowNominalCurrents(std::string_view curZero, std::string_view curFull) {
  form_.SetCurentZero->setText(QString::fromUtf8(curZero.data(), qsizetype(curZero.size())));
  form_.SetCurentFull->setText(QString::fromUtf8(curFull.data(), qsizetype(curFull.size())));
}

void WindowConfigView::DumpConfig(const config::ConfigRecord& record) {
  config::DumpConfig(record, traceFlags_, memo_);
}

void WindowConfigView::ShowCalculatorValue(int quantityCode, float value) {
  if (const auto row = NumericFieldFor(quantityCode)) {
    if (QLineEdit* field = FieldNamed(form_, row->name))
      ShowFieldValue(*field, value, row->decimals);
  }
}

}  // namespace zelto::app
