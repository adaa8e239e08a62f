#include "config/write_session.h"

#include "config/device_outcome.h"
#include "link/status_texts.h"

namespace zelto::config {
namespace {

constexpr int kProgressEmpty = 0;
constexpr int kProgressFull = 100;

}  // namespace

void WriteSession::Begin(int requests) {
  link_.SetWriting(true);
  link_.SetProgressSteps(requests);
  reporter_.SetProgress(kProgressEmpty);
  link_.ResetProgress();
  reporter_.ShowStatus(kStatusWriting);
}

void WriteSession::Begin(const WritePlan& plan, int requests) {
  Begin(plan.changedOnly ? static_cast<int>(plan.words.size()) : requests);
}

bool WriteSession::Send(const std::vector<MemoryWord>& words) {
  for (const MemoryWord& word : words) {
    if (!link_.Request(word.address, word.bytes, CmdWriteWord)) {
      // A device that missed one word would most likely miss the rest, each after the full
      // reply time-outs; and a half-written configuration is no better for the words after it.
      link_.SetProgressSteps(0);
      End();
      ShowNoAnswer(link_, reporter_);
      return false;
    }
  }
  return true;
}

void WriteSession::Finish() {
  reporter_.ShowStatus(kStatusWriteDone);
  link_.SetProgressSteps(0);
  reporter_.SetProgress(kProgressFull);
}

void WriteSession::End() {
  link_.SetWriting(false);
}

}  // namespace zelto::config
