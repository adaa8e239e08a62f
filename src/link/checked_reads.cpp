#include "link/checked_reads.h"

#include <algorithm>

namespace zelto {
namespace {

std::uint16_t AddressOfReply(const Frame& reply) {
  return static_cast<std::uint16_t>(reply[2] | reply[3] << 8);
}

// Whether a clean reply answers the read of `address`, learning first, from the first clean
// reply at a nonzero address, whether the device says so at all.
bool IsForWord(Link& link, const Frame& reply, std::uint16_t address) {
  const bool echoed = AddressOfReply(reply) == address;
  if (link.ReplyAddressEcho() == AddressEcho::kUnknown && address != 0)
    link.LearnReplyAddressEcho(echoed ? AddressEcho::kEchoed : AddressEcho::kNotEchoed);
  return echoed || link.ReplyAddressEcho() != AddressEcho::kEchoed;
}

}  // namespace

bool IsCleanReply(const Frame& reply, int count) {
  return count == kFrameSize && reply[0] == kFrameHeader && reply[1] == kReplyTag &&
         Checksum(reply) == 0;
}

CheckedWord ReadWordChecked(Link& link, std::uint16_t address) {
  for (int attempt = 0; attempt < kCheckedReadTries; ++attempt) {
    Frame reply{};
    link.SendRequest(address, Payload{}, CmdReadWord);
    const int count = link.ReadFrame(reply);
    if (link.PortWentAway())
      return {};
    // An incomplete reply is read a second time over the first; when the second brings nothing,
    // what the first brought still shows that the device answered.
    const bool nothingCame = count == 0 && std::all_of(reply.begin(), reply.end(),
                                                       [](std::uint8_t b) { return b == 0; });
    if (nothingCame)
      return {};
    if (IsCleanReply(reply, count) && IsForWord(link, reply, address)) {
      CheckedWord word{CheckedReadOutcome::kClean, {}};
      std::copy_n(reply.begin() + kDataOffset, word.bytes.size(), word.bytes.begin());
      return word;
    }
  }
  return {CheckedReadOutcome::kBadReply, {}};
}

}  // namespace zelto
