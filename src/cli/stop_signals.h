#pragma once

#include "cli/exit_codes.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>

namespace zelto::cli {

// SIGINT and SIGTERM end the process as they always do, once the temporary files of the saves
// still going on are gone (files::RemoveOwnTemporaryFiles), so that an interrupted backup leaves
// nothing half written in the backups folder. A signal the process was started ignoring stays
// ignored. For the start of main, before any thread.
void RemoveTemporaryFilesOnStop();

// SIGINT and SIGTERM as the end of a command that runs until one of them comes. The command
// waits between its cycles here and ends cleanly when asked. An exchange with the device that
// is still going on when the signal comes may finish within `grace`; past that (a silent
// device holds an exchange for its read time-outs) the process ends at once with exit code 0,
// losing only that cycle: every line finished before has been flushed.
//
// The signals are blocked from construction on, in the calling thread and every thread it
// starts later, and stay blocked: a second signal must not cut short the orderly end.
class StopSignals {
 public:
  explicit StopSignals(std::chrono::milliseconds grace);
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // True when a stop was asked for; otherwise waits up to `pause` for one.
  bool WaitFor(std::chrono::milliseconds pause);

  // A stop asked for by the command itself, as a signal asks for one, when one of its ports
  // cannot go on (its output is lost): the others stop too, and a process that must end at
  // once, past the grace, ends with `exitCode` rather than 0. A signal after it ends so too.
  void StopWith(int exitCode);

  // Brackets exchanges with the device, which a signal may cut short once the grace has
  // passed; output is written outside, so that no line is left half printed. With several
  // ports each brackets its own, from its own thread.
  void ExchangeStarts();
  void ExchangeEnds();

 private:
  void Watch();

  sigset_t signals_{};
  std::chrono::milliseconds grace_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool stopAsked_ = false;
  int exchanging_ = 0;  // the ports in an exchange
  bool finished_ = false;
  bool signalled_ = false;
  int exitCode_ = kExitSuccess;  // of an end past the grace
  std::thread watcher_;
};

}  // namespace zelto::cli
