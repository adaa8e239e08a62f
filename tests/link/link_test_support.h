#pragma once

#include "link/link.h"
#include "link/qt_serial_port.h"
#include "sim/simulator.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace zelto::testing {

// Short enough that a silent device costs little, long enough that a loaded machine does not
// split a reply that arrives in one piece. The simulator's pause inside a reply is well above
// the gap.
inline constexpr LinkTimeouts kTestTimeouts{20, 10, 300};
inline constexpr std::chrono::milliseconds kReplyPause{150};

// The real port, with every read counted and the time-outs it was given kept.
class CountingPort final : public SerialPort {
 public:
  // Every write and read in order, with the bytes it moved.
  struct Transfer {
    bool written = false;
    std::vector<std::uint8_t> bytes;
  };
  struct Counts {
    int reads = 0;
    std::vector<LinkTimeouts> readTimeouts;
    std::vector<int> readResults;
    std::vector<Transfer> transfers;
  };

  explicit CountingPort(std::shared_ptr<Counts> counts) : counts_(std::move(counts)) {}

  OpenFailure Open(const std::string& path, LineSettings settings) override {
    return port_.Open(path, settings);
  }
  void Close() override { port_.Close(); }
  bool IsOpen() const override { return port_.IsOpen(); }
  int Write(std::span<const std::uint8_t> bytes) override {
    const int count = port_.Write(bytes);
    counts_->transfers.push_back({true, {bytes.begin(), bytes.begin() + std::max(count, 0)}});
    return count;
  }
  int Read(std::span<std::uint8_t> buffer, const LinkTimeouts& timeouts) override {
    ++counts_->reads;
    counts_->readTimeouts.push_back(timeouts);
    const int count = port_.Read(buffer, timeouts);
    counts_->readResults.push_back(count);
    counts_->transfers.push_back({false, {buffer.begin(), buffer.begin() + std::max(count, 0)}});
    return count;
  }
  void Purge() override { port_.Purge(); }
  void DiscardInput() override { port_.DiscardInput(); }
  bool SetDtr(bool high) override { return port_.SetDtr(high); }
  bool SetRts(bool high) override { return port_.SetRts(high); }
  bool DeviceGone() const override { return port_.DeviceGone(); }

 private:
  QtSerialPort port_;
  std::shared_ptr<Counts> counts_;
};

class RecordingReporter final : public Reporter {
 public:
  void ShowStatus(std::string_view text) override { statuses.emplace_back(text); }
  void ClearMemo() override {}
  void AddMemoLine(std::string_view) override {}
  void AppendToLastMemoLine(std::string_view) override {}
  void SetProgress(int percent) override { progress.push_back(percent); }

  std::string LastStatus() const { return statuses.empty() ? std::string() : statuses.back(); }

  std::vector<std::string> statuses;
  std::vector<int> progress;
};

// Keeps the events as words, in order.
class RecordingView final : public ConnectionView {
 public:
  void PortOpened(int number) override { events.push_back("opened " + std::to_string(number)); }
  void PortOpenFailed(int number, OpenFailure) override {
    events.push_back("failed " + std::to_string(number));
  }
  void PortReleased() override { events.push_back("released"); }
  void IdentifyStarted() override { events.push_back("identifying"); }
  void DeviceConnected() override { events.push_back("connected"); }
  void DeviceConnectFailed() override { events.push_back("connect failed"); }
  void DeviceStillConnected() override { events.push_back("still connected"); }
  void DeviceDisconnected() override { events.push_back("disconnected"); }

  std::vector<std::string> events;
};

// A link whose port table holds a simulated transmitter, with reads counted.
struct SimulatedLink {
  explicit SimulatedLink(int model = 2)
      : sim(model), link(reporter, view, kTestTimeouts, std::make_unique<CountingPort>(counts)) {
    simPort = link.Ports().Add(sim.Path(), "simulator");
  }

  // Opens the simulator's port and forgets what that took.
  void OpenSim() {
    link.SelectPort(simPort);
    Forget();
  }
  void Forget() {
    reporter.statuses.clear();
    view.events.clear();
    sim.ClearRequests();
    *counts = {};
  }

  sim::Simulator sim;
  std::shared_ptr<CountingPort::Counts> counts = std::make_shared<CountingPort::Counts>();
  RecordingReporter reporter;
  RecordingView view;
  Link link;
  int simPort = 0;
};

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> bytes;
  for (const int value : values)
    bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

template <class Container>
std::vector<std::uint8_t> Bytes(const Container& container) {
  return {container.begin(), container.end()};
}

}  // namespace zelto::testing
