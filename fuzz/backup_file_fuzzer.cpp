// A backup file as it may lie in the folder: edited by hand, cut short, or of another program.
#include "fuzz_check.h"
#include "keep/backup.h"

#include <cstdint>

namespace {

using namespace zelto::keep;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = BackupFromJson({reinterpret_cast<const char*>(data), size});
  if (const auto* reason = std::get_if<std::string>(&read)) {
    ZELTO_FUZZ_CHECK(!reason->empty() && zelto::fuzz::IsValidUtf8(*reason));
    return 0;
  }
  const Backup& backup = std::get<Backup>(read);
  // What a restore would write: the same words before and after, each once.
  ZELTO_FUZZ_CHECK(backup.before.size() == backup.after.size());
  ZELTO_FUZZ_CHECK(IsBackupId(backup.id));
  for (const std::string& line : backup.summary)
    ZELTO_FUZZ_CHECK(zelto::fuzz::IsValidUtf8(line));
  // What was read is written again as it was, and reads back the same.
  const auto again = BackupFromJson(BackupToJson(backup));
  ZELTO_FUZZ_CHECK(std::holds_alternative<Backup>(again));
  ZELTO_FUZZ_CHECK(std::get<Backup>(again) == backup);
  return 0;
}
