#include "app/window_settings.h"

#include "files/kept_files.h"

#include <QFile>

namespace zelto::app {
namespace {

const QString kLastPort = QStringLiteral("port/path");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kMemoSplitter = QStringLiteral("window/memoSplitter");

QString DialogKey(const QString& dialog) {
  return QStringLiteral("folders/") + dialog;
}

QString SwitchKey(const QString& name) {
  return QStringLiteral("switches/") + name;
}

}  // namespace

WindowSettings::WindowSettings() {
  if (files::SettingsFilesUsable()) {
    settings_ = std::make_unique<QSettings>(
        QFile::decodeName(QByteArray::fromStdString(files::SettingsFile())), QSettings::IniFormat);
  }
}

QVariant WindowSettings::Value(const QString& key, const QVariant& fallback) const {
  if (settings_)
    return settings_->value(key, fallback);
  return unkept_.value(key, fallback);
}

void WindowSettings::SetValue(const QString& key, const QVariant& value) {
  if (settings_)
    settings_->setValue(key, value);
  else
    unkept_.insert(key, value);
}

std::optional<std::string> WindowSettings::LastPortPath() const {
  // Bytes, as the system names the device.
  const QByteArray path = Value(kLastPort).toByteArray();
  if (path.isEmpty())
    return std::nullopt;
  return path.toStdString();
}

void WindowSettings::SetLastPortPath(const std::string& path) {
  SetValue(kLastPort, QByteArray::fromStdString(path));
}

QByteArray WindowSettings::Geometry() const {
  return Value(kGeometry).toByteArray();
}

void WindowSettings::SetGeometry(const QByteArray& geometry) {
  SetValue(kGeometry, geometry);
}

QByteArray WindowSettings::MemoSplitter() const {
  return Value(kMemoSplitter).toByteArray();
}

void WindowSettings::SetMemoSplitter(const QByteArray& state) {
  SetValue(kMemoSplitter, state);
}

QString WindowSettings::DialogFolder(const QString& dialog) const {
  return Value(DialogKey(dialog)).toString();
}

void WindowSettings::SetDialogFolder(const QString& dialog, const QString& folder) {
  SetValue(DialogKey(dialog), folder);
}

bool WindowSettings::Switch(const QString& name, bool fallback) const {
  return Value(SwitchKey(name), fallback).toBool();
}

void WindowSettings::SetSwitch(const QString& name, bool on) {
  SetValue(SwitchKey(name), on);
}

}  // namespace zelto::app
