#pragma once

#include "link/connection_view.h"

#include <functional>

namespace zelto::app {

struct ZeltoForm;

// Puts the port and device controls into the state each step of the connection leaves them
// in: button captions and positions, what is enabled, the keep-alive timer. A port released or
// gone and a device disconnected end the service poll, which has nothing left to ask.
class WindowConnectionView final : public ConnectionView {
 public:
  WindowConnectionView(const ZeltoForm& form, std::function<void()> endPoll)
      : form_(form), endPoll_(std::move(endPoll)) {}

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
  std::function<void()> endPoll_;
};

}  // namespace zelto::app
