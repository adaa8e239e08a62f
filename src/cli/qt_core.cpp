#include "cli/qt_core.h"

#include <QGuiApplication>

#include <clocale>

namespace zelto::cli {

QtCore::QtCore(QtPart part) {
  // A program that has its own (a benchmark, say) keeps it.
  if (QCoreApplication::instance() != nullptr)
    return;
  if (part == QtPart::kGui) {
    argv_[1] = platformOption_.data();
    argv_[2] = platform_.data();
    argc_ = 3;
    application_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
  } else {
    application_ = std::make_unique<QCoreApplication>(argc_, argv_.data());
  }
  // The application object has just applied the user's locale; printed numbers keep the point.
  std::setlocale(LC_NUMERIC, "C");
}

bool QtCore::HasGui() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace zelto::cli
