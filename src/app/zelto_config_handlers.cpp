// The window's handlers for the device, sensor and output-range choices and the numeric fields:
// each change goes through the configuration core, which calls back to show its effect.
#include "app/window_config_view.h"
#include "app/window_reporter.h"
#include "app/window_texts.h"
#include "app/zelto.h"
#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace zelto::app {
namespace {

constexpr int kParametersPage = 0;
constexpr int kCorrectionPage = 1;

constexpr const char* kNumberFormatError = QT_TRANSLATE_NOOP("Zelto", "Неверный формат числа");
const QString kVelmorHeading = QStringLiteral("Velmor7");

}  // namespace

int TZelto::OutputRange() const {
  return form_.SetOutCurrentItems->checkedId();
}

void TZelto::ShowOutputRangeOfRecord() {
  for (int position : {config::kOutput0To5, config::kOutput0To20, config::kOutput4To20}) {
    const auto range = config::OutputCurrentRange(position);
    if (range->low == config_.CrnMix && range->high == config_.CrtMax)
      form_.SetOutCurrentItems->button(position)->setChecked(true);
  }
}

QComboBox* TZelto::SensorListOf(int model) const {
  switch (model) {
    case config::kDeviceLoadingBlank:
      return form_.TypeSensor_0;
    case config::kDeviceDastra2:
      return form_.TypeSensor_1;
    default:
      return form_.TypeSensor_2;
  }
}

void TZelto::SelectSensorOfList(const QComboBox& list) {
  config::SetDeviceOrSensor(config_, config::Selection::kSensor, list.currentIndex(), OutputRange(),
                            *configView_);
}

void TZelto::ApplyDeviceView() {
  const int device = SelectedModel();
  if (device >= 0) {
    const bool velmor = device == config::kDeviceVelmor7;
    form_.TypeSensor_0->setVisible(device == config::kDeviceLoadingBlank);
    form_.TypeSensor_1->setVisible(device == config::kDeviceDastra2);
    form_.TypeSensor_2->setVisible(velmor);
    form_.PanSetVelmor6->setVisible(velmor);
    form_.PanSetDastra->setVisible(!velmor);
    if (!velmor)
      form_.PanRangeD->show();
    form_.Function->setTabVisible(kParametersPage, velmor);
    form_.Function->setTabVisible(kCorrectionPage, !velmor);
  }
  config::SelectSensor(config_, OutputRange(), *configView_);
}

void TZelto::ApplySensorView(int sensorCode) {
  configView_->ApplySensorView(sensorCode);
}

void TZelto::RefreshValueFields() {
  configView_->RefreshValueFields();
}

void TZelto::ChooseDevice(int model) {
  gate_.Run([this, model] { SwitchModel(model); });
}

void TZelto::SwitchModel(int model) {
  if (model < 0 || model >= form_.TypeDevice->count())
    return;
  form_.TypeDevice->setCurrentIndex(model);
  TypeDeviceChange();
}

void TZelto::TypeDeviceChange() {
  const int device = SelectedModel();
  config::ResetConfig(config_);
  // The fresh record drives a 4..20 mA output; the choice shows it, so that the nominal
  // currents and a later write agree with the record.
  ShowOutputRangeOfRecord();
  ApplyDeviceView();
  RefreshValueFields();
  if (device < 0)
    return;
  config::SetDeviceOrSensor(config_, config::Selection::kDevice, device, OutputRange(),
                            *configView_);
  if (config::IsTableLoadingDevice(device)) {
    SelectSensorOfList(*SensorListOf(device));
    form_.HeadDevice->setText(productName_);
    form_.Function->setCurrentIndex(kCorrectionPage);
    form_.PanRangeD->show();
    form_.Function->setTabVisible(kCorrectionPage, true);
    form_.Function->setTabVisible(kParametersPage, false);
  } else if (device == config::kDeviceVelmor7) {
    SelectSensorOfList(*form_.TypeSensor_2);
    form_.HeadDevice->setText(kVelmorHeading);
    form_.Function->setCurrentIndex(kParametersPage);
    form_.Function->setTabVisible(kCorrectionPage, false);
    form_.Function->setTabVisible(kParametersPage, true);
  }
}

void TZelto::TypeSensor_0Change() {
  SelectSensorOfList(*form_.TypeSensor_0);
}

void TZelto::TypeSensor_1Change() {
  SelectSensorOfList(*form_.TypeSensor_1);
}

void TZelto::TypeSensor_2Change() {
  SelectSensorOfList(*form_.TypeSensor_2);
}

void TZelto::SetOutCurrentClick() {
  const auto range = config::OutputCurrentRange(OutputRange());
  if (!range)
    return;
  config::AssignField(config_, config::kQuantityCurrentMin, static_cast<float>(range->low),
                      OutputRange(), *configView_);
  config::AssignField(config_, config::kQuantityCurrentMax, static_cast<float>(range->high),
                      OutputRange(), *configView_);
  config::ComputeNominalCurrents(config_, true, OutputRange(), *configView_);
  RefreshValueFields();
}

void TZelto::RangeMinEnter(QLineEdit* field) {
  editing_.Enter(*field, config_);
}

void TZelto::RangeMinExit(QLineEdit* field) {
  // A refused value is put back without a box; the status says what the field takes.
  const auto refusal = editing_.Refusal(*field, config_);
  if (editing_.Commit(*field, config_, OutputRange(), *configView_)) {
    if (refusal)
      reporter_->ShowStatus(*refusal);
    return;
  }
  messages_->ShowError(Zelto::tr(kNumberFormatError));
  // A click on a button that takes the focus left the field before the button saw the press;
  // the box took the release, so the button would stay drawn down and its click never come.
  // The press reaches the button once this handler returns.
  QTimer::singleShot(0, this, [this] {
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
      if (button->isDown())
        button->setDown(false);
    }
  });
}

void TZelto::RangeMinKeyDown(QLineEdit* field, int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter)
    RangeMinExit(field);
}

// The focus of a field can change while a handler runs: a message box takes it and gives it
// back, a disconnect disables the group that held it. What such a change means is done once
// the handler has returned, and only if it still holds then.
void TZelto::NumericFieldEntered(QLineEdit* field) {
  gate_.RunOrDefer([this, field] {
    if (field->window()->focusWidget() == field)
      RangeMinEnter(field);
  });
}

void TZelto::NumericFieldReturned(QLineEdit* field) {
  gate_.RunOrDefer([this, field] {
    // The focus comes back to another field than the one left: the Tab or the click that left
    // it raised a box on the way, and the entry into this field is still owed.
    if (!editing_.IsAt(*field) && field->window()->focusWidget() == field) {
      RangeMinEnter(field);
      return;
    }
    editing_.Return(*field);
  });
}

void TZelto::NumericFieldLeft(QLineEdit* field) {
  if (!gate_.Busy()) {
    gate_.Run([this, field] { RangeMinExit(field); });
    return;
  }
  // The user did not move: the running handler took the focus away. Nobody is there to read a
  // message box, so a text that cannot be stored gives way to the stored value; the field and
  // the record must agree once the field has lost the focus.
  gate_.RunOrDefer([this, field] {
    if (field->window()->focusWidget() == field)
      return;
    if (!editing_.Commit(*field, config_, OutputRange(), *configView_))
      editing_.ShowStored(*field, config_);
  });
}

}  // namespace zelto::app
