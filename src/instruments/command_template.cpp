#include "instruments/command_template.h"

#include <array>
#include <charconv>
#include <functional>

namespace zelto::instruments {
namespace {

struct Field {
  std::string_view name;  // with its braces
  int decimals;           // a resolution finer than any calibrator's
  std::function<std::optional<double>(const SourceValues&)> value;
};

constexpr double kMilli = 1000.0;

const std::array<Field, 6>& Fields() {
  static const std::array<Field, 6> fields{{
      {"{c}", 3, [](const SourceValues& v) { return v.celsius; }},
      {"{ohm}", 4, [](const SourceValues& v) { return v.ohms; }},
      {"{mv}", 4, [](const SourceValues& v) { return v.millivolts; }},
      {"{v}", 7,
       [](const SourceValues& v) {
         return v.millivolts ? std::optional(*v.millivolts / kMilli) : std::nullopt;
       }},
      {"{ma}", 4, [](const SourceValues& v) { return v.milliamperes; }},
      {"{a}", 7,
       [](const SourceValues& v) {
         return v.milliamperes ? std::optional(*v.milliamperes / kMilli) : std::nullopt;
       }},
  }};
  return fields;
}

// The field that starts at `at`, if any.
const Field* FieldAt(std::string_view text, std::size_t at) {
  for (const Field& field : Fields()) {
    if (text.substr(at).starts_with(field.name))
      return &field;
  }
  return nullptr;
}

// Fixed decimals with a point, and no minus before a value that shows as zero.
std::string Decimal(double value, int decimals) {
  // The largest double written out in full, with its sign, point and decimals.
  std::array<char, 400> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, decimals);
  std::string text(buffer.data(), error == std::errc() ? end : buffer.data());
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
    text.erase(0, 1);
  return text;
}

}  // namespace

std::optional<SettingRefusal> RefuseCommandLine(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos)
    return SettingRefusal::kEmptyCommand;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      return SettingRefusal::kCommandNotOneLine;
  }
  return std::nullopt;
}

std::variant<CommandTemplate, SettingRefusal> CommandTemplate::Parse(std::string_view text) {
  if (const auto refusal = RefuseCommandLine(text))
    return *refusal;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '}')
      return SettingRefusal::kUnknownField;
    if (text[i] != '{')
      continue;
    const Field* field = FieldAt(text, i);
    if (!field)
      return SettingRefusal::kUnknownField;
    i += field->name.size() - 1;
  }
  return CommandTemplate(std::string(text));
}

std::optional<std::string> CommandTemplate::MissingField(const SourceValues& values) const {
  for (std::size_t at = text_.find('{'); at != std::string::npos; at = text_.find('{', at + 1)) {
    const Field* field = FieldAt(text_, at);
    if (field && !field->value(values))
      return std::string(field->name);
  }
  return std::nullopt;
}

std::string CommandTemplate::Fill(const SourceValues& values) const {
  std::string command;
  for (std::size_t i = 0; i < text_.size(); ++i) {
    const Field* field = text_[i] == '{' ? FieldAt(text_, i) : nullptr;
    if (!field) {
      command += text_[i];
      continue;
    }
    if (const auto value = field->value(values))
      command += Decimal(*value, field->decimals);
    else
      command += field->name;
    i += field->name.size() - 1;
  }
  return command;
}

}  // namespace zelto::instruments
