#include "files/kept_files.h"

#include "files/regular_file.h"

#include <QFile>
#include <QStandardPaths>
#include <QString>

namespace zelto::files {
namespace {

// Far above what the window's settings come to (a few kilobytes).
constexpr std::size_t kMaxSettingsBytes = 1024 * 1024;

// The generic locations follow XDG_DATA_HOME and XDG_CONFIG_HOME and carry no application name,
// so the window and the tool, whatever each calls itself, find the same files.
std::string Under(QStandardPaths::StandardLocation location, const char* relative) {
  return QFile::encodeName(QStandardPaths::writableLocation(location) + QString::fromUtf8(relative))
      .toStdString();
}

}  // namespace

std::string BackupsFolder() {
  return Under(QStandardPaths::GenericDataLocation, "/zelto/backups");
}

std::string ChecksFolder() {
  return Under(QStandardPaths::GenericDataLocation, "/zelto/checks");
}

std::string SettingsFile() {
  return Under(QStandardPaths::GenericConfigLocation, "/zelto/zelto.conf");
}

bool SettingsFilesUsable() {
  const std::string settings = SettingsFile();
  return IsAbsentOrSmallFile(settings, kMaxSettingsBytes) &&
         IsAbsentOrSmallFile(settings + ".lock", kMaxSettingsBytes);
}

}  // namespace zelto::files
