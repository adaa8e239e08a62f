#include "sim/pseudo_terminal.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace zelto::sim {
namespace {

[[noreturn]] void Fail(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

PseudoTerminal::PseudoTerminal() {
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0)
    Fail("openpty");
  try {
    termios line{};
    if (tcgetattr(slave_, &line) != 0)
      Fail("tcgetattr");
    cfmakeraw(&line);
    if (tcsetattr(slave_, TCSANOW, &line) != 0)
      Fail("tcsetattr");
    for (const int descriptor : {master_, slave_}) {
      if (fcntl(descriptor, F_SETFD, FD_CLOEXEC) != 0)
        Fail("fcntl");
    }
    if (fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) != 0)
      Fail("fcntl");
    std::array<char, 128> name{};
    if (const int error = ttyname_r(slave_, name.data(), name.size()); error != 0) {
      errno = error;
      Fail("ttyname_r");
    }
    path_ = name.data();
  } catch (...) {
    close(master_);
    close(slave_);
    throw;
  }
}

PseudoTerminal::~PseudoTerminal() {
  close(master_);
  close(slave_);
}

}  // namespace zelto::sim
