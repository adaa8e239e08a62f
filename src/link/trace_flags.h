#pragma once

#include <cstdint>

namespace zelto {

// The three service trace switches, each behind a button of the service panel. The bit
// positions are those a service engineer knows from the buttons' hints.
enum TraceFlag : std::uint32_t {
  fSendToMemo = 0x001,  // a memo line for every frame sent or received
  fCnftoMemo = 0x002,   // the configuration and monitor dumps, the correction trace
  fComtoBuf = 0x100,    // port-selection events into the trace ring
};

struct TraceFlags {
  std::uint32_t bits = 0;  // all off at start

  bool Has(TraceFlag flag) const { return (bits & flag) != 0; }
  void Set(TraceFlag flag, bool on) { bits = on ? (bits | flag) : (bits & ~std::uint32_t{flag}); }
};

}  // namespace zelto
