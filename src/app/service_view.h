#pragma once

namespace zelto::app {

// The hidden service view (service panel, file group, Polynom and Debug tabs) opens with a
// two-chord sequence: arm, then toggle. Any other input may come between the two.
class ServiceViewState {
 public:
  enum class Change { kNone, kShow, kHide };

  static constexpr int kToggleHotKey = 12;
  static constexpr int kArmHotKey = 13;

  // Advances the state for one hot key and says what the window must do.
  Change OnHotKey(int id);

  bool ServiceArmed() const { return armed_; }
  bool ServiceShown() const { return shown_; }

 private:
  bool armed_ = false;
  bool shown_ = false;
};

}  // namespace zelto::app
