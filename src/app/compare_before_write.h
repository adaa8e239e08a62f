#pragma once

#include "config/write_plan.h"
#include "config/write_settings.h"
#include "keep/device_backup.h"
#include "link/reporter.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace zelto::app {

// Between the words a read found and what a write of the window's settings would send: a line
// for each field that differs ("поле: прибор → окно"), and for the table-loading models one line
// for the tables either way.
struct Differences {
  QStringList lines;
  bool any = false;
};
Differences Compare(const std::vector<config::MemoryWord>& device,
                    const config::WriteSettings& window);

// The guard of "Запись" while "Сравнивать перед записью" is on. The backup's read of every
// word the write will overwrite also shows the user what would change; the write goes on only
// when the user says so, and that read then serves the write as the backup does without a
// compare: kept (while backups are on), and the words cut down to those that change (while
// only those are written). A cancelled write sends nothing after its reads.
class CompareBeforeWrite final : public config::WriteGuard {
 public:
  // True to write.
  using Ask = std::function<bool(const Differences& differences)>;

  CompareBeforeWrite(keep::DeviceBackup& backup, config::WriteSettings window, Reporter& reporter,
                     Ask ask)
      : backup_(backup), window_(std::move(window)), reporter_(reporter), ask_(std::move(ask)) {}

  bool Approve(config::WritePlan& plan) override;

 private:
  keep::DeviceBackup& backup_;
  config::WriteSettings window_;
  Reporter& reporter_;
  Ask ask_;
};

}  // namespace zelto::app
