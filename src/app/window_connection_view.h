#pragma once

#include "link/connection_view.h"

namespace zelto::app {

struct ZeltoForm;

// Puts the port and device controls into the state each step of the connection leaves them
// in: button captions and positions, what is enabled, the keep-alive timer.
class WindowConnectionView final : public ConnectionView {
 public:
  explicit WindowConnectionView(const ZeltoForm& form) : form_(form) {}

  void PortOpened(int number) override;
  void PortOpenFailed(int number, OpenFailure reason) override;
  void PortReleased() override;
  void IdentifyStarted() override;
  void DeviceConnected() override;
  void DeviceConnectFailed() override;
  void DeviceStillConnected() override;
  void DeviceDisconnected() override;

 private:
  // The controls that work only with a connected device.
  void EnableDeviceCommands(bool enabled);

  const ZeltoForm& form_;
};

}  // namespace zelto::app
