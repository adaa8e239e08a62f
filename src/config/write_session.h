#pragma once

#include "config/memory_words.h"
#include "config/write_plan.h"
#include "link/link.h"
#include "link/reporter.h"

#include <vector>

namespace zelto::config {

// The frame of every write sequence: the writing flag that holds off the keep-alive check, the
// progress bar, and the status texts around it.
class WriteSession {
 public:
  WriteSession(Link& link, Reporter& reporter) : link_(link), reporter_(reporter) {}

  // Sets fWriting and the progress for the number of requests expected, and shows that the
  // user has to wait.
  void Begin(int requests);
  // The same for the plan: over the words it sends when they are the changed ones only, over the
  // sequence's own count of requests otherwise.
  void Begin(const WritePlan& plan, int requests);
  // Sends the words in order. At the first one without a reply it stops, clears fWriting,
  // switches the progress off and shows "Прибор не отвечает"; then returns false.
  bool Send(const std::vector<MemoryWord>& words);
  // "Запись завершена", progress off, the bar full.
  void Finish();
  // Clears fWriting.
  void End();

 private:
  Link& link_;
  Reporter& reporter_;
};

}  // namespace zelto::config
