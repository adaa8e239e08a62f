#include "cli/stop_signals.h"

#include <pthread.h>
#include <unistd.h>

namespace zelto::cli {

StopSignals::StopSignals(std::chrono::milliseconds grace) : grace_(grace) {
  sigemptyset(&signals_);
  sigaddset(&signals_, SIGINT);
  sigaddset(&signals_, SIGTERM);
  // Before the watcher starts, so that it inherits the mask and takes the signals in sigwait.
  pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
  watcher_ = std::thread([this] { Watch(); });
}

StopSignals::~StopSignals() {
  bool waiting = false;
  {
    const std::lock_guard lock(mutex_);
    finished_ = true;
    waiting = !signalled_;
  }
  changed_.notify_all();
  // A watcher still in sigwait takes this one as its cue to go.
  if (waiting)
    pthread_kill(watcher_.native_handle(), SIGTERM);
  watcher_.join();
}

bool StopSignals::WaitFor(std::chrono::milliseconds pause) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, pause, [this] { return stopAsked_; });
}

void StopSignals::StopWith(int exitCode) {
  bool waiting = false;
  {
    const std::lock_guard lock(mutex_);
    exitCode_ = exitCode;
    waiting = !signalled_ && !finished_;
  }
  // The watcher takes it as a signal: the stop, and the grace for the exchanges going on.
  if (waiting)
    pthread_kill(watcher_.native_handle(), SIGTERM);
}

void StopSignals::ExchangeStarts() {
  const std::lock_guard lock(mutex_);
  ++exchanging_;
}

void StopSignals::ExchangeEnds() {
  {
    const std::lock_guard lock(mutex_);
    --exchanging_;
  }
  changed_.notify_all();
}

void StopSignals::Watch() {
  int signal = 0;
  sigwait(&signals_, &signal);
  std::unique_lock lock(mutex_);
  signalled_ = true;
  if (finished_)
    return;
  stopAsked_ = true;
  changed_.notify_all();
  if (!changed_.wait_for(lock, grace_, [this] { return finished_ || exchanging_ == 0; }))
    _exit(exitCode_);
}

}  // namespace zelto::cli
