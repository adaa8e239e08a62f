#pragma once

#include "app/product_mode.h"
#include "app/service_view.h"
#include "app/zelto_form.h"

#include <QMainWindow>

#include <memory>

namespace zelto::app {

class HotKeyFilter;
class WindowReporter;

// The configurator's one window. Handlers are named after control and event and each calls one
// operation; the window only maps what the core reports onto its controls.
class TZelto final : public QMainWindow {
 public:
  // The product key picks the product mode (the build's key unless a test asks for another).
  explicit TZelto(const QString& productKey = BuildProductKey(), QWidget* parent = nullptr);
  ~TZelto() override;

  ProductMode Mode() const { return mode_; }
  const ServiceViewState& ServiceView() const { return serviceView_; }

  // Hot key with id 10..18, from the application-wide key filter.
  void ApplicationEvents1Message(int hotKeyId);
  void ExitButtonClick();

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

  ZeltoForm form_;
  ProductMode mode_;
  QString productName_;
  QString CfgFileName;  // the configuration text file last chosen; empty until then
  ServiceViewState serviceView_;
  HotKeyFilter* hotKeys_;
  std::unique_ptr<WindowReporter> reporter_;
};

}  // namespace zelto::app
