#pragma once

#include <QCoreApplication>

#include <array>
#include <memory>

namespace zelto::cli {

// Qt Serial Port wants an application object, event loop or not, made on the main thread before
// any port's. The tool makes one only for the commands that touch ports, and only where the
// program has none.
class QtCore {
 public:
  QtCore();

 private:
  int argc_ = 1;
  std::array<char, 10> name_{"zelto-cli"};
  std::array<char*, 2> argv_{name_.data(), nullptr};
  std::unique_ptr<QCoreApplication> application_;
};

}  // namespace zelto::cli
