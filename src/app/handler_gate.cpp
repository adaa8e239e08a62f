#include "app/handler_gate.h"

namespace zelto::app {

void HandlerGate::RunOrDefer(std::function<void()> handler) {
  if (running_) {
    deferred_.push_back(std::move(handler));
    return;
  }
  RunGuarded(handler);
  RunDeferred();
}

void HandlerGate::RunGuarded(const std::function<void()>& handler) {
  running_ = true;
  try {
    handler();
  } catch (const std::exception& error) {
    onError_(error);
  }
  running_ = false;
}

void HandlerGate::RunDeferred() {
  // A deferred handler may itself defer others (its message box lets the focus move again).
  while (!deferred_.empty()) {
    const std::function<void()> next = std::move(deferred_.front());
    deferred_.pop_front();
    RunGuarded(next);
  }
  if (onIdle_)
    onIdle_();
}

}  // namespace zelto::app
