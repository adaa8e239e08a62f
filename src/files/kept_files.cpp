#include "files/kept_files.h"

#include <QFile>
#include <QStandardPaths>
#include <QString>

namespace zelto::files {
namespace {

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

std::string SettingsFile() {
  return Under(QStandardPaths::GenericConfigLocation, "/zelto/zelto.conf");
}

}  // namespace zelto::files
