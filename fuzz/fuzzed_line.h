#pragma once

#include "link/connection_view.h"
#include "link/link.h"
#include "link/memo_trace.h"
#include "link/reporter.h"
#include "link/serial_port.h"
#include "link/trace_flags.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zelto::fuzz {

// The fuzzer's bytes as what arrives from the far end of the line. Each read of the port first
// takes one byte that says how many bytes arrive for it (at most as many as the read asks for),
// then those bytes; a count of 0 is a read that times out empty. The harness takes its own
// choices (which operation, which model) from the same stream, so the fuzzer can build whole
// sessions.
class ByteStream {
 public:
  explicit ByteStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Empty() const { return bytes_.empty(); }
  // 0 once the stream is empty.
  std::uint8_t TakeByte();
  // Up to count bytes, fewer at the end.
  std::span<const std::uint8_t> Take(std::size_t count);

 private:
  std::span<const std::uint8_t> bytes_;
};

// A serial port whose reads return the stream's bytes at once: the real link code runs on
// them, without waiting out a single time-out. Writes are all accepted.
class FuzzedSerialPort final : public SerialPort {
 public:
  explicit FuzzedSerialPort(ByteStream& line) : line_(line) {}

  OpenFailure Open(const std::string&, LineSettings) override;
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  int Write(std::span<const std::uint8_t> bytes) override;
  int Read(std::span<std::uint8_t> buffer, const LinkTimeouts& timeouts) override;
  void Purge() override {}
  void DiscardInput() override {}
  bool SetDtr(bool) override { return true; }
  bool SetRts(bool) override { return true; }

 private:
  ByteStream& line_;
  bool open_ = false;
};

// Checks what the core reports: texts in valid UTF-8, progress within 0..100.
class CheckingReporter final : public Reporter {
 public:
  void ShowStatus(std::string_view text) override;
  void ClearMemo() override { memoLines = 0; }
  void AddMemoLine(std::string_view line) override;
  void AppendToLastMemoLine(std::string_view text) override;
  void SetProgress(int percent) override;

  std::string lastStatus;
  int memoLines = 0;
};

// A link whose port is open on the fuzzed line, with every trace switch on, so that each
// reply also runs through the exchange trace.
struct FuzzedLink {
  explicit FuzzedLink(ByteStream& line);

  CheckingReporter reporter;
  NoConnectionView view;
  TraceFlags traceFlags{fSendToMemo | fCnftoMemo | fComtoBuf};
  MemoTrace trace{traceFlags, reporter};
  Link link;
};

}  // namespace zelto::fuzz
