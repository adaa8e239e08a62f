#include "app/compare_before_write.h"

#include "keep/profile_diff.h"
#include "link/status_translation.h"

#include <QtGlobal>

namespace zelto::app {
namespace {

// Status texts, translated where statuses are shown.
constexpr const char* kStatusWriteCancelled = QT_TRANSLATE_NOOP("status", "Запись отменена");
constexpr const char* kStatusConfirmWrite =
    QT_TRANSLATE_NOOP("status", "Сравнение: подтвердите запись");

}  // namespace

Differences Compare(const std::vector<config::MemoryWord>& device,
                    const config::WriteSettings& window) {
  keep::WordMap read;
  for (const config::MemoryWord& word : device)
    read[word.address] = word.bytes;
  Differences found;
  const auto comparison = keep::CompareWithDevice(read, window);
  if (!comparison)
    return found;
  found.any = comparison->Differs();
  // "поле: прибор → окно", each part in the interface's words.
  const auto words = [](const std::string& text) { return TranslateMarked(text, "Zelto"); };
  for (const keep::FieldDifference& difference : comparison->differences) {
    found.lines << words(difference.windowField) + QStringLiteral(": ") +
                       words(difference.windowDevice) + QStringLiteral(" → ") +
                       words(difference.windowProfile);
  }
  if (comparison->tables != keep::TableComparison::kNone)
    found.lines << words(keep::TablesWindowLine(comparison->tables));
  return found;
}

bool CompareBeforeWrite::Approve(config::WritePlan& plan) {
  if (!backup_.Read(plan))
    return false;
  // The read is over; what the window waits for now is the user.
  reporter_.ShowStatus(kStatusConfirmWrite);
  if (!ask_(Compare(backup_.Pending().before, window_))) {
    reporter_.ShowStatus(kStatusWriteCancelled);
    return false;
  }
  return backup_.Commit(plan);
}

}  // namespace zelto::app
