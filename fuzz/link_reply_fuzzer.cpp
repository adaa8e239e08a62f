// Replies on the line, read by the link's own request primitives, the identification, the
// keep-alive, the service requests and the monitor poll: a session of operations, each chosen
// by one byte of the input, the replies taken from the bytes after it.
#include "fuzz_check.h"
#include "fuzzed_line.h"
#include "link/monitor.h"
#include "link/service_requests.h"

#include <cstdint>

namespace zelto::fuzz {
namespace {

constexpr int kMaxOperations = 64;
constexpr std::int32_t kUntouched = 0x5A5A5A5A;

// A match needs a reply header and the type code of the model asked for.
void CheckIdentify(const Link& link, IdentifyOutcome outcome, int model) {
  const Frame& reply = link.ReplyBuffer();
  if (outcome == IdentifyOutcome::kMatched) {
    ZELTO_FUZZ_CHECK(reply[0] == kFrameHeader && reply[1] == kReplyTag);
    ZELTO_FUZZ_CHECK(reply[kDevTypeOffset] == model + 1);
  }
  if (outcome == IdentifyOutcome::kWrongModel)
    ZELTO_FUZZ_CHECK(reply[kDevTypeOffset] != model + 1);
  ZELTO_FUZZ_CHECK(outcome != IdentifyOutcome::kPortClosed);
}

// Slots outside the polled set keep their values; the polled ones hold a reply or -1.
void PollAndCheck(Link& link, MonitorSet set, Reporter& reporter) {
  MonitorValues values;
  values.fill(kUntouched);
  TraceFlags shown;
  shown.Set(fCnftoMemo, true);
  const ServiceOutcome outcome = PollMonitor(link, values, set, shown, reporter);
  const int polledBelow = set == MonitorSet::kShort ? 8 : 9;
  for (int slot = 0; slot < kMonitorSlots; ++slot) {
    const bool polled = slot < polledBelow || (set == MonitorSet::kFull && slot >= 12);
    if (!polled)
      ZELTO_FUZZ_CHECK(values[static_cast<std::size_t>(slot)] == kUntouched);
  }
  // A silence leaves the rest of the set at -1, down to its last slot.
  const int lastPolled = set == MonitorSet::kShort ? 7 : 13;
  if (outcome == ServiceOutcome::kNoAnswer)
    ZELTO_FUZZ_CHECK(values[static_cast<std::size_t>(lastPolled)] == -1);
  ZELTO_FUZZ_CHECK(MonitorLines(values).size() == 7);
}

void RunOperation(FuzzedLink& bench, std::uint8_t choice) {
  Link& link = bench.link;
  const int model = (choice >> 4) % 4;  // 3 is no model: nothing can match it
  switch (choice % 9) {
    case 0:
      CheckIdentify(link, link.Identify(model), model);
      break;
    case 1: {
      const IdentifyOutcome outcome = link.ConnectDevice(model);
      CheckIdentify(link, outcome, model);
      if (outcome == IdentifyOutcome::kMatched)
        ZELTO_FUZZ_CHECK(link.IsDeviceConnected());
      break;
    }
    case 2:
      // A failed keep-alive always ends the connection.
      if (!link.CheckDevice(model))
        ZELTO_FUZZ_CHECK(!link.IsDeviceConnected());
      break;
    case 3:
      PollAndCheck(link, MonitorSet::kFull, bench.reporter);
      break;
    case 4:
      PollAndCheck(link, MonitorSet::kShort, bench.reporter);
      break;
    case 5:
      ServiceRequest(link);
      TestRequest(link);
      break;
    case 6: {
      link.SendRequest(static_cast<std::uint16_t>(choice * 4), Payload{}, CmdReadWord);
      const std::int32_t value = link.ReadReplyValue();
      ZELTO_FUZZ_CHECK(value == -1 || value == ReplyValue(link.ReplyBuffer()));
      break;
    }
    case 7:
      link.SetProgressSteps(choice % 5);
      link.Request(static_cast<std::uint16_t>(choice), PayloadFromWord(choice), CmdWriteWord);
      break;
    case 8:
      link.DoAction(ActWriteDone);
      break;
  }
}

}  // namespace
}  // namespace zelto::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto::fuzz;
  ByteStream line({data, size});
  FuzzedLink bench(line);
  for (int i = 0; i < kMaxOperations && !line.Empty(); ++i)
    RunOperation(bench, line.TakeByte());
  bench.link.ReleasePort();
  return 0;
}
