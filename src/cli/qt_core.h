#pragma once

#include <QCoreApplication>

#include <array>
#include <memory>

namespace zelto::cli {

// What the command needs of Qt: the core alone, or the fonts and painting of Qt Gui as well
// (the report's pages).
enum class QtPart { kCore, kGui };

// Qt Serial Port wants an application object, event loop or not, made on the main thread before
// any port's. The tool makes one only for the commands that touch ports or draw, and only where
// the program has none. Qt Gui's is on the offscreen platform: the tool draws its pages without
// a display, whatever QT_QPA_PLATFORM says.
class QtCore {
 public:
  explicit QtCore(QtPart part = QtPart::kCore);

  // Whether the program's application object gives Qt Gui's fonts and painting.
  static bool HasGui();

 private:
  int argc_ = 1;
  std::array<char, 10> name_{"zelto-cli"};
  std::array<char, 10> platformOption_{"-platform"};
  std::array<char, 10> platform_{"offscreen"};
  std::array<char*, 4> argv_{name_.data(), nullptr, nullptr, nullptr};
  std::unique_ptr<QCoreApplication> application_;
};

}  // namespace zelto::cli
