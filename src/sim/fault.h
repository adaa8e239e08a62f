#pragma once

#include <chrono>

namespace zelto::sim {

// A way for the simulated transmitter to misbehave, so that tests can watch the configurator
// cope: simulator.SetFault(Fault::SilentFrom(3)).
struct Fault {
  enum class Kind {
    kNone,
    kSilentFrom,        // no reply from the value-th request on (counted from 1)
    kCutShort,          // every reply ends after value bytes
    kCutShortThenFull,  // value bytes, a pause, then the whole reply
    kZeroType,          // every reply carries 0 in byte 9
    kZeroTypeThenFull,  // a reply with 0 in byte 9, straight away followed by the right one
    kWrongHeader,       // replies start with another header byte
    kTypeCode,          // identification answers with the type code value
    kGarbage,           // twelve bytes of noise instead of each reply
    kLate,              // every reply whole, after the pause
    kUnplugAt,          // the line goes away on the value-th request (counted from 1), once
    kHostile,           // a line in bad shape (HostileReply), seeded with value, pause its unit
    kBadChecksum,       // from the value-th request (counted from 1), count replies (0: all)
                        // whole but with a checksum that does not add up
    kWordNotKept,       // writes to the word at address value are answered but not kept
    kNoAddressEcho,     // replies carry 0 in bytes 2-3, not the requested address
    kNextWordAt,        // count reads (0: all) of the word at address value are answered as
                        // reads of the next word: its address and its data
  };

  Kind kind = Kind::kNone;
  int value = 0;
  std::chrono::milliseconds pause{0};
  int count = 0;

  static Fault None() { return {}; }
  static Fault SilentFrom(int request) { return {Kind::kSilentFrom, request}; }
  static Fault CutShort(int bytes) { return {Kind::kCutShort, bytes}; }
  static Fault CutShortThenFull(int bytes, std::chrono::milliseconds pause) {
    return {Kind::kCutShortThenFull, bytes, pause};
  }
  static Fault ZeroType() { return {Kind::kZeroType}; }
  static Fault ZeroTypeThenFull() { return {Kind::kZeroTypeThenFull}; }
  static Fault WrongHeader() { return {Kind::kWrongHeader}; }
  static Fault TypeCode(int code) { return {Kind::kTypeCode, code}; }
  static Fault Garbage() { return {Kind::kGarbage}; }
  // 155 ms: a device slower than the line alone, yet well inside every time-out.
  static Fault Late(std::chrono::milliseconds pause = std::chrono::milliseconds{155}) {
    return {Kind::kLate, 0, pause};
  }
  // The pseudo-terminal closes instead of answering, as an unplugged adapter's device does;
  // Simulator::PlugIn brings the line back.
  static Fault UnplugAt(int request) { return {Kind::kUnplugAt, request}; }
  static Fault Hostile(int seed, std::chrono::milliseconds unit) {
    return {Kind::kHostile, seed, unit};
  }
  // A line that garbles a byte now and then: the reply's length and header are right, its sum
  // is not.
  static Fault BadChecksum(int fromRequest, int replies = 0) {
    return {Kind::kBadChecksum, fromRequest, {}, replies};
  }
  // A worn memory cell: the device answers a write to it as it answers every write, the word
  // it was sent included, yet keeps what the cell held.
  static Fault WordNotKept(int address) { return {Kind::kWordNotKept, address}; }
  // A device that does not say which address it answers.
  static Fault NoAddressEcho() { return {Kind::kNoAddressEcho}; }
  // A device that mixes up its words now and then: a whole, well-summed reply for the word after
  // the one asked for.
  static Fault NextWordAt(int address, int replies = 0) {
    return {Kind::kNextWordAt, address, {}, replies};
  }
};

}  // namespace zelto::sim
