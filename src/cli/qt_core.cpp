#include "cli/qt_core.h"

#include <clocale>

namespace zelto::cli {

QtCore::QtCore() {
  // A program that has its own (a benchmark, say) keeps it.
  if (QCoreApplication::instance() != nullptr)
    return;
  application_ = std::make_unique<QCoreApplication>(argc_, argv_.data());
  // The application object has just applied the user's locale; printed numbers keep the point.
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace zelto::cli
