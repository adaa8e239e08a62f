#pragma once

#include "cli/cli_options.h"
#include "cli/trace_console.h"
#include "config/config_dump.h"
#include "config/config_view.h"
#include "link/trace_flags.h"

namespace zelto::cli {

// --trace switches on all three of the window's trace switches.
inline TraceFlags TraceFlagsFor(const GlobalOptions& options) {
  TraceFlags flags;
  if (options.trace)
    flags.bits = fSendToMemo | fCnftoMemo | fComtoBuf;
  return flags;
}

// What the tool shows of the configuration while the core builds it: the tool has no fields to
// refresh, only the configuration dump, on standard error under --trace.
class TraceConfigView final : public config::ConfigView {
 public:
  TraceConfigView(const GlobalOptions& options, Output& output)
      : flags_(TraceFlagsFor(options)), console_(output) {}

  const TraceFlags& Flags() const { return flags_; }

  void ApplySensorView(int) override {}
  void RefreshValueFields() override {}
  void ShowNominalCurrents(std::string_view, std::string_view) override {}
  void ShowCalculatorValue(int, float) override {}
  void DumpConfig(const config::ConfigRecord& record) override {
    config::DumpConfig(record, flags_, console_);
  }

 private:
  TraceFlags flags_;
  TraceConsole console_;
};

}  // namespace zelto::cli
