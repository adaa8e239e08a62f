#pragma once

#include <deque>
#include <exception>
#include <functional>
#include <utility>

namespace zelto::app {

// Lets one window handler run at a time. A message box a handler shows runs an event loop, and
// a device exchange may disable the controls that hold the focus; what the controls report
// meanwhile must not start a second handler inside the first. Most such events are dropped
// (a timer tick comes again, a click cannot reach a window behind a modal box); a field's
// focus changes are kept and run once the running handler has returned, since they carry the
// user's typing. An exception a handler raises ends here: Qt does not support exceptions
// travelling through its event dispatch. Once the last handler has returned, the gate says it
// is idle.
class HandlerGate {
 public:
  explicit HandlerGate(std::function<void(const std::exception&)> onError,
                       std::function<void()> onIdle = {})
      : onError_(std::move(onError)), onIdle_(std::move(onIdle)) {}

  bool Busy() const { return running_; }

  // Runs the handler now, or not at all when another one runs.
  template <class Handler>
  void Run(Handler&& handler) {
    if (running_)
      return;
    RunGuarded(std::function<void()>(std::forward<Handler>(handler)));
    RunDeferred();
  }

  // Runs the handler now, or once the running one has returned.
  void RunOrDefer(std::function<void()> handler);

 private:
  void RunGuarded(const std::function<void()>& handler);
  // The deferred handlers, then the idle call.
  void RunDeferred();

  std::function<void(const std::exception&)> onError_;
  std::function<void()> onIdle_;
  std::deque<std::function<void()>> deferred_;
  bool running_ = false;
};

}  // namespace zelto::app
