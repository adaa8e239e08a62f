#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zelto {

// A serial device as the system reports it.
struct SystemPort {
  std::string path;         // /dev/ttyUSB0
  std::string description;  // the adapter's own name, if it tells one
};

// One numbered port.
struct PortEntry {
  int number = 0;  // COM<number>
  std::string path;
  std::string description;
};

// Gives every serial device a COM number, the way the window and the tool show ports:
// /dev/ttyS<k> is COM<k+1>; the other devices the system reports take the next free numbers in
// name order; paths added by hand (a device given on the command line, the built-in
// simulator) take the next free numbers after them. A number, once given, stays with its
// path for the life of the process.
class PortTable {
 public:
  // Takes a fresh scan of the system's devices; those not seen before get numbers.
  void Update(std::vector<SystemPort> present);
  // Adds a path by hand, or finds the number it already has; 0 when no number is left.
  int Add(const std::string& path, const std::string& description);

  // The ports to offer, in number order: those of the last scan and those added by hand.
  std::vector<PortEntry> Listed() const;
  // The path of a number, or empty when it has none.
  std::string PathOf(int number) const;

 private:
  struct Slot {
    PortEntry entry;
    bool byHand = false;
    bool present = false;
  };

  Slot* Find(const std::string& path);
  int NextFreeNumber() const;
  bool Taken(int number) const;

  std::vector<Slot> slots_;
};

// The serial devices this machine has now.
std::vector<SystemPort> SystemSerialPorts();

// Where a link looks for the system's serial devices.
using PortScanner = std::function<std::vector<SystemPort>()>;
// A scanner that gives the same ports every time: one scan shared by links on several threads,
// since the system's scan is no place for threads to meet.
PortScanner ScannedPorts(std::vector<SystemPort> ports);

}  // namespace zelto
