#include "app/hot_keys.h"

#include "window_test_support.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

namespace zelto::app {
namespace {

using testing::Find;

constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrlAltShift = kCtrlShift | Qt::AltModifier;

// A key press as the platform delivers it: to the window first, which hands it to the focus.
void PressOnWindow(QWidget& window, int key, Qt::KeyboardModifiers modifiers,
                   quint32 nativeScanCode = 0) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, nativeScanCode, 0, 0);
  QCoreApplication::sendEvent(window.windowHandle(), &press);
}

void Arm(QWidget& window) {
  PressOnWindow(window, Qt::Key_R, kCtrlAltShift);
}
void Toggle(QWidget& window) {
  PressOnWindow(window, Qt::Key_K, kCtrlAltShift);
}

class ServiceView : public ::testing::Test {
 protected:
  ServiceView() {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  bool Shown() {
    const auto* pages = Find<QTabWidget>(window, "Function");
    const bool tabs = pages->isTabVisible(2) && pages->isTabVisible(3);
    const bool panels = Find<QWidget>(window, "ServicePan")->isVisible() &&
                        Find<QWidget>(window, "WorkFiles")->isVisible();
    EXPECT_EQ(tabs, panels) << "the service view shows or hides as a whole";
    EXPECT_EQ(tabs, window.ServiceView().ServiceShown());
    return tabs && panels;
  }
  TZelto window{"Velmor7"};
};

TEST_F(ServiceView, ArmThenToggleShowsAndToggleAloneHides) {
  Toggle(window);
  EXPECT_FALSE(Shown()) << "toggle without arming does nothing";

  Arm(window);
  Arm(window);
  PressOnWindow(window, Qt::Key_A, Qt::NoModifier);  // other input may come between
  Toggle(window);
  EXPECT_TRUE(Shown());

  Arm(window);
  Toggle(window);
  EXPECT_FALSE(Shown());
  Toggle(window);
  EXPECT_FALSE(Shown()) << "hiding disarms";

  Arm(window);
  Toggle(window);
  EXPECT_TRUE(Shown()) << "armed again after a hide";
  Toggle(window);
  EXPECT_FALSE(Shown()) << "the toggle alone hides";
}

TEST_F(ServiceView, ChordsWorkWhileAFieldHasTheFocus) {
  auto* field = Find<QLineEdit>(window, "SetZero");
  window.activateWindow();
  field->setFocus();
  Arm(window);
  Toggle(window);
  EXPECT_TRUE(Shown());
}

TEST_F(ServiceView, ChordsFollowThePhysicalKeyOnARussianLayout) {
  // On a Russian layout the R and K keys type К and Л.
  PressOnWindow(window, u'К', kCtrlAltShift);
  PressOnWindow(window, u'Л', kCtrlAltShift);
  EXPECT_TRUE(Shown());
}

TEST_F(ServiceView, NearMissesDoNothing) {
  PressOnWindow(window, Qt::Key_R, kCtrlShift);  // Alt missing
  Toggle(window);
  EXPECT_FALSE(Shown());
  Arm(window);
  PressOnWindow(window, Qt::Key_K, kCtrlAltShift | Qt::MetaModifier);
  EXPECT_FALSE(Shown());
}

TEST_F(ServiceView, ClosedWindowNoLongerListens) {
  window.close();
  Arm(window);
  Toggle(window);
  EXPECT_FALSE(window.ServiceView().ServiceShown());
}

// The ids are the window's to act on; what matters here is which chords are one.
TEST(HotKeyChords, OnlyTheExactModifiersMakeAChordAndTheKeypadDoesNotCount) {
  ASSERT_TRUE(HotKeyId(Qt::Key_F11, Qt::ControlModifier));
  EXPECT_EQ(HotKeyId(Qt::Key_F11, Qt::ControlModifier | Qt::KeypadModifier),
            HotKeyId(Qt::Key_F11, Qt::ControlModifier));
  EXPECT_FALSE(HotKeyId(Qt::Key_J, kCtrlAltShift));
  EXPECT_FALSE(HotKeyId(Qt::Key_F11, Qt::NoModifier));
}

TEST(HotKeyChords, PhysicalKeyFromXkbCodeBeforeTheLayoutsLetter) {
  // X11 and Wayland report the XKB key code: 45 is the key engraved K, whatever it types.
  const QKeyEvent russianK(QEvent::KeyPress, u'Л', kCtrlAltShift, 45, 0x6cb, 0);
  EXPECT_EQ(PhysicalKey(russianK, true), Qt::Key_K);
  const QKeyEvent f11(QEvent::KeyPress, Qt::Key_F11, Qt::ControlModifier, 95, 0, 0);
  EXPECT_EQ(PhysicalKey(f11, true), Qt::Key_F11);
  // Elsewhere scan codes mean other things; the letter decides.
  const QKeyEvent latinJ(QEvent::KeyPress, Qt::Key_J, kCtrlShift, 45, 0, 0);
  EXPECT_EQ(PhysicalKey(latinJ, false), Qt::Key_J);
  const QKeyEvent smallCyrillic(QEvent::KeyPress, u'й', kCtrlShift, 0, 0, 0);
  EXPECT_EQ(PhysicalKey(smallCyrillic, false), Qt::Key_Q);
  const QKeyEvent digit(QEvent::KeyPress, Qt::Key_1, kCtrlShift, 0, 0, 0);
  EXPECT_EQ(PhysicalKey(digit, false), 0);
}

}  // namespace
}  // namespace zelto::app
