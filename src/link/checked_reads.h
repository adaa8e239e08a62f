#pragma once

#include "link/frame.h"
#include "link/link.h"

#include <cstdint>

namespace zelto {

// How a checked read of one configuration word ended.
enum class CheckedReadOutcome {
  kClean,     // a whole reply with the reply header and a checksum that adds up, for this word
              // where the device echoes addresses
  kNoAnswer,  // nothing came, or the port went away (Link::PortWentAway tells which)
  kBadReply,  // replies came, but none of the tries gave a clean one for this word
};

struct CheckedWord {
  CheckedReadOutcome outcome = CheckedReadOutcome::kNoAnswer;
  Payload bytes{};  // the word as the device sent it, in address order; zero unless kClean
};

// How often a word is asked for before a reply that came but does not add up fails the read.
inline constexpr int kCheckedReadTries = 3;

// Whether a reply is one the device sent whole: twelve bytes, header CA 53, checksum.
bool IsCleanReply(const Frame& reply, int count);

// Reads the configuration word at `address` for a caller that must not take a damaged reply for
// the device's word: the everyday reads accept whatever comes, this one asks again, up to
// kCheckedReadTries in all, until a reply adds up. Where the link has learnt that the device
// echoes addresses (the first clean reply to a checked read at a nonzero address teaches it),
// a reply that carries another address is for another word and asked again as well. Silence is
// not asked again: a device that does not answer has already cost the reply time-outs twice over.
CheckedWord ReadWordChecked(Link& link, std::uint16_t address);

}  // namespace zelto
