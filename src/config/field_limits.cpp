#include "config/field_limits.h"

#include "config/field_assignment.h"
#include "config/field_text.h"
#include "link/translatable.h"

#include <string_view>

namespace zelto::config {
namespace {

constexpr std::string_view kMinusSign = "\u2212";
constexpr int kTemperatureDecimals = 2;  // as SetZero and SetFull show them
constexpr int kCurrentDecimals = 3;      // as SchiftZero and SchiftFull show them
constexpr int kBandDecimals = 2;

// The number as the field shows it, with a true minus sign.
std::string Shown(double value, int decimals) {
  std::string text = FormatFieldNumber(value, decimals);
  if (text.starts_with('-'))
    text.replace(0, 1, kMinusSign);
  return text;
}

// The template with its values put in place of %1, %2, ….
std::string Fill(std::string_view statusTemplate, std::initializer_list<std::string> values) {
  std::string text(statusTemplate);
  int index = 1;
  for (const std::string& value : values) {
    const std::string placeholder = "%" + std::to_string(index++);
    if (const std::size_t at = text.find(placeholder); at != std::string::npos)
      text.replace(at, placeholder.size(), value);
  }
  return text;
}

std::string Span(double low, double high, int decimals) {
  return Fill(QT_TRANSLATE_NOOP("status", "Допустимо: %1…%2"),
              {Shown(low, decimals), Shown(high, decimals)});
}

}  // namespace

std::optional<std::string> RefusalStatus(const ConfigRecord& record, int quantityCode,
                                         float value) {
  if (Accepts(record, quantityCode, value))
    return std::nullopt;
  switch (quantityCode) {
    // Whole numbers: the end must stay on its side of the other.
    case kQuantityRangeMin:
      return Span(record.LimMin, static_cast<double>(record.RngMax) - 1, 0);
    case kQuantityRangeMax:
      return Span(static_cast<double>(record.RngMin) + 1, record.LimMax, 0);
    case kQuantityTmpZero:
      return Fill(
          QT_TRANSLATE_NOOP("status", "Допустимо: %1…%2, T1 < T2"),
          {Shown(record.RngMin, kTemperatureDecimals), Shown(record.RngMax, kTemperatureDecimals)});
    case kQuantityTmpFull:
      return Fill(
          QT_TRANSLATE_NOOP("status", "Допустимо: %1…%2, T2 > T1"),
          {Shown(record.RngMin, kTemperatureDecimals), Shown(record.RngMax, kTemperatureDecimals)});
    case kQuantityZero:
    case kQuantityFull: {
      const float nominal = quantityCode == kQuantityZero ? record.CurZero : record.CurFull;
      return Fill(QT_TRANSLATE_NOOP("status", "Допустимо: |I − %1| < %2 мА"),
                  {Shown(nominal, kCurrentDecimals),
                   Shown(MeasuredCurrentBand(quantityCode), kBandDecimals)});
    }
    default:
      return std::nullopt;
  }
}

}  // namespace zelto::config
