#include "config/read_summary.h"

#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/summary_lines.h"
#include "link/status_texts.h"

#include <optional>

namespace zelto::config {
namespace {

std::optional<uint32_t> ReadWord(Link& link, uint16_t address) {
  Frame reply{};
  if (!link.Query(address, reply, CmdReadWord))
    return std::nullopt;
  return static_cast<uint32_t>(ReplyValue(reply));
}

void AddLines(Reporter& reporter, const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    reporter.AddMemoLine(line);
}

// Clears the memo and shows the firmware version in the family's line, the date appended to
// it (a trace line may have come between); false at the first word without a reply.
template <class VersionLine>
bool ShowFirmware(Link& link, Reporter& reporter, VersionLine versionLine) {
  reporter.ClearMemo();
  const auto version = ReadWord(link, kFirmwareVersionWord);
  if (!version)
    return false;
  reporter.AddMemoLine(versionLine(*version));
  const auto date = ReadWord(link, kFirmwareDateWord);
  if (!date)
    return false;
  reporter.AppendToLastMemoLine(DateText(*date));
  return true;
}

}  // namespace

bool ReadLoadingSummary(Link& link, Reporter& reporter, int model) {
  if (!ShowFirmware(link, reporter,
                    [model](uint32_t word) { return LoadingVersionLine(model, word); }))
    return false;

  const auto state = ReadWord(link, loading_memory::kStateWord);
  if (!state)
    return false;
  if (!IsConfigured(*state)) {
    reporter.AddMemoLine(kNotConfiguredLine);
    return true;
  }
  reporter.AddMemoLine(SensorName(StateSensorCode(*state)));
  const auto low = ReadWord(link, kDevRngMinWord);
  if (!low)
    return false;
  const auto high = ReadWord(link, kDevRngMaxWord);
  if (!high)
    return false;
  reporter.AddMemoLine(
      LoadingRangeLine(*state, static_cast<int32_t>(*low), static_cast<int32_t>(*high)));
  return true;
}

bool ReadVelmorSummary(Link& link, Reporter& reporter, int model) {
  if (!ShowFirmware(link, reporter,
                    [model](uint32_t word) { return VelmorVersionLine(model, word); }))
    return false;

  const auto switchesA = ReadWord(link, velmor_memory::kSwitchWordA);
  if (!switchesA)
    return false;
  const auto switchesB = ReadWord(link, velmor_memory::kSwitchWordB);
  if (!switchesB)
    return false;
  AddLines(reporter, VelmorSwitchLines(*switchesA, *switchesB));

  const auto low = ReadWord(link, kDevRngMinWord);
  if (!low)
    return false;
  const auto high = ReadWord(link, kDevRngMaxWord);
  if (!high)
    return false;
  const auto state = ReadWord(link, velmor_memory::kStateWord);
  if (!state)
    return false;
  if (!IsConfigured(*state)) {
    reporter.AddMemoLine(kNotConfiguredLine);
    return true;
  }
  AddLines(reporter,
           VelmorRangeLines(*state, static_cast<int32_t>(*low), static_cast<int32_t>(*high)));
  return true;
}

DeviceOutcome ReadSummary(Link& link, Reporter& reporter, const ConfigRecord& record, int model) {
  bool answered = false;
  if (IsTableLoadingDevice(record.Device)) {
    answered = ReadLoadingSummary(link, reporter, model);
  } else if (record.Device == kDeviceVelmor7) {
    answered = ReadVelmorSummary(link, reporter, model);
  } else {
    reporter.ShowStatus(kStatusUnknownDevice);
    return DeviceOutcome::kNoModel;
  }
  if (answered) {
    reporter.ShowStatus(kStatusReadDone);
  } else {
    ShowNoAnswer(link, reporter);
  }
  return answered ? DeviceOutcome::kDone : DeviceOutcome::kNoAnswer;
}

}  // namespace zelto::config
