#include "app/hot_keys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include <array>

namespace zelto::app {
namespace {

struct Chord {
  int id;
  int key;
  Qt::KeyboardModifiers modifiers;
};

constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrlAltShift = kCtrlShift | Qt::AltModifier;

constexpr std::array<Chord, 9> kChords{{
    {10, Qt::Key_J, kCtrlShift},
    {11, Qt::Key_Q, kCtrlShift},
    {12, Qt::Key_K, kCtrlAltShift},
    {13, Qt::Key_R, kCtrlAltShift},
    {14, Qt::Key_Y, kCtrlShift},
    {15, Qt::Key_U, kCtrlShift},
    {16, Qt::Key_N, kCtrlAltShift},
    {17, Qt::Key_X, kCtrlAltShift},
    {18, Qt::Key_F11, Qt::ControlModifier},
}};

// XKB key codes (Linux evdev code + 8) of the letter keys and F11, in key order A..Z.
constexpr std::array<quint32, 26> kXkbLetterCodes{
    38, 56, 54, 40, 26, 41, 42, 43, 31, 44, 45, 46, 58,  // A..M
    57, 32, 33, 24, 27, 39, 28, 30, 55, 25, 53, 29, 52,  // N..Z
};
constexpr quint32 kXkbF11 = 95;

// The Russian ЙЦУКЕН layout, letter by letter, on the keys A..Z of the US layout.
constexpr std::array<char16_t, 26> kCyrillicOnLatinKeys{
    u'Ф', u'И', u'С', u'В', u'У', u'А', u'П', u'Р', u'Ш', u'О', u'Л', u'Д', u'Ь',  // A..M
    u'Т', u'Щ', u'З', u'Й', u'К', u'Ы', u'Е', u'Г', u'М', u'Ц', u'Ч', u'Н', u'Я',  // N..Z
};

int KeyFromXkbCode(quint32 code) {
  if (code == kXkbF11)
    return Qt::Key_F11;
  for (std::size_t i = 0; i < kXkbLetterCodes.size(); ++i) {
    if (kXkbLetterCodes[i] == code)
      return Qt::Key_A + static_cast<int>(i);
  }
  return 0;
}

int KeyFromCyrillicLetter(int key) {
  const QChar upper = QChar(static_cast<char16_t>(key)).toUpper();
  for (std::size_t i = 0; i < kCyrillicOnLatinKeys.size(); ++i) {
    if (kCyrillicOnLatinKeys[i] == upper.unicode())
      return Qt::Key_A + static_cast<int>(i);
  }
  return 0;
}

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier;

}  // namespace

int PhysicalKey(const QKeyEvent& event, bool nativeCodesAreXkb) {
  if (nativeCodesAreXkb && event.nativeScanCode() != 0) {
    if (const int key = KeyFromXkbCode(event.nativeScanCode()))
      return key;
  }
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_F11)
    return key;
  if (key > 0 && key <= 0xFFFF)
    return KeyFromCyrillicLetter(key);
  return 0;
}

std::optional<int> HotKeyId(int physicalKey, Qt::KeyboardModifiers modifiers) {
  modifiers &= kChordModifiers;
  for (const Chord& chord : kChords) {
    if (chord.key == physicalKey && chord.modifiers == modifiers)
      return chord.id;
  }
  return std::nullopt;
}

HotKeyFilter::HotKeyFilter(Handler handler, QObject* parent)
    : QObject(parent),
      handler_(std::move(handler)),
      nativeCodesAreXkb_(QGuiApplication::platformName() == u"xcb" ||
                         QGuiApplication::platformName().startsWith(u"wayland")) {
  setObjectName(QStringLiteral("ApplicationEvents1"));
}

void HotKeyFilter::Register() {
  QCoreApplication::instance()->installEventFilter(this);
}

void HotKeyFilter::Unregister() {
  QCoreApplication::instance()->removeEventFilter(this);
}

bool HotKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  // A key press reaches the window first and then travels from the focused widget up through
  // its parents; taking it at the window sees each press exactly once.
  if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    if (!keyEvent.isAutoRepeat()) {
      const auto id = HotKeyId(PhysicalKey(keyEvent, nativeCodesAreXkb_), keyEvent.modifiers());
      if (id)
        handler_(*id);
    }
  }
  return false;
}

}  // namespace zelto::app
