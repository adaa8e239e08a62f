#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <optional>
#include <string>

namespace zelto::app {

// What the window remembers between runs: the port last opened (by its device path), the
// window's geometry and the memo's splitter, the folder each file dialog was last in, and the
// File menu's switches. Nothing of the configuration: the record, the device and sensor and the
// line speed start afresh each time. Kept as INI text in $XDG_CONFIG_HOME/zelto/zelto.conf;
// written as it changes and when the window goes. When that is no file to read and replace (a
// pipe, a device, a folder, or such a lock file beside it), the window starts with defaults and
// what changes lasts for the run only: the file is neither read nor written.
class WindowSettings {
 public:
  WindowSettings();

  // False when the settings file could not be used and nothing will be written back.
  bool Kept() const { return settings_ != nullptr; }

  std::optional<std::string> LastPortPath() const;
  void SetLastPortPath(const std::string& path);

  QByteArray Geometry() const;
  void SetGeometry(const QByteArray& geometry);
  QByteArray MemoSplitter() const;
  void SetMemoSplitter(const QByteArray& state);

  // The folder a file dialog (by its object name) was last in; empty when none.
  QString DialogFolder(const QString& dialog) const;
  void SetDialogFolder(const QString& dialog, const QString& folder);

  // A checkable entry of the File menu, by its object name.
  bool Switch(const QString& name, bool fallback) const;
  void SetSwitch(const QString& name, bool on);

 private:
  QVariant Value(const QString& key, const QVariant& fallback = {}) const;
  void SetValue(const QString& key, const QVariant& value);

  std::unique_ptr<QSettings> settings_;  // none when the file is not to be touched
  QVariantMap unkept_;                   // this run's values then
};

}  // namespace zelto::app
