#pragma once

#include "link/serial_port.h"

namespace zelto {

// What a front end shows of the port and the device connection. The link tells it what
// happened; the window turns each event into the states of its port and device controls.
// Status texts go through Reporter, in the order they happen.
class ConnectionView {
 public:
  virtual ~ConnectionView() = default;

  virtual void PortOpened(int number) = 0;
  virtual void PortOpenFailed(int number, OpenFailure reason) = 0;
  virtual void PortReleased() = 0;

  // The identification request is on its way and the answer awaited.
  virtual void IdentifyStarted() = 0;
  virtual void DeviceConnected() = 0;
  virtual void DeviceConnectFailed() = 0;
  // The keep-alive check found the device still there.
  virtual void DeviceStillConnected() = 0;
  virtual void DeviceDisconnected() = 0;
};

// For front ends without port controls (the command-line tool, tests of the core).
class NoConnectionView final : public ConnectionView {
 public:
  void PortOpened(int) override {}
  void PortOpenFailed(int, OpenFailure) override {}
  void PortReleased() override {}
  void IdentifyStarted() override {}
  void DeviceConnected() override {}
  void DeviceConnectFailed() override {}
  void DeviceStillConnected() override {}
  void DeviceDisconnected() override {}
};

}  // namespace zelto
