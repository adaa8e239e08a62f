#include "cli/qt_core.h"

#include <clocale>

namespace zelto::cli {

QtCore::QtCore() : application_(std::make_unique<QCoreApplication>(argc_, argv_.data())) {
  // The application object has just applied the user's locale; printed numbers keep the point.
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace zelto::cli
