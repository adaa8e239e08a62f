#include "app/zelto.h"

#include "app/form_widgets.h"
#include "app/hot_keys.h"
#include "app/platform_family.h"
#include "app/port_combo_box.h"
#include "app/window_config_view.h"
#include "app/window_connection_view.h"
#include "app/window_reporter.h"
#include "app/window_texts.h"
#include "config/sensor_selection.h"
#include "link/link.h"
#include "link/port_number.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace zelto::app {
namespace {

constexpr auto kProgramVersion = ZELTO_PROGRAM_VERSION;

// Page indexes of the page control.
constexpr int kParametersPage = 0;
constexpr int kCorrectionPage = 1;
constexpr int kPolynomPage = 2;
constexpr int kDebugPage = 3;

constexpr int kVelmorDevice = 2;

constexpr const char* kStatusSettingsNotUsed =
    QT_TRANSLATE_NOOP("status", "Файл настроек не используется: настройки по умолчанию");

}  // namespace

TZelto::TZelto(const QString& productKey, LinkSetup linkSetup, QWidget* parent)
    : QMainWindow(parent),
      form_(BuildZeltoForm(*this)),
      mode_(ProductModeForKey(productKey)),
      productName_(ProductName(mode_)),
      hotKeys_(new HotKeyFilter([this](int id) { ApplicationEvents1Message(id); }, this)),
      messages_(std::make_unique<ModalMessageBoxes>(*this)),
      waiting_(linkSetup.waitNoticedAfter),
      gate_(
          [this](const std::exception& error) {
            messages_->ShowError(QString::fromUtf8(error.what()));
          },
          [this] { waiting_.HandlerEnded(); }),
      files_(std::make_unique<ModalFileChoice>()),
      reporter_(std::make_unique<WindowReporter>(*form_.StatusPanels[3], *form_.InforF,
                                                 *form_.TransferBar)),
      connectionView_(std::make_unique<WindowConnectionView>(form_, [this] { EndPoll(); })),
      settings_(std::make_unique<WindowSettings>()),
      link_(std::make_unique<zelto::Link>(*reporter_, *connectionView_, linkSetup.timeouts)),
      trace_(traceFlags_, *reporter_),
      configView_(std::make_unique<WindowConfigView>(form_, config_, traceFlags_, *reporter_)),
      trend_(std::make_unique<MonitorTrend>(*this, *reporter_)) {
  link_->SetTrace(&trace_);
  link_->SetWaitHook([this](std::chrono::milliseconds waited) { waiting_.Waiting(waited); });
  link_->SetPortScanner(std::move(linkSetup.scanPorts));
  extraPorts_ = std::move(linkSetup.extraPorts);
  ConnectHandlers();
  ConnectServiceHandlers();
  WatchNumericFields();
  FormCreate();
  startFinisher_ = std::make_unique<StartFinisher>(*this, [this] { ListPortsAtStart(); });
  // Where the user left the window last time; centred on the screen the first time.
  placed_ = restoreGeometry(settings_->Geometry());
  for (QAction* item : {form_.BackupBeforeWrite, form_.CompareBeforeWrite, form_.VerifyAfterWrite,
                        form_.WriteChangedOnly}) {
    item->setChecked(settings_->Switch(item->objectName(), item->isChecked()));
    connect(item, &QAction::toggled, this,
            [this, item](bool on) { settings_->SetSwitch(item->objectName(), on); });
  }
  form_.Splitter2->restoreState(settings_->MemoSplitter());
  if (!settings_->Kept())
    reporter_->ShowStatus(kStatusSettingsNotUsed);
}

TZelto::~TZelto() {
  // The controls outlive this body; none of them may reach a handler from here on.
  fieldEvents_.reset();
  link_->SetTrace(nullptr);
  link_->SetWaitHook(nullptr);
  for (QObject* child : findChildren<QObject*>())
    QObject::disconnect(child, nullptr, this, nullptr);
}

