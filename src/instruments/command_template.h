#pragma once

#include "instruments/setting_refusal.h"
#include "instruments/source_values.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zelto::instruments {

// A calibrator's command with the point's values put in: "SOUR:RES {ohm}" becomes
// "SOUR:RES 119.3971". The fields are {c} °C, {ohm} Ω, {mv} mV, {v} V, {ma} mA and {a} A, each
// written with a decimal point whatever the locale.
class CommandTemplate {
 public:
  static std::variant<CommandTemplate, SettingRefusal> Parse(std::string_view text);

  const std::string& Text() const { return text_; }
  // The first field ("{ohm}") the values do not have, if any.
  std::optional<std::string> MissingField(const SourceValues& values) const;
  // The command, with every field the values have put in.
  std::string Fill(const SourceValues& values) const;

 private:
  explicit CommandTemplate(std::string text) : text_(std::move(text)) {}

  std::string text_;
};

// One line of a SCPI exchange: not empty, no line end or other control character in it.
std::optional<SettingRefusal> RefuseCommandLine(std::string_view text);

}  // namespace zelto::instruments
