#pragma once

#include "config/config_record.h"
#include "config/config_view.h"
#include "config/field_assignment.h"
#include "config/sensor_selection.h"
#include "link_test_support.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace zelto::testing {

// Keeps the memo as the window would show it, and the statuses and progress in order.
class MemoReporter final : public Reporter {
 public:
  void ShowStatus(std::string_view text) override {
    statuses.emplace_back(text);
    if (onStatus)
      onStatus(text);
  }
  void ClearMemo() override { memo.clear(); }
  void AddMemoLine(std::string_view line) override { memo.emplace_back(line); }
  void AppendToLastMemoLine(std::string_view text) override {
    if (memo.empty())
      memo.emplace_back();
    memo.back() += text;
  }
  void SetProgress(int percent) override { progress.push_back(percent); }

  void Forget() {
    statuses.clear();
    memo.clear();
    progress.clear();
  }

  std::vector<std::string> statuses;
  std::vector<std::string> memo;
  std::vector<int> progress;
  std::function<void(std::string_view)> onStatus;
};

// A simulated transmitter of the model with its port open, and one reporter for the link and
// the operations, as the window has, so that statuses and progress come in their true order.
struct DeviceBench {
  explicit DeviceBench(int model, LinkTimeouts timeouts = kTestTimeouts)
      : sim(model), link(reporter, view, timeouts, std::make_unique<CountingPort>(counts)) {
    link.SelectPort(link.Ports().Add(sim.Path(), "simulator"));
    reporter.Forget();
    sim.ClearRequests();
  }

  bool IsWriting() const { return (link.State().LinkFlags & fWriting) != 0; }

  sim::Simulator sim;
  std::shared_ptr<CountingPort::Counts> counts = std::make_shared<CountingPort::Counts>();
  MemoReporter reporter;
  RecordingView view;
  Link link;
};

// A record as the window leaves it after choosing the model, the sensor and, on Velmor-7, the
// output range (SetOutCurrent's position).
inline config::ConfigRecord Configured(int model, int sensor, int outputRange = 2) {
  config::ConfigRecord record;
  config::SilentConfigView view;
  config::SetDeviceOrSensor(record, config::Selection::kDevice, model, outputRange, view);
  config::SetDeviceOrSensor(record, config::Selection::kSensor, sensor, outputRange, view);
  return record;
}

// The range as the user types it into RangeMin and RangeMax.
inline void SetRange(config::ConfigRecord& record, int low, int high, int outputRange = 2) {
  config::SilentConfigView view;
  config::AssignField(record, config::kQuantityRangeMin, static_cast<float>(low), outputRange,
                      view);
  config::AssignField(record, config::kQuantityRangeMax, static_cast<float>(high), outputRange,
                      view);
}

// A request as a short text: "W 8: 0b 01 00 01" for a word write, "R 104" for a word read,
// "M 1281" for a working-memory read, "A 21" for an action.
inline std::string Describe(const sim::Frame& frame) {
  const int address = sim::AddressOf(frame);
  char text[64];
  switch (frame[sim::kCommandOffset]) {
    case sim::kWriteWord:
      std::snprintf(text, sizeof text, "W %d: %02x %02x %02x %02x", address, frame[4], frame[5],
                    frame[6], frame[7]);
      break;
    case sim::kReadWord:
      std::snprintf(text, sizeof text, "R %d", address);
      break;
    case sim::kReadRam:
      std::snprintf(text, sizeof text, "M %d", address);
      break;
    default:
      std::snprintf(text, sizeof text, "A %02x", frame[4]);
      break;
  }
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
