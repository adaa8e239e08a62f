#include "cli/stop_signals.h"

#include "files/temporary_files.h"

#include <cerrno>
#include <pthread.h>
#include <unistd.h>

namespace zelto::cli {
namespace {

// Runs in whichever thread the signal finds: only async-signal-safe calls. SA_RESETHAND has put
// the default action back, so the signal raised again, once the handler returns, ends the
// process as it would have ended without one.
extern "C" void RemoveTemporaryFilesAndStop(int signal) {
  const int savedErrno = errno;
  files::RemoveOwnTemporaryFiles();
  raise(signal);
  errno = savedErrno;
}

}  // namespace

void RemoveTemporaryFilesOnStop() {
  for (const int signal : {SIGINT, SIGTERM}) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
      continue;
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryFilesAndStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(signal, &action, nullptr);
  }
}

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
  if (!changed_.wait_for(lock, grace_, [this] { return finished_ || exchanging_ == 0; })) {
    files::RemoveOwnTemporaryFiles();
    _exit(exitCode_);
  }
}

}  // namespace zelto::cli
