#pragma once

#include "app/product_mode.h"
#include "app/service_view.h"
#include "app/zelto_form.h"
#include "link/link_timeouts.h"
#include "link/port_table.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zelto {
class Link;
}

namespace zelto::app {

class HotKeyFilter;
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
};

// The configurator's one window. Handlers are named after control and event and each calls one
// operation; the window only maps what the core reports onto its controls.
class TZelto final : public QMainWindow {
 public:
  // The product key picks the product mode (the build's key unless a test asks for another).
  explicit TZelto(const QString& productKey = BuildProductKey(), LinkSetup linkSetup = {},
                  QWidget* parent = nullptr);
  ~TZelto() override;

  ProductMode Mode() const { return mode_; }
  const ServiceViewState& ServiceView() const { return serviceView_; }

  // Hot key with id 10..18, from the application-wide key filter.
  void ApplicationEvents1Message(int hotKeyId);
  void ExitButtonClick();

  // The port list, the speed list, the port and device buttons and the keep-alive timer.
  void SetComNChange();
  void TSpeedDChange(int index);
  void ConnectClick();
  void OpenDevClick();
  void TimeConnectTimer();

  const zelto::Link& Link() const { return *link_; }

  // Shows the sensor list, settings and tab of the model selected in TypeDevice.
  void ApplyDeviceView();
  // Offers the wiring, linear-from-EMF and cold-junction controls that fit the sensor, and
  // names the range column after the sensor's quantity.
  void ApplySensorView(int sensorCode);

 protected:
  // Closing is never refused; the hot keys stop with the window.
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void ApplyProductMode();
  void ConnectHandlers();
  void SetServiceViewShown(bool shown);
  void SetSubmenuVisible(QMenu* submenu, bool visible);
  // Fills the port list from the port table, each entry with its device path as tooltip.
  void ListPorts();
  int SelectedModel() const;

  ZeltoForm form_;
  ProductMode mode_;
  QString productName_;
  QString CfgFileName;  // the configuration text file last chosen; empty until then
  ServiceViewState serviceView_;
  HotKeyFilter* hotKeys_;
  std::unique_ptr<WindowReporter> reporter_;
  std::unique_ptr<WindowConnectionView> connectionView_;
  std::unique_ptr<zelto::Link> link_;
  int preferredPort_ = 0;  // the number of the first extra port, 0 when none
};

}  // namespace zelto::app
