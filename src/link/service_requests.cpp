#include "link/service_requests.h"

namespace zelto {
namespace {

constexpr std::uint16_t kServiceAddress = 0;

}  // namespace

void TestRequest(Link& link) {
  link.Request(kServiceAddress, Payload{}, CmdReadRam);
  link.FlushTraceRing();
}

bool ServiceRequest(Link& link) {
  link.Request(kServiceAddress, Payload{}, CmdReadRam);
  const bool answered = link.ReadReply();
  link.FlushTraceRing();
  return answered;
}

}  // namespace zelto
