#pragma once

#include "link/link.h"
#include "link/qt_serial_port.h"
#include "sim/simulator.h"

#include <algorithm>
#include <cstdio>
#include <functional>
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
  void SetWaitHook(WaitHook hook) override { port_.SetWaitHook(std::move(hook)); }

 private:
  QtSerialPort port_;
  std::shared_ptr<Counts> counts_;
};

// Keeps everything reported, the memo as the window would show it.
class MemoReporter final : public Reporter {
 public:
  void ShowStatus(std::string_view text) override {
    statuses.emplace_back(text);
    if (onStatus)
      onStatus(text);
  }
  void ClearMemo() override {
    memo.clear();
    ++clears;
  }
  void AddMemoLine(std::string_view line) override { memo.emplace_back(line); }
  void AppendToLastMemoLine(std::string_view text) override {
    if (memo.empty())
      memo.emplace_back();
    memo.back() += text;
  }
  void SetProgress(int percent) override { progress.push_back(percent); }

  std::string LastStatus() const { return statuses.empty() ? std::string() : statuses.back(); }
  void Forget() {
    statuses.clear();
    memo.clear();
    progress.clear();
  }

  std::vector<std::string> statuses;
  std::vector<std::string> memo;
  std::vector<int> progress;
  int clears = 0;
  std::function<void(std::string_view)> onStatus;
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

// A link whose port table holds a simulated transmitter, with reads counted; one reporter for
// the link and the operations, as the window has, so that statuses and progress keep their order.
struct SimulatedLink {
  explicit SimulatedLink(int model = 2, LinkTimeouts timeouts = kTestTimeouts)
      : sim(model), link(reporter, view, timeouts, std::make_unique<CountingPort>(counts)) {
    simPort = link.Ports().Add(sim.Path(), "simulator");
  }

  // Opens the simulator's port and forgets what that took.
  void OpenSim() {
    link.SelectPort(simPort);
    Forget();
  }
  void Forget() {
    reporter.Forget();
    view.events.clear();
    sim.ClearRequests();
    *counts = {};
  }
  bool IsWriting() const { return (link.State().LinkFlags & fWriting) != 0; }

  sim::Simulator sim;
  std::shared_ptr<CountingPort::Counts> counts = std::make_shared<CountingPort::Counts>();
  MemoReporter reporter;
  RecordingView view;
  Link link;
  int simPort = 0;
};

// The same with the simulator's port open.
struct DeviceBench : SimulatedLink {
  explicit DeviceBench(int model, LinkTimeouts timeouts = kTestTimeouts)
      : SimulatedLink(model, timeouts) {
    OpenSim();
  }
};

// Where the simulator's monitor addresses swing: the slot polled, its lowest and its highest.
struct MonitorBand {
  int slot;
  std::int32_t low;
  std::int32_t high;
};
inline constexpr MonitorBand kMonitorBands[] = {
    {0, 1, 1},         {1, 12100, 12900}, {2, 3140, 3260},  {3, 15884, 16884},
    {4, 20300, 21700}, {5, 245, 255},     {6, 3880, 4120},  {7, 11700, 12300},
    {8, 680, 720},     {12, 885, 915},    {13, 1075, 1125},
};

// The slots of a full monitor poll whose values lie outside their own address's band, as one
// read for another address does.
template <class Values>
std::vector<int> SlotsOutOfBand(const Values& values) {
  std::vector<int> outside;
  for (const MonitorBand& band : kMonitorBands) {
    const auto value = values[static_cast<std::size_t>(band.slot)];
    if (value < band.low || value > band.high)
      outside.push_back(band.slot);
  }
  return outside;
}

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  return {values.begin(), values.end()};
}

template <class Container>
std::vector<std::uint8_t> Bytes(const Container& container) {
  return {container.begin(), container.end()};
}

// A request as a short text: "W 8: 0b 01 00 01" for a word write, "R 104" for a word read,
// "M 1281" for a working-memory read, "A 21" for an action.
inline std::string Describe(const sim::Frame& frame) {
  const int address = sim::AddressOf(frame);
  const auto command = frame[sim::kCommandOffset];
  char text[64];
  if (command == sim::kWriteWord)
    std::snprintf(text, sizeof text, "W %d: %02x %02x %02x %02x", address, frame[4], frame[5],
                  frame[6], frame[7]);
  else if (command == sim::kReadWord || command == sim::kReadRam)
    std::snprintf(text, sizeof text, "%s %d", command == sim::kReadWord ? "R" : "M", address);
  else
    std::snprintf(text, sizeof text, "A %02x", frame[4]);
  return text;
}

inline std::vector<std::string> Sent(const sim::Simulator& sim) {
  std::vector<std::string> sent;
  for (const sim::Frame& frame : sim.Requests())
    sent.push_back(Describe(frame));
  return sent;
}

// The little-endian word at an address of a memory image.
inline std::uint32_t WordAt(const sim::MemoryImage& memory, int address) {
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i)
    word |= static_cast<std::uint32_t>(memory[address + i]) << (8 * i);
  return word;
}

inline void PutWord(sim::MemoryImage& memory, int address, std::uint32_t word) {
  for (int i = 0; i < 4; ++i)
    memory[address + i] = static_cast<std::uint8_t>(word >> (8 * i));
}

}  // namespace zelto::testing