void TZelto::ConnectHandlers() {
  Bind(form_.ExitButton, &QPushButton::clicked, [this] { ExitButtonClick(); });
  Bind(form_.Exit, &QAction::triggered, [this] { ExitButtonClick(); });
  Bind(form_.OpenProfile, &QAction::triggered, [this] { OpenProfileClick(); });
  BindCommand(form_.UndoWrite, &QAction::triggered, [this] { UndoWriteClick(); });
  Bind(form_.SaveProfile, &QAction::triggered, [this] { SaveProfileClick(); });
  Bind(form_.CheckOutput, &QAction::triggered, [this] { CheckOutputClick(); });
  Bind(form_.CheckLog, &QAction::triggered, [this] { CheckLogClick(); });

  // Ports. The list is checked when the user picks an entry or finishes typing one, not at
  // every keystroke, and brought up to date whenever it is opened.
  Bind(form_.SetComN, &QComboBox::activated, [this] { SetComNChange(); });
  // The combo box hands an Enter its line edit ignored back to it, so one Enter finishes the
  // editing twice; the text is checked once until it is edited again.
  Bind(form_.SetComN->lineEdit(), &QLineEdit::editingFinished, [this] {
    if (std::exchange(portTextChecked_, true))
      return;
    SetComNChange();
  });
  connect(form_.SetComN->lineEdit(), &QLineEdit::textEdited, this,
          [this] { portTextChecked_ = false; });
  form_.SetComN->SetBeforePopup([this] { ListPorts(); });
  Bind(form_.TSpeedD, &QComboBox::currentIndexChanged, [this](int index) { TSpeedDChange(index); });
  Bind(form_.Connect, &QToolButton::clicked, [this] { ConnectClick(); });
  Bind(form_.ConnectCom, &QAction::triggered, [this] { ConnectClick(); });
  BindCommand(form_.OpenDev, &QToolButton::clicked, [this] { OpenDevClick(); });
  Bind(form_.TimeConnect, &QTimer::timeout, [this] { TimeConnectTimer(); });
  Bind(form_.Timer1, &QTimer::timeout, [this] { Timer1Timer(); });

  // Reading and writing the device.
  BindCommand(form_.ReadFromCom, &QPushButton::clicked, [this] { ReadFromComClick(); });
  BindCommand(form_.Read, &QAction::triggered, [this] { ReadFromComClick(); });
  BindCommand(form_.WriteToCom, &QPushButton::clicked, [this] { WriteToComClick(); });
  BindCommand(form_.Write, &QAction::triggered, [this] { WriteToComClick(); });
  BindCommand(form_.WriteUser, &QPushButton::clicked, [this] { WriteUserClick(); });
  BindCommand(form_.WriteFabric, &QPushButton::clicked, [this] { WriteFabricClick(); });

  // The user's choices only: the start and the product modes select entries themselves, and
  // those selections must not run the handlers.
  Bind(form_.TypeDevice, &QComboBox::activated, [this] { TypeDeviceChange(); });
  Bind(form_.TypeDevice1, &QComboBox::activated, [this] { TypeDeviceChange(); });
  Bind(form_.TypeSensor_0, &QComboBox::activated, [this] { TypeSensor_0Change(); });
  Bind(form_.TypeSensor_1, &QComboBox::activated, [this] { TypeSensor_1Change(); });
  Bind(form_.TypeSensor_2, &QComboBox::activated, [this] { TypeSensor_2Change(); });
  Bind(form_.SetOutCurrentItems, &QButtonGroup::idClicked, [this] { SetOutCurrentClick(); });
}

void TZelto::WatchNumericFields() {
  fieldEvents_ = std::make_unique<NumericFieldEvents>(NumericFieldEvents::Handlers{
      [this](QLineEdit* field) { NumericFieldEntered(field); },
      [this](QLineEdit* field) { NumericFieldReturned(field); },
      [this](QLineEdit* field) { NumericFieldLeft(field); },
      [this](QLineEdit* field, int key) { gate_.Run([=, this] { RangeMinKeyDown(field, key); }); },
  });
  // The service view's four fields are watched once they are built.
  for (QLineEdit* field : {form_.RangeMin, form_.RangeMax, form_.CurrentMin, form_.CurrentMax,
                           form_.SetZero, form_.SchiftZero, form_.SetFull, form_.SchiftFull}) {
    fieldEvents_->Watch(*field);
  }
}

