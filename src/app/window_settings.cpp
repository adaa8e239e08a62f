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

WindowSettings::WindowSettings()
    : settings_(QFile::decodeName(QByteArray::fromStdString(files::SettingsFile())),
                QSettings::IniFormat) {}

std::optional<std::string> WindowSettings::LastPortPath() const {
  // Bytes, as the system names the device.
  const QByteArray path = settings_.value(kLastPort).toByteArray();
  if (path.isEmpty())
    return std::nullopt;
  return path.toStdString();
}

void WindowSettings::SetLastPortPath(const std::string& path) {
  settings_.setValue(kLastPort, QByteArray::fromStdString(path));
}

QByteArray WindowSettings::Geometry() const {
  return settings_.value(kGeometry).toByteArray();
}

void WindowSettings::SetGeometry(const QByteArray& geometry) {
  settings_.setValue(kGeometry, geometry);
}

QByteArray WindowSettings::MemoSplitter() const {
  return settings_.value(kMemoSplitter).toByteArray();
}

void WindowSettings::SetMemoSplitter(const QByteArray& state) {
  settings_.setValue(kMemoSplitter, state);
}

QString WindowSettings::DialogFolder(const QString& dialog) const {
  return settings_.value(DialogKey(dialog)).toString();
}

void WindowSettings::SetDialogFolder(const QString& dialog, const QString& folder) {
  settings_.setValue(DialogKey(dialog), folder);
}

bool WindowSettings::Switch(const QString& name, bool fallback) const {
  return settings_.value(SwitchKey(name), fallback).toBool();
}

void WindowSettings::SetSwitch(const QString& name, bool on) {
  settings_.setValue(SwitchKey(name), on);
}

}  // namespace zelto::app
