#include "files/kept_ids.h"

#include <QDateTime>
#include <QString>

#include <algorithm>

namespace zelto::files {
namespace {

bool IsPlainLetter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The port's last path component, in the letters an id may hold.
std::string PortPart(const std::string& port) {
  const auto slash = port.rfind('/');
  std::string part = port.substr(slash == std::string::npos ? 0 : slash + 1);
  for (char& c : part) {
    if (!IsPlainLetter(c) && c != '-' && c != '_')
      c = '_';
  }
  return part.empty() ? "port" : part;
}

}  // namespace

std::string KeptIdStem(const std::string& isoTime, const std::string& port) {
  const QDateTime time = QDateTime::fromString(QString::fromStdString(isoTime), Qt::ISODateWithMs);
  return time.toString("yyyyMMdd-HHmmss-zzz").toStdString() + "-" + PortPart(port);
}

bool IsKeptId(std::string_view id) {
  if (id.empty() || id.front() == '.')
    return false;
  return std::all_of(id.begin(), id.end(),
                     [](char c) { return IsPlainLetter(c) || c == '-' || c == '_' || c == '.'; });
}

}  // namespace zelto::files
