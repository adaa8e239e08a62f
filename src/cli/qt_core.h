#pragma once

#include <QCoreApplication>

#include <array>
#include <memory>

namespace zelto::cli {

// Qt Serial Port wants an application object on the thread that uses the port, event loop or
// not. The tool makes one only for the commands that touch ports.
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
