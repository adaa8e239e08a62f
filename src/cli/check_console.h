#pragma once

#include "check/check_bench.h"
#include "cli/line_input.h"
#include "cli/output.h"
#include "instruments/manual_instruments.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace zelto::cli {

// The person at the bench as the tool asks them, on standard error, reading standard input:
// "Подайте 50 °C (60,70 Ом)", then the current typed in mA, or with a meter that reads itself an
// Enter once the signal is applied. A stop (SIGINT) is seen while it waits.
class ConsoleOperator final : public check::CheckOperator {
 public:
  // `meterIsManual`: the current is typed after the prompt (or taken from `readings`), so the
  // prompt waits for nothing itself.
  ConsoleOperator(Output& output, LineInput& input, std::function<bool()> stopped,
                  bool meterIsManual)
      : output_(output),
        input_(input),
        stopped_(std::move(stopped)),
        meterIsManual_(meterIsManual) {}

  bool ApplySignal(const check::CheckPoint& point, bool coldJunction) override;
  void ShowReading(double) override {}

 private:
  Output& output_;
  LineInput& input_;
  std::function<bool()> stopped_;
  bool meterIsManual_;
};

// What a manual meter reads: the given currents in order, or without them each current typed on
// standard input after "Ток, мА:" (a text that is no number is asked again). Nothing once the
// readings or the input end, or a stop comes.
instruments::ManualEntry ConsoleEntry(Output& output, LineInput& input,
                                      std::function<bool()> stopped,
                                      std::optional<std::vector<double>> readings);

}  // namespace zelto::cli
