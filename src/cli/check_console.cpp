#include "cli/check_console.h"

#include "check/check_texts.h"
#include "check/typed_number.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <memory>

namespace zelto::cli {
namespace {

constexpr std::string_view kEnterText =
    QT_TRANSLATE_NOOP("status", "Нажмите Enter, когда сигнал подан");
constexpr std::string_view kCurrentText = QT_TRANSLATE_NOOP("status", "Ток, мА:");
constexpr std::string_view kNotANumberText = QT_TRANSLATE_NOOP("status", "Неверный формат числа");

}  // namespace

bool ConsoleOperator::ApplySignal(const check::CheckPoint& point, bool coldJunction) {
  output_.Note(check::SignalPrompt(point, coldJunction).toStdString());
  if (meterIsManual_)
    return !stopped_();
  output_.Note(TranslateStatus(kEnterText).toStdString());
  return input_.ReadLine(stopped_).has_value() && !stopped_();
}

instruments::ManualEntry ConsoleEntry(Output& output, LineInput& input,
                                      std::function<bool()> stopped,
                                      std::optional<std::vector<double>> readings) {
  if (readings) {
    auto left = std::make_shared<std::deque<double>>(readings->begin(), readings->end());
    return [left, stopped]() -> std::optional<double> {
      if (left->empty() || stopped())
        return std::nullopt;
      const double current = left->front();
      left->pop_front();
      return current;
    };
  }
  return [&output, &input, stopped]() -> std::optional<double> {
    for (;;) {
      output.Note(TranslateStatus(kCurrentText).toStdString());
      const auto line = input.ReadLine(stopped);
      if (!line || stopped())
        return std::nullopt;
      if (const auto current = check::ParseTypedNumber(*line))
        return current;
      output.Note(TranslateStatus(kNotANumberText).toStdString());
    }
  };
}

}  // namespace zelto::cli