void TZelto::FormCreate() {
  form_.StatusPanels[0]->setText(QLatin1String(kProgramVersion));
  hotKeys_->Register();
  form_.StatusPanels[2]->setText(PlatformFamily());

  for (QComboBox* list : {form_.TypeDevice, form_.TypeDevice1, form_.TypeSensor_0,
                          form_.TypeSensor_1, form_.TypeSensor_2}) {
    list->setCurrentIndex(0);
  }
  config::ResetConfig(config_);
  ShowOutputRangeOfRecord();
  form_.ServicePan->hide();
  const QComboBox* sensorList = ApplyProductMode(form_.TypeSensor_0);

  config::SetDeviceOrSensor(config_, config::Selection::kDevice, SelectedModel(), OutputRange(),
                            *configView_);
  SelectSensorOfList(*sensorList);

  setWindowTitle(productName_);
  form_.HeadDevice->setText(productName_);

  // The port list is filled once the window is on the screen; until then it offers nothing
  // rather than the form's placeholders.
  form_.SetComN->clear();
  {
    // Programmatic selection; the speed handler is not to run and the port keeps 4800 baud.
    const QSignalBlocker quiet(form_.TSpeedD);
    form_.TSpeedD->setCurrentIndex(form_.TSpeedD->findText(QStringLiteral("4800")));
  }
  ApplyDeviceView();
  RefreshValueFields();

  // Numbers are shown with a decimal comma whatever the locale; the window's formatting does
  // that itself, so there is no process-wide separator to set.
  form_.PanRangeD->show();
  form_.Function->setTabVisible(kPolynomPage, false);
  form_.Function->setTabVisible(kDebugPage, false);
  form_.HeadProg->setText(Zelto::tr("Конфигуратор Velmor-7, Dastra-2"));
  // The tool bar is empty; it offers no entry to hide it.
  form_.ToolBar1->toggleViewAction()->setVisible(false);
}

QComboBox* TZelto::ApplyProductMode(QComboBox* sensorList) {
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
      return form_.TypeSensor_2;
    case ProductMode::kService:
      form_.MeasageSetDastra->hide();
      break;
    case ProductMode::kServiceS:
      EnsureServiceView();
      form_.ServicePan->show();
      form_.MeasageSetDastra->hide();
      SetSubmenuVisible(form_.Calibr, true);
      break;
    case ProductMode::kNone:
      break;
  }
  return sensorList;
}

void TZelto::FinishStart() {
  startFinisher_->Finish();
}

void TZelto::ListPortsAtStart() {
  // The system's ports take their numbers first, the extra ports follow them; one scan serves
  // both the numbers and the list.
  link_->ListPorts();
  for (const ExtraPort& port : extraPorts_) {
    const int number = link_->Ports().Add(port.path, port.description);
    if (preferredPort_ == 0)
      preferredPort_ = number;
  }
  // With no serial port at all the list stays empty and there is no number to check; the port
  // button reports that when pressed.
  // A port asked for by name wins over the one remembered; a remembered one that has gone is
  // forgotten quietly, and the first entry stands.
  if (preferredPort_ == 0) {
    if (const auto remembered = settings_->LastPortPath()) {
      for (const PortEntry& port : link_->Ports().Listed()) {
        if (port.path == *remembered)
          preferredPort_ = port.number;
      }
    }
  }
  form_.SetComN->setCurrentIndex(0);
  ShowPorts(link_->Ports().Listed());
  form_.SetComN->setCurrentIndex(
      std::max(0, form_.SetComN->findText(QString::fromStdString(PortLabel(preferredPort_)))));
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

void TZelto::EnsureServiceView() {
  if (BuildServiceView(form_))
    ConnectServiceControls();
}

void TZelto::SetServiceViewShown(bool shown) {
  if (shown)
    EnsureServiceView();
  form_.Function->setTabVisible(kPolynomPage, shown);
  form_.Function->setTabVisible(kDebugPage, shown);
  form_.ServicePan->setVisible(shown);
  form_.WorkFiles->setVisible(shown);
  // The plot belongs to the service panel; its history and any recording go on.
  if (!shown)
    trend_->CloseWindow();
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

void TZelto::setVisible(bool visible) {
  // The sensor list is as wide as its entries in the fonts there are; the window is placed and
  // first drawn at the size that needs, rather than growing afterwards.
  if (visible && !isVisible()) {
    SettleLayoutsAbove(*form_.GroupBox2);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!std::exchange(placed_, true) && screen != nullptr) {
      QRect frame = frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      move(frame.topLeft());
    }
  }
  QMainWindow::setVisible(visible);
}

void TZelto::closeEvent(QCloseEvent* event) {
  settings_->SetGeometry(saveGeometry());
  settings_->SetMemoSplitter(form_.Splitter2->saveState());
  hotKeys_->Unregister();
  event->accept();
}

}  // namespace zelto::app
