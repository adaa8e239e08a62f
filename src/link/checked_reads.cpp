#include "link/checked_reads.h"

#include <algorithm>

namespace zelto {

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
    if (IsCleanReply(reply, count)) {
      CheckedWord word{CheckedReadOutcome::kClean, {}};
      std::copy_n(reply.begin() + kDataOffset, word.bytes.size(), word.bytes.begin());
      return word;
    }
  }
  return {CheckedReadOutcome::kBadReply, {}};
}

}  // namespace zelto
