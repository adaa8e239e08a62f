#include "app/service_view.h"

namespace zelto::app {

ServiceViewState::Change ServiceViewState::OnHotKey(int id) {
  if (id == kArmHotKey) {
    armed_ = true;
    return Change::kNone;
  }
  if (id != kToggleHotKey)
    return Change::kNone;
  if (shown_) {
    shown_ = false;
    armed_ = false;
    return Change::kHide;
  }
  if (armed_) {
    shown_ = true;
    armed_ = false;
    return Change::kShow;
  }
  return Change::kNone;
}

}  // namespace zelto::app
