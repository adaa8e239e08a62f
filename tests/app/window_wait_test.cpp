// The window while a device keeps it waiting: the busy cursor, the windows painted, and nothing
// of the user's or of the timers getting in before the wait is over.
#include "window_test_support.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

namespace zelto::app {
namespace {

using testing::Find;

bool BusyCursorShows() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

// A connected Velmor-7 on the simulator, in a window that takes any wait as long enough to be
// noticed, so that a silent or slow device makes it keep itself painted.
class Waiting : public ::testing::Test {
 protected:
  Waiting() : window("Velmor7", NoticingEveryWait(sim)) {
    testing::RecordMessages(window, shown);
    window.show();
    testing::ConnectDevice(window);
    EXPECT_TRUE(window.Link().IsDeviceConnected());
  }

  static LinkSetup NoticingEveryWait(const sim::Simulator& sim) {
    LinkSetup setup = testing::WithSimulator(sim);
    setup.waitNoticedAfter = std::chrono::milliseconds(0);
    return setup;
  }
  // The keep-alive's tick, as its timer delivers it.
  void KeepAliveTick() {
    QMetaObject::invokeMethod(Find<QTimer>(window, "TimeConnect"), "timeout");
  }

  sim::Simulator sim{testing::kVelmor};
  TZelto window;
  QStringList shown;
};

// Records each paint of a control: whether the busy cursor showed, and the status then.
class Paints : public QObject {
 public:
  Paints(QWidget& control, const QWidget& window) : window_(window) {
    control.installEventFilter(this);
  }
  struct Paint {
    bool busy;
    QString status;
  };
  std::vector<Paint> seen;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      seen.push_back({BusyCursorShows(), testing::Status(window_)});
    return false;
  }

 private:
  const QWidget& window_;
};

TEST_F(Waiting, ASilentDevicesKeepAliveShowsTheBusyCursorAndTheWindowStaysPainted) {
  const QString before = testing::Status(window);
  auto* status = Find<QLabel>(window, "StatusPanel3");
  auto* progress = Find<QProgressBar>(window, "TransferBar");
  Paints statusPaints(*status, window);
  Paints progressPaints(*progress, window);
  status->update();  // asked for before the tick; only the event loop paints it
  progress->update();
  sim.SetFault(sim::Fault::SilentFrom(1));
  KeepAliveTick();

  EXPECT_EQ(testing::Status(window), "Прибор отключен");
  ASSERT_FALSE(statusPaints.seen.empty());
  EXPECT_TRUE(statusPaints.seen.front().busy);
  EXPECT_EQ(statusPaints.seen.front().status, before);  // during the wait, not after it
  ASSERT_FALSE(progressPaints.seen.empty());
  EXPECT_TRUE(progressPaints.seen.front().busy);
  EXPECT_FALSE(BusyCursorShows());  // back once the tick's handler has returned
}

TEST_F(Waiting, NoTickNoInputAndNoCloseGetsInBeforeTheWaitIsOver) {
  int ticks = 0;
  QTimer due;
  QObject::connect(&due, &QTimer::timeout, [&] { ++ticks; });
  due.start(0);
  // A click on "Отключить прибор" and a close of the window, both queued while the device is
  // still being asked.
  auto* device = Find<QToolButton>(window, "OpenDev");
  const QPointF centre = device->rect().center();
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QCoreApplication::postEvent(
        device, new QMouseEvent(type, centre, device->mapToGlobal(centre), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier));
  }
  QMetaObject::invokeMethod(
      &window, [this] { window.windowHandle()->close(); }, Qt::QueuedConnection);
  sim.SetFault(sim::Fault::Late());  // the device answers, slowly
  KeepAliveTick();

  due.stop();
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(window.Link().IsDeviceConnected());  // the click waits for the check
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(testing::Status(window), "Прибор подключен");

  QCoreApplication::processEvents();
  EXPECT_FALSE(window.Link().IsDeviceConnected());
  EXPECT_FALSE(device->isChecked());
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace zelto::app
