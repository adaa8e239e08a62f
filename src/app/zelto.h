#pragma once

#include "app/busy_cursor.h"
#include "app/busy_while_waiting.h"
#include "app/compare_before_write.h"
#include "app/file_choice.h"
#include "app/handler_gate.h"
#include "app/message_boxes.h"
#include "app/monitor_trend.h"
#include "app/numeric_fields.h"
#include "app/product_mode.h"
#include "app/service_view.h"
#include "app/start_finisher.h"
#include "app/window_settings.h"
#include "app/zelto_form.h"
#include "calib/calib_block.h"
#include "check/check_record.h"
#include "config/config_record.h"
#include "config/write_settings.h"
#include "keep/device_backup.h"
#include "keep/profile.h"
#include "link/ee_image.h"
#include "link/link_timeouts.h"
#include "link/memo_trace.h"
#include "link/monitor.h"
#include "link/port_table.h"
#include "link/trace_flags.h"

#include <QMainWindow>

#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class QFileDialog;
class QLineEdit;
class QTimer;
class QToolButton;

namespace zelto {
class Link;
}

namespace zelto::app {

class HotKeyFilter;
class TrendWindow;
class WindowConfigView;
class WindowConnectionView;
class WindowReporter;

// A port the window lists beyond the system's: a device path given on the command line, or
// the built-in simulator's pseudo-terminal.
struct ExtraPort {
  std::string path;
  std::string description;
};

// How the window's serial link is set up.
struct LinkSetup {
  // Listed after the system's ports, in this order; the first is selected at start, since the
  // user asked for it by name.
  std::vector<ExtraPort> extraPorts;
  LinkTimeouts timeouts;
  // The system's serial devices unless replaced (tests, for one).
  std::function<std::vector<SystemPort>()> scanPorts;
  // A wait on the device this long shows the busy cursor and has the windows kept painted.
  std::chrono::milliseconds waitNoticedAfter{300};
};

// The configurator's one window. It owns the configuration record and the link; handlers are
// named after control and event and each calls one operation of the core, and the window only
// maps what the core reports onto its controls.
class TZelto final : public QMainWindow {
 public:
  // The product key picks the product mode (the build's key unless a test asks for another).
  explicit TZelto(const QString& productKey = BuildProductKey(), LinkSetup linkSetup = {},
                  QWidget* parent = nullptr);
  ~TZelto() override;

  ProductMode Mode() const { return mode_; }
  const ServiceViewState& ServiceView() const { return serviceView_; }
  const zelto::Link& Link() const { return *link_; }
  const config::ConfigRecord& Config() const { return config_; }
  // The service state the service panel works on.
  const TraceFlags& Trace() const { return traceFlags_; }
  const EEImage& Image() const { return eeImage_; }
  const MonitorValues& Monitor() const { return monitorValues_; }
  const calib::CalibBlock& Calibration() const { return calibBlock_; }
  // Where input errors are shown; modal message boxes unless replaced.
  void SetMessageBoxes(std::unique_ptr<MessageBoxes> messages) { messages_ = std::move(messages); }
  // The monitor's history and recording, which the plot window shows.
  const MonitorTrend& Trend() const { return *trend_; }
  // Where files are chosen; the modal dialogs unless replaced.
  void SetFileChoice(std::unique_ptr<FileChoice> files) { files_ = std::move(files); }

  // The start's last steps, which wait for the first frame: the serial-port scan, the port list
  // and the port chosen at start. They run by themselves then, or before the first input;
  // a caller that needs the port list before either (a test, say) runs them here.
  void FinishStart();

  // Selects the model at that position of the device list as the user's choice does, so that
  // the views follow; for the start, before the window takes input.
  void ChooseDevice(int model);

  // Hot key with id 10..18, from the application-wide key filter.
  void ApplicationEvents1Message(int hotKeyId);
  void ExitButtonClick();

  // The port list, the speed list, the port and device buttons and the connection timers.
  void SetComNChange();
  void TSpeedDChange(int index);
  void ConnectClick();
  void OpenDevClick();
  void TimeConnectTimer();
  void Timer1Timer();

  // Reading and writing the device.
  void ReadFromComClick();
  void WriteToComClick();
  void WriteUserClick();
  void WriteFabricClick();

  // Device, sensor and output range.
  void TypeDeviceChange();
  // Selects the model at that position and runs the list's handler in full, from within a
  // handler that already holds the gate (ChooseDevice, from outside one, would be dropped).
  void SwitchModel(int model);
  void TypeSensor_0Change();
  void TypeSensor_1Change();
  void TypeSensor_2Change();
  void SetOutCurrentClick();

