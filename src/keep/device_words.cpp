#include "keep/device_words.h"

#include "link/status_texts.h"

#include <algorithm>

namespace zelto::keep {
namespace {

constexpr int kProgressFull = 100;

}  // namespace

config::DeviceOutcome ReadDeviceWords(Link& link, Reporter& reporter,
                                      std::span<const uint16_t> addresses, WordMap& words) {
  reporter.SetProgress(0);
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    Frame reply{};
    if (!link.Query(addresses[i], reply, CmdReadWord)) {
      ShowNoAnswer(link, reporter);
      return config::DeviceOutcome::kNoAnswer;
    }
    auto& bytes = words[addresses[i]];
    std::copy(reply.begin() + kDataOffset, reply.begin() + kDataOffset + 4, bytes.begin());
    reporter.SetProgress(static_cast<int>((i + 1) * kProgressFull / addresses.size()));
  }
  return config::DeviceOutcome::kDone;
}

}  // namespace zelto::keep
