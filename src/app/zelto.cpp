#include "app/zelto.h"

#include "app/hot_keys.h"
#include "app/platform_family.h"
#include "app/window_connection_view.h"
#include "app/window_reporter.h"
#include "link/link.h"
#include "link/port_number.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace zelto::app {
namespace {

constexpr auto kProgramVersion = ZELTO_PROGRAM_VERSION;

// Page indexes of the page control.
constexpr int kParametersPage = 0;
constexpr int kCorrectionPage = 1;
constexpr int kPolynomPage = 2;
constexpr int kDebugPage = 3;

constexpr int kVelmorDevice = 2;

// How the window presents each kind of sensor input.
struct SensorView {
  bool schemeEnabled;
  bool isThermocouple;
  const char16_t* rangeCaption;
};

SensorView SensorViewFor(int sensorCode) {
  if (sensorCode <= 8)
    return {true, false, u"Температура, °C"};
  if (sensorCode <= 14)
    return {false, true, u"Температура, °C"};
  if (sensorCode <= 16)
    return {false, false, u"Напряжение,  мВ"};
  if (sensorCode <= 19)
    return {false, false, u"Входной Ток, мА"};
  return {true, false, u"Сопротивление,Ом"};
}

}  // namespace

TZelto::TZelto(const QString& productKey, LinkSetup linkSetup, QWidget* parent)
    : QMainWindow(parent),
      form_(BuildZeltoForm(*this)),
      mode_(ProductModeForKey(productKey)),
      productName_(ProductName(mode_)),
      hotKeys_(new HotKeyFilter([this](int id) { ApplicationEvents1Message(id); }, this)),
      reporter_(std::make_unique<WindowReporter>(*form_.StatusPanels[3], *form_.InforF,
                                                 *form_.TransferBar)),
      connectionView_(std::make_unique<WindowConnectionView>(form_)),
      link_(std::make_unique<zelto::Link>(*reporter_, *connectionView_, linkSetup.timeouts)) {
  link_->SetPortScanner(std::move(linkSetup.scanPorts));
  // The system's ports take their numbers first; the extra ports follow them.
  link_->ListPorts();
  for (const ExtraPort& port : linkSetup.extraPorts) {
    const int number = link_->Ports().Add(port.path, port.description);
    if (preferredPort_ == 0)
      preferredPort_ = number;
  }
  ConnectHandlers();
  FormCreate();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

TZelto::~TZelto() = default;

void TZelto::ConnectHandlers() {
  connect(form_.ExitButton, &QPushButton::clicked, this, &TZelto::ExitButtonClick);
  connect(form_.Exit, &QAction::triggered, this, &TZelto::ExitButtonClick);

  // The port list is checked when the user picks an entry or finishes typing one, not at
  // every keystroke.
  connect(form_.SetComN, &QComboBox::activated, this, &TZelto::SetComNChange);
  connect(form_.SetComN->lineEdit(), &QLineEdit::editingFinished, this, &TZelto::SetComNChange);
  connect(form_.TSpeedD, &QComboBox::currentIndexChanged, this, &TZelto::TSpeedDChange);
  connect(form_.Connect, &QToolButton::clicked, this, &TZelto::ConnectClick);
  connect(form_.ConnectCom, &QAction::triggered, this, &TZelto::ConnectClick);
  connect(form_.OpenDev, &QToolButton::clicked, this, &TZelto::OpenDevClick);
  connect(form_.TimeConnect, &QTimer::timeout, this, &TZelto::TimeConnectTimer);
}

void TZelto::FormCreate() {
  form_.StatusPanels[0]->setText(QLatin1String(kProgramVersion));
  hotKeys_->Register();
  form_.StatusPanels[2]->setText(PlatformFamily());

  for (QComboBox* list : {form_.TypeDevice, form_.TypeDevice1, form_.TypeSensor_0,
                          form_.TypeSensor_1, form_.TypeSensor_2}) {
    list->setCurrentIndex(0);
  }
  form_.ServicePan->hide();
  ApplyProductMode();

  setWindowTitle(productName_);
  form_.HeadDevice->setText(productName_);

  // With no serial port at all the list stays empty and there is no number to check; the port
  // button reports that when pressed.
  form_.SetComN->setCurrentIndex(0);
  ListPorts();
  form_.SetComN->setCurrentIndex(
      std::max(0, form_.SetComN->findText(QString::fromStdString(PortLabel(preferredPort_)))));

  {
    // Programmatic selection; the speed handler is not to run and the port keeps 4800 baud.
    const QSignalBlocker quiet(form_.TSpeedD);
    form_.TSpeedD->setCurrentIndex(form_.TSpeedD->findText(QStringLiteral("4800")));
  }
  ApplyDeviceView();

  // Numbers are shown with a decimal comma whatever the locale; the window's formatting does
  // that itself, so there is no process-wide separator to set.
  form_.PanRangeD->show();
  form_.Function->setTabVisible(kPolynomPage, false);
  form_.Function->setTabVisible(kDebugPage, false);
  form_.HeadProg->setText(QStringLiteral("Конфигуратор Velmor-7, Dastra-2"));
}

void TZelto::ApplyProductMode() {
  switch (mode_) {
    case ProductMode::kHarlow3: {
      form_.TypeDevice->clear();
      for (int i = 0; i < form_.TypeDevice1->count(); ++i) {
        form_.TypeDevice->addItem(form_.TypeDevice1->itemText(i));
      }
      form_.TypeDevice->setCurrentIndex(0);
      break;
    }
    case ProductMode::kDastra:
      SetSubmenuVisible(form_.CalibrTuner, true);
      form_.Function->setCurrentIndex(kCorrectionPage);
      break;
    case ProductMode::kSDastra:
      SetSubmenuVisible(form_.Calibr, true);
      form_.Function->setCurrentIndex(kCorrectionPage);
      break;
    case ProductMode::kVelmor7:
      form_.TypeDevice->setCurrentIndex(kVelmorDevice);
      form_.Function->setCurrentIndex(kParametersPage);
      break;
    case ProductMode::kService:
      form_.MeasageSetDastra->hide();
      break;
    case ProductMode::kServiceS:
      form_.ServicePan->show();
      form_.MeasageSetDastra->hide();
      SetSubmenuVisible(form_.Calibr, true);
      break;
    case ProductMode::kNone:
      break;
  }
}

void TZelto::ApplyDeviceView() {
  const int device = form_.TypeDevice->currentIndex();
  if (device >= 0) {
    const bool velmor = device == kVelmorDevice;
    form_.TypeSensor_0->setVisible(device == 0);
    form_.TypeSensor_1->setVisible(device == 1);
    form_.TypeSensor_2->setVisible(velmor);
    form_.PanSetVelmor6->setVisible(velmor);
    form_.PanSetDastra->setVisible(!velmor);
    if (!velmor)
      form_.PanRangeD->show();
    form_.Function->setTabVisible(kParametersPage, velmor);
    form_.Function->setTabVisible(kCorrectionPage, !velmor);
  }
  // The sensor of a freshly reset configuration is code 0.
  ApplySensorView(0);
}

void TZelto::ApplySensorView(int sensorCode) {
  const SensorView view = SensorViewFor(sensorCode);
  form_.SetSheme->setEnabled(view.schemeEnabled);
  form_.LineFunc->setChecked(false);
  form_.LineFunc->setVisible(view.isThermocouple);
  form_.SetCoolJunk->setEnabled(view.isThermocouple);
  if (sensorCode <= 8)
    form_.SetCoolJunk->setChecked(false);
  form_.LabelRange->setText(QString::fromUtf16(view.rangeCaption));
  SetRangeFieldNames(form_);
}

void TZelto::ApplicationEvents1Message(int hotKeyId) {
  switch (serviceView_.OnHotKey(hotKeyId)) {
    case ServiceViewState::Change::kShow:
      SetServiceViewShown(true);
      break;
    case ServiceViewState::Change::kHide:
      SetServiceViewShown(false);
      break;
    case ServiceViewState::Change::kNone:
      break;
  }
}

void TZelto::SetServiceViewShown(bool shown) {
  form_.Function->setTabVisible(kPolynomPage, shown);
  form_.Function->setTabVisible(kDebugPage, shown);
  form_.ServicePan->setVisible(shown);
  form_.WorkFiles->setVisible(shown);
}

void TZelto::SetSubmenuVisible(QMenu* submenu, bool visible) {
  submenu->menuAction()->setVisible(visible);
  // The command menu has nothing else worth reaching; it shows while a calibration menu does.
  form_.Tools1->menuAction()->setVisible(form_.Calibr->menuAction()->isVisible() ||
                                         form_.CalibrTuner->menuAction()->isVisible());
}

void TZelto::ExitButtonClick() {
  close();
}

void TZelto::ListPorts() {
  form_.SetComN->clear();
  for (const PortEntry& port : link_->ListPorts()) {
    QString hint = QString::fromStdString(port.path);
    if (!port.description.empty()) {
      hint += QStringLiteral(" — ") + QString::fromStdString(port.description);
    }
    form_.SetComN->addItem(QString::fromStdString(PortLabel(port.number)));
    form_.SetComN->setItemData(form_.SetComN->count() - 1, hint, Qt::ToolTipRole);
  }
}

int TZelto::SelectedModel() const {
  return form_.TypeDevice->currentIndex();
}

void TZelto::SetComNChange() {
  SelectedPortNumber(form_.SetComN->currentText().toStdString());
}

void TZelto::TSpeedDChange(int index) {
  if (index >= 0)
    link_->SelectSpeed(form_.TSpeedD->itemText(index).toInt());
}

void TZelto::ConnectClick() {
  // The click has flipped the button already. The port operations set it where it belongs;
  // when none runs (no number in the list, or a number that is no port) it flips back.
  const auto settle = qScopeGuard([this] { form_.Connect->setChecked(link_->IsPortOpen()); });
  const int number = SelectedPortNumber(form_.SetComN->currentText().toStdString());
  link_->SelectPort(number);
  link_->FlushTraceRing();
}

void TZelto::OpenDevClick() {
  if (form_.OpenDev->isChecked()) {
    link_->ConnectDevice(SelectedModel());
  } else {
    link_->DisconnectDevice();
  }
}

void TZelto::TimeConnectTimer() {
  if ((link_->State().LinkFlags & fWriting) != 0)
    return;
  link_->CheckDevice(SelectedModel());
}

void TZelto::closeEvent(QCloseEvent* event) {
  hotKeys_->Unregister();
  event->accept();
}

}  // namespace zelto::app