  // The twelve numeric fields: entering loads the field, leaving and Enter commit its text.
  void RangeMinEnter(QLineEdit* field);
  void RangeMinExit(QLineEdit* field);
  void RangeMinKeyDown(QLineEdit* field, int key);

  // The service view: the file group, the service panel and its timers, and the calibration
  // menus.
  void OpenClick();
  void SaveAsClick();
  void RequestClick();
  void TestPortClick();
  void MonitorClick();
  void ReadPolClick();
  void ReadEClick();
  void SpeedButton2Click();
  void SpeedButton1Click();
  void ECalibrClick();
  void SSClick();
  void FFClick();
  void CCClick();
  void TimerTestTimer();
  void TimerMonitorTimer();
  void Timer_MgrTimer();
  void ReadCalibrFromEepromClick();
  void WriteCalibrToEepromClick();
  void ZeroCalibrToDeviceClick();
  void ZeroFullCalibrToDeviceClick();
  void ReadCalibrFromFileClick();
  void WriteCalibrToFileClick();
  void ReadCalibrClick();
  void txt1Click();
  // Writes the newest backup back whose written words the device still holds.
  void UndoWriteClick();

  // Profiles: the window's configuration kept in a file and applied again.
  void OpenProfileClick();
  void SaveProfileClick();

  // The calibration bench: the output check of the connected unit, and the checks kept.
  void CheckOutputClick();
  void CheckLogClick();
  // Asks for a PDF file and draws the record's report into it; returns the status it showed,
  // nothing when no file was chosen.
  std::string_view SaveCheckReport(const check::CheckRecord& record);

  // The memo to a file, from the File menu and the file group.
  void SaveMemoClick();
  // The plot window ("Plot" in the service panel) and its recording and saves.
  void PlotClick();
  void TrendRecordClick();
  void TrendSavePngClick();
  void TrendSaveHistoryClick();
  // Loads the device code, sensor code and range ends from the file named by CfgFileName.
  void ReadNameF();

  // Shows the sensor list, settings and tab of the model selected in TypeDevice, then selects
  // the configuration's sensor again.
  void ApplyDeviceView();
  // Offers the wiring, linear-from-EMF and cold-junction controls that fit the sensor, and
  // names the range column after the sensor's quantity.
  void ApplySensorView(int sensorCode);
  // Rewrites the range, current and correction fields from the configuration.
  void RefreshValueFields();

 protected:
  // Closing is never refused; the hot keys stop with the window.
  void closeEvent(QCloseEvent* event) override;
  // Settles the layouts before the window is shown: the device view may have shown another
  // sensor list while the window was hidden, and Qt does not follow that until it is shown.
  void setVisible(bool visible) override;

 private:
  void FormCreate();
  // Returns the sensor list whose selection the start applies.
  QComboBox* ApplyProductMode(QComboBox* sensorList);
  void ConnectHandlers();
  void ConnectServiceHandlers();
  // Builds the service view's controls the first time they are shown, and binds them.
  void EnsureServiceView();
  void ConnectServiceControls();
  void ConnectTrendControls(TrendWindow& window);
  void WatchNumericFields();
  void SetServiceViewShown(bool shown);
  void SetSubmenuVisible(QMenu* submenu, bool visible);

