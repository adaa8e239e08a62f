// Port selection, identification and the device connection with its keep-alive.
#include "link/link.h"
#include "link/port_number.h"
#include "link/status_texts.h"

namespace zelto {
namespace {

constexpr int kHighestTypeCode = 3;

}  // namespace

bool Link::SelectPort(int n) {
  TraceEvent(kTraceSelectBegins, n, state_.PortNo);
  // Numbers above 255 are no port; taken modulo 256 they would open another one.
  if (!IsPortNumber(n)) {
    reporter_.ShowStatus(InvalidPortNumberStatus(n));
    return false;
  }
  if (n == state_.PortNo) {
    ReleasePort();
    TraceEvent(kTraceSelectReleased, n, state_.PortNo);
    return false;
  }
  ReleasePort();
  state_.PortNo = static_cast<std::uint8_t>(n);
  TraceEvent(kTraceSelectOpens, n, n);
  reporter_.ShowStatus(SearchingStatus(n, PathOfPort(n)));
  if (ConnectPort(n))
    return true;
  state_.PortNo = 0;
  return false;
}

IdentifyOutcome Link::Identify(int selectedModel) {
  if (!IsPortOpen())
    return IdentifyOutcome::kPortClosed;
  PurgePort();
  Request(0, Payload{}, CmdReadRam);
  // A port that went away has been released, with its own status and the controls to match.
  if (!IsPortOpen())
    return IdentifyOutcome::kPortClosed;
  view_.IdentifyStarted();
  if (!ReadReply()) {
    if (!IsPortOpen())
      return IdentifyOutcome::kPortClosed;
    reporter_.ShowStatus(kStatusNoAnswer);
    return IdentifyOutcome::kNoAnswer;
  }
  const int devType = replyBuffer_[kDevTypeOffset];
  if (replyBuffer_[0] == kFrameHeader && replyBuffer_[1] == kReplyTag &&
      devType <= kHighestTypeCode) {
    if (devType == selectedModel + 1)
      return IdentifyOutcome::kMatched;
    reporter_.ShowStatus(kStatusWrongModel);
    return IdentifyOutcome::kWrongModel;
  }
  reporter_.ShowStatus(kStatusBadReply);
  return IdentifyOutcome::kBadReply;
}

IdentifyOutcome Link::ConnectDevice(int selectedModel) {
  const IdentifyOutcome outcome = Identify(selectedModel);
  if (outcome != IdentifyOutcome::kMatched) {
    view_.DeviceConnectFailed();
    return outcome;
  }
  state_.LinkFlags |= fDevConnected;
  addressEcho_ = AddressEcho::kUnknown;
  reporter_.ShowStatus(kStatusConnected);
  view_.DeviceConnected();
  return outcome;
}

void Link::DisconnectDevice() {
  state_.LinkFlags &= static_cast<std::uint8_t>(~kDeviceBits);
  addressEcho_ = AddressEcho::kUnknown;
  reporter_.ShowStatus(kStatusDisconnected);
  view_.DeviceDisconnected();
}

bool Link::CheckDevice(int selectedModel) {
  if (Identify(selectedModel) != IdentifyOutcome::kMatched) {
    // A port that went away has taken the device connection with it.
    if (IsDeviceConnected())
      DisconnectDevice();
    return false;
  }
  view_.DeviceStillConnected();
  return true;
}

}  // namespace zelto
