#include "sim/scpi_responder.h"

#include "text/plain_number.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <vector>

namespace zelto::sim {
namespace {

constexpr std::string_view kMeterIdentity = "Zelto,Simulated current meter,SIM-0001,1.0";
constexpr std::string_view kCalibratorIdentity = "Zelto,Simulated calibrator,SIM-0002,1.0";
constexpr std::string_view kNoError = "0,\"No error\"";
constexpr std::string_view kUndefinedHeader = "-113,\"Undefined header\"";
constexpr std::string_view kDataTypeError = "-104,\"Data type error\"";
constexpr std::string_view kSettingsConflict = "-221,\"Settings conflict\"";
constexpr std::string_view kQueueOverflow = "-350,\"Queue overflow\"";
constexpr std::string_view kGarbage = "#?OVLD\x7f";
constexpr double kOverload = 9.9e37;
constexpr double kAmperesPerMilliampere = 0.001;
constexpr std::size_t kErrorQueueSize = 20;

// A keyword in its short and long form, as SCPI writes them: "CURRent".
struct Keyword {
  std::string_view shortForm;
  std::string_view longForm;
};

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

// The header's nodes against the keywords, each node either form of its keyword.
bool Matches(const std::vector<std::string_view>& nodes, std::initializer_list<Keyword> keywords) {
  if (nodes.size() != keywords.size())
    return false;
  auto node = nodes.begin();
  for (const Keyword& keyword : keywords) {
    if (!SameLetters(*node, keyword.shortForm) && !SameLetters(*node, keyword.longForm))
      return false;
    ++node;
  }
  return true;
}

std::vector<std::string_view> Nodes(std::string_view header) {
  if (header.starts_with(':'))
    header.remove_prefix(1);
  std::vector<std::string_view> nodes;
  for (;;) {
    const auto colon = header.find(':');
    nodes.push_back(header.substr(0, colon));
    if (colon == std::string_view::npos)
      return nodes;
    header.remove_prefix(colon + 1);
  }
}

using text::Trimmed;

std::optional<double> Number(std::string_view text) {
  return text::FiniteNumber(Trimmed(text));
}

constexpr Keyword kSource{"SOUR", "SOURCE"};
constexpr Keyword kMeasure{"MEAS", "MEASURE"};
constexpr Keyword kCurrent{"CURR", "CURRENT"};
constexpr Keyword kDc{"DC", "DC"};
constexpr Keyword kRead{"READ", "READ"};
constexpr Keyword kSystem{"SYST", "SYSTEM"};
constexpr Keyword kError{"ERR", "ERROR"};
constexpr Keyword kNext{"NEXT", "NEXT"};

struct SourceCommand {
  Keyword keyword;
  SourceQuantity quantity;
};

constexpr std::array kSourceCommands{
    SourceCommand{{"TEMP", "TEMPERATURE"}, SourceQuantity::kTemperature},
    SourceCommand{{"RES", "RESISTANCE"}, SourceQuantity::kResistance},
    SourceCommand{{"VOLT", "VOLTAGE"}, SourceQuantity::kVoltage},
    SourceCommand{kCurrent, SourceQuantity::kCurrent},
};

}  // namespace

std::string AmperesText(double amperes) {
  std::array<char, 64> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), amperes,
                                          std::chars_format::scientific, 8);
  std::string text(buffer.data(), error == std::errc() ? end : buffer.data());
  std::replace(text.begin(), text.end(), 'e', 'E');
  return text;
}

void ScpiResponder::SetFault(InstrumentFault fault) {
  fault_ = fault;
  drifted_ = 0;
}

void ScpiResponder::Fail(std::string_view error) {
  if (errors_.size() >= kErrorQueueSize) {
    errors_.back() = kQueueOverflow;
    return;
  }
  errors_.emplace_back(error);
}

std::optional<std::string> ScpiResponder::Respond(std::string_view line) {
  if (fault_.kind == InstrumentFault::Kind::kSilent)
    return std::nullopt;
  line = Trimmed(line);
  const auto blank = line.find_first_of(" \t");
  const std::string_view header = line.substr(0, blank);
  const std::string_view parameter =
      blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
  const bool query = header.ends_with('?');
  const auto nodes = Nodes(query ? header.substr(0, header.size() - 1) : header);

  if (query && SameLetters(header, "*IDN?"))
    return std::string(role_ == BenchRole::kCurrentMeter ? kMeterIdentity : kCalibratorIdentity);
  if (!query && (SameLetters(header, "*RST") || SameLetters(header, "*CLS"))) {
    errors_.clear();
    return std::nullopt;
  }
  if (query && (Matches(nodes, {kSystem, kError}) || Matches(nodes, {kSystem, kError, kNext}))) {
    if (errors_.empty())
      return std::string(kNoError);
    std::string error = errors_.front();
    errors_.pop_front();
    return error;
  }
  if (role_ == BenchRole::kCurrentMeter && query &&
      (Matches(nodes, {kMeasure, kCurrent}) || Matches(nodes, {kMeasure, kCurrent, kDc}) ||
       Matches(nodes, {kRead}))) {
    return Measure();
  }
  if (role_ == BenchRole::kCalibrator && !query && nodes.size() == 2 &&
      Matches({nodes[0]}, {kSource})) {
    for (const SourceCommand& command : kSourceCommands) {
      if (Matches({nodes[1]}, {command.keyword})) {
        Source(command.quantity, parameter);
        return std::nullopt;
      }
    }
  }
  Fail(kUndefinedHeader);
  return std::nullopt;
}

std::optional<std::string> ScpiResponder::Measure() {
  switch (fault_.kind) {
    case InstrumentFault::Kind::kGarbage:
      return std::string(kGarbage);
    case InstrumentFault::Kind::kOverload:
      return AmperesText(kOverload);
    case InstrumentFault::Kind::kDrift:
      ++drifted_;
      return AmperesText(loop_.LoopCurrent() + drifted_ * fault_.value * kAmperesPerMilliampere);
    case InstrumentFault::Kind::kNone:
    case InstrumentFault::Kind::kSilent:
    case InstrumentFault::Kind::kLate:
      break;
  }
  return AmperesText(loop_.LoopCurrent());
}

void ScpiResponder::Source(SourceQuantity quantity, std::string_view parameter) {
  const auto value = Number(parameter);
  if (!value) {
    Fail(kDataTypeError);
    return;
  }
  if (!loop_.Source(quantity, *value))
    Fail(kSettingsConflict);
}

}  // namespace zelto::sim