  // Scans the system's serial devices and fills the port list from the port table, each entry
  // with its device path as tooltip, keeping the entry the user had selected or typed.
  void ListPorts();
  void ShowPorts(const std::vector<PortEntry>& ports);
  // The port list's first filling, with the ports given on the command line after the system's
  // and the first of them chosen.
  void ListPortsAtStart();
  int SelectedModel() const;
  // The SetOutCurrent position; it scales the nominal currents of Velmor-7.
  int OutputRange() const;
  // Puts SetOutCurrent on the entry of the record's output current range.
  void ShowOutputRangeOfRecord();
  void SelectSensorOfList(const QComboBox& list);
  // The sensor list of a model's view.
  QComboBox* SensorListOf(int model) const;
  // Runs a writing sequence behind its backup (and, given the window's settings, the compare
  // before writing and the changed words only); when the sequence ended well and "Проверять
  // после записи" is on, reads back what it wrote. `write` says whether it ended well.
  void WriteBehindBackup(const std::function<bool(config::WriteGuard&)>& write,
                         const config::WriteSettings* compareWith = nullptr);
  // How the writes keep their backups and what they send, for the device connected now.
  keep::BackupSettings BackupSettingsNow() const;
  // The compare dialog before "Запись"; true to write.
  bool ConfirmWrite(const Differences& differences);
  // The record and the controls a configuration write takes, as they are now.
  config::WriteSettings CurrentWriteSettings() const;
  // A profile's sensor, linear flag, output range and switches, each through its control's own
  // handler; the range is the caller's.
  void ApplyProfileControls(const keep::Profile& profile);
  // "Прибор не подключен" and false when no device is connected.
  bool RequireConnectedDevice();
  // Sets up the dialog for one kind of file (filter in the "Text|*.ext" form, default suffix)
  // and asks the user; the path in the system's encoding, nothing when cancelled.
  std::optional<std::string> ChooseFile(const FileDialogOnDemand& dialog, const QString& filter,
                                        const QString& suffix);
  // Asks through the file-choice seam, in the folder the dialog was last in.
  std::optional<QString> AskForFile(QFileDialog& dialog);
  // The chosen name as the file system's bytes; nothing, with a box saying why, for a name the
  // dialog could not show exactly.
  std::optional<std::string> FileSystemPath(const QString& chosen);
  bool CalibrVisible() const;
  // The model selected and the port open, as the plot's pictures name where the values came
  // from.
  QString PolledDevice() const;
  // A service timer and its button: running stops it and releases the button, stopped starts
  // it and presses the button down.
  void ToggleTimer(QTimer* timer, QToolButton* button);
  // Stops the service timers and releases their buttons, and ends a recording with the lines
  // it has; the plot keeps what came.
  void EndPoll();

  // Connects a control's signal to a handler, which runs as the handler gate lets it.
  template <class Sender, class Signal, class Handler>
  void Bind(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler](auto&&... arguments) {
      gate_.Run([&] { CallHandler(handler, arguments...); });
    });
  }
  // Bind for a command the user starts that talks to the device: the busy cursor shows while
  // it runs, since the window cannot react until the device answers or the time-outs pass.
  template <class Sender, class Signal, class Handler>
  void BindCommand(Sender* sender, Signal signal, Handler handler) {
    Bind(sender, signal, [handler] {
      const BusyCursor busy;
      handler();
    });
  }
  // The handler with the signal's arguments when it takes them. A function of its own rather
  // than a branch in Bind's lambdas: clang 14 instantiates both branches there.
  template <class Handler, class... Arguments>
  static void CallHandler(const Handler& handler, Arguments&&... arguments) {
    if constexpr (std::is_invocable_v<const Handler&, Arguments...>) {
      handler(arguments...);
    } else {
      handler();
    }
  }

  // What the focus of a numeric field means: the user moved into it, the focus came back to
  // it from a box, a menu or another window, or the focus left it.
  void NumericFieldEntered(QLineEdit* field);
  void NumericFieldReturned(QLineEdit* field);
  void NumericFieldLeft(QLineEdit* field);

  ZeltoForm form_;
  ProductMode mode_;
  QString productName_;
  QString CfgFileName;  // the configuration text file last chosen; empty until then
  ServiceViewState serviceView_;
  HotKeyFilter* hotKeys_;
  std::unique_ptr<MessageBoxes> messages_;
  BusyWhileWaiting waiting_;
  HandlerGate gate_;
  std::unique_ptr<FileChoice> files_;
  std::unique_ptr<WindowReporter> reporter_;
  std::unique_ptr<WindowConnectionView> connectionView_;
  std::unique_ptr<WindowSettings> settings_;
  std::unique_ptr<zelto::Link> link_;
  std::vector<ExtraPort> extraPorts_;  // listed once the system's ports are
  int preferredPort_ = 0;              // the number of the first extra port, 0 when none
  bool portTextChecked_ = false;       // the port list's text was checked since its last edit
  bool placed_ = false;                // centred on the screen at its first showing

  config::ConfigRecord config_;
  TraceFlags traceFlags_;
  EEImage eeImage_{};
  MonitorValues monitorValues_{};
  calib::CalibBlock calibBlock_{};
  MemoTrace trace_;
  std::unique_ptr<WindowConfigView> configView_;
  std::unique_ptr<MonitorTrend> trend_;
  NumericFieldEditing editing_;
  std::unique_ptr<StartFinisher> startFinisher_;
  // Last, so that it goes first: a field losing the focus while the window is torn down must
  // not reach a handler.
  std::unique_ptr<NumericFieldEvents> fieldEvents_;
};

}  // namespace zelto::app
