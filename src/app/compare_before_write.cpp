#include "app/compare_before_write.h"

#include "config/profile_diff.h"

#include <QtGlobal>

namespace zelto::app {
namespace {

// A status text, translated where statuses are shown.
constexpr const char* kStatusWriteCancelled = QT_TRANSLATE_NOOP("status", "Запись отменена");

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Differences Compare(const std::vector<config::MemoryWord>& device,
                    const config::WriteSettings& window) {
  config::WordMap read;
  for (const config::MemoryWord& word : device)
    read[word.address] = word.bytes;
  Differences found;
  const auto comparison = config::CompareWithDevice(read, window);
  if (!comparison)
    return found;
  found.any = comparison->Differs();
  for (const config::FieldDifference& difference : comparison->differences)
    found.lines << FromUtf8(config::WindowLine(difference));
  if (comparison->tables != config::TableComparison::kNone)
    found.lines << FromUtf8(config::TablesWindowLine(comparison->tables));
  return found;
}

bool CompareBeforeWrite::Approve(const config::WritePlan& plan) {
  if (!backup_.Read(plan))
    return false;
  if (!ask_(Compare(backup_.Pending().before, window_))) {
    reporter_.ShowStatus(kStatusWriteCancelled);
    return false;
  }
  return !keepBackup_ || backup_.Keep();
}

}  // namespace zelto::app
