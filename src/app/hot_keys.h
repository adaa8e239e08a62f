#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QKeyEvent;

namespace zelto::app {

// The physical key of a key event, named by its Latin key code (Qt::Key_K for the key that
// carries K on a US keyboard). Service engineers here usually type on a Russian layout, where
// key() reports a Cyrillic letter for the same key.
//   nativeCodesAreXkb: the platform's scan codes are XKB key codes (xcb, Wayland).
int PhysicalKey(const QKeyEvent& event, bool nativeCodesAreXkb);

// The hot-key id 10..18 of a chord, if the key event is one of the nine.
std::optional<int> HotKeyId(int physicalKey, Qt::KeyboardModifiers modifiers);

// Watches every key press of the application, whichever of its windows has the focus, and
// reports the hot-key chords by id. It never consumes an event: the focused control still
// receives the key as usual.
class HotKeyFilter final : public QObject {
 public:
  using Handler = std::function<void(int id)>;

  HotKeyFilter(Handler handler, QObject* parent);

  // Starts or stops listening; stopping is what closing the window does.
  void Register();
  void Unregister();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
  bool nativeCodesAreXkb_;
};

}  // namespace zelto::app
