#pragma once

#include <string>

namespace zelto::sim {

// A pseudo-terminal pair whose far (slave) end a serial-port client opens by path, while the
// simulator works the near (master) end. The slave side stays open here as well, so that the
// master sees no hang-up between one client and the next; and it is raw from the start,
// because a client restores on close the settings it found, and an echoing line would send
// every reply back as a request.
class PseudoTerminal {
 public:
  PseudoTerminal();  // throws std::system_error
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  int Master() const { return master_; }
  // The near end's own hold on the far end; what waits in it is what a client would read next.
  int Slave() const { return slave_; }
  const std::string& Path() const { return path_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};

}  // namespace zelto::sim
