#pragma once

#include <QApplication>
#include <QCursor>

namespace zelto::app {

// The busy cursor for as long as it lives, whichever way the scope is left.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace zelto::app
