#include "app/platform_family.h"

#include <QSysInfo>

namespace zelto::app {

QString PlatformFamily() {
  const QString kernel = QSysInfo::kernelType();
  if (kernel == u"linux")
    return QStringLiteral("Linux");
  if (kernel == u"darwin")
    return QStringLiteral("macOS");
  if (kernel == u"winnt")
    return QStringLiteral("Windows");
  if (kernel == u"freebsd")
    return QStringLiteral("FreeBSD");
  return kernel;
}

}  // namespace zelto::app
