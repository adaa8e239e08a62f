#include "link/memory_reads.h"

#include "link/memory_dumps.h"
#include "link/status_texts.h"

#include <algorithm>

namespace zelto {
namespace {

constexpr int kWordBytes = 4;
// The working-memory window onto the table area: address 0x309 + i holds image byte 0x7F + i.
constexpr std::uint16_t kTableMirrorFirst = 0x309;
constexpr int kTableImageFirst = 0x7F;
constexpr int kTableMirrorBytes = kEEImageSize - kTableImageFirst;  // 385

}  // namespace

ServiceOutcome ReadEEImage(Link& link, EEImage& image, Reporter& reporter) {
  reporter.SetProgress(0);
  ServiceOutcome outcome = ServiceOutcome::kDone;
  for (int address = 0; address < kEEImageSize; address += kWordBytes) {
    link.SendRequest(static_cast<std::uint16_t>(address), Payload{}, CmdReadWord);
    if (!link.ReadReply()) {
      outcome = ServiceOutcome::kNoAnswer;
      break;
    }
    const auto data = link.ReplyBuffer().begin() + kDataOffset;
    std::copy(data, data + kWordBytes, image.begin() + address);
    reporter.SetProgress(address * 100 / kEEImageSize);
  }
  if (outcome == ServiceOutcome::kNoAnswer)
    ShowNoAnswer(link, reporter);
  DumpEEImage(image, reporter);
  return outcome;
}

ServiceOutcome ReadTablesImage(Link& link, EEImage& image, Reporter& reporter) {
  ServiceOutcome outcome = ServiceOutcome::kDone;
  for (int i = 0; i < kTableMirrorBytes; ++i) {
    link.SendRequest(static_cast<std::uint16_t>(kTableMirrorFirst + i), Payload{}, CmdReadRam);
    if (!link.ReadReply()) {
      outcome = ServiceOutcome::kNoAnswer;
      break;
    }
    image[static_cast<std::size_t>(kTableImageFirst + i)] = link.ReplyBuffer()[kDataOffset];
  }
  if (outcome == ServiceOutcome::kNoAnswer)
    ShowNoAnswer(link, reporter);
  DumpTables(image, kTable1DumpCoefficients, kTable2DumpCoefficients, kTable3DumpCoefficients,
             reporter);
  return outcome;
}

}  // namespace zelto
