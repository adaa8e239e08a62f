#include "fuzzed_line.h"

#include "fuzz_check.h"

#include <algorithm>
#include <memory>

namespace zelto::fuzz {

std::uint8_t ByteStream::TakeByte() {
  if (bytes_.empty())
    return 0;
  const std::uint8_t byte = bytes_.front();
  bytes_ = bytes_.subspan(1);
  return byte;
}

std::span<const std::uint8_t> ByteStream::Take(std::size_t count) {
  const std::span<const std::uint8_t> taken = bytes_.first(std::min(count, bytes_.size()));
  bytes_ = bytes_.subspan(taken.size());
  return taken;
}

OpenFailure FuzzedSerialPort::Open(const std::string&, LineSettings) {
  open_ = true;
  return OpenFailure::kNone;
}

int FuzzedSerialPort::Write(std::span<const std::uint8_t> bytes) {
  ZELTO_FUZZ_CHECK(open_);
  return static_cast<int>(bytes.size());
}

int FuzzedSerialPort::Read(std::span<std::uint8_t> buffer, const LinkTimeouts&) {
  ZELTO_FUZZ_CHECK(open_);
  const std::size_t arriving = line_.TakeByte();
  const auto bytes = line_.Take(std::min(arriving, buffer.size()));
  std::copy(bytes.begin(), bytes.end(), buffer.begin());
  return static_cast<int>(bytes.size());
}

void CheckingReporter::ShowStatus(std::string_view text) {
  ZELTO_FUZZ_CHECK(!text.empty());
  ZELTO_FUZZ_CHECK(IsValidUtf8(text));
  lastStatus = text;
}

void CheckingReporter::AddMemoLine(std::string_view line) {
  ZELTO_FUZZ_CHECK(IsValidUtf8(line));
  ++memoLines;
}

void CheckingReporter::AppendToLastMemoLine(std::string_view text) {
  ZELTO_FUZZ_CHECK(IsValidUtf8(text));
}

void CheckingReporter::SetProgress(int percent) {
  ZELTO_FUZZ_CHECK(percent >= 0 && percent <= 100);
}

FuzzedLink::FuzzedLink(ByteStream& line)
    : link(reporter, view, LinkTimeouts{}, std::make_unique<FuzzedSerialPort>(line)) {
  link.SetPortScanner([] { return std::vector<SystemPort>{}; });
  link.SetTrace(&trace);
  ZELTO_FUZZ_CHECK(link.SelectPort(link.Ports().Add("fuzzed line", "")));
  link.FlushTraceRing();
}

}  // namespace zelto::fuzz
