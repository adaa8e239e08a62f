#include "link/link.h"
#include "sim/simulator.h"
#include "window_test_support.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <bit>

namespace zelto::app {
namespace {

using testing::Find;
using testing::Pick;

// The window connected to a simulated transmitter of the model it starts with.
class WindowConnected : public ::testing::TestWithParam<int> {
 protected:
  explicit WindowConnected(int model = 2) : sim(model) {
    window.show();
    QApplication::setActiveWindow(&window);  // the fields take the focus as the user moves it
    if (model != 2)
      Pick(*Find<QComboBox>(window, "TypeDevice"), model);
    QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>(window, "OpenDev"), Qt::LeftButton);
    sim.ClearRequests();
  }

  QString Status() const { return testing::Status(window); }
  QString Memo() const { return Find<QPlainTextEdit>(window, "InforF")->toPlainText(); }
  void Click(const char* button) {
    QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
  }
  // A click on the box itself; the check box is wider than its caption.
  void Tick(const char* name) {
    auto* box = Find<QCheckBox>(window, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }
  void Type(const char* field, const QString& text) {
    auto* edit = Find<QLineEdit>(window, field);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  std::array<std::uint8_t, 4> Word(int address) const {
    const auto memory = sim.Memory();
    return {memory[address], memory[address + 1], memory[address + 2], memory[address + 3]};
  }

  sim::Simulator sim;
  TZelto window{"Velmor7", testing::WithSimulator(sim)};
};

class VelmorConnected : public WindowConnected {};
class DastraConnected : public WindowConnected {
 protected:
  DastraConnected() : WindowConnected(1) {}
};

TEST(StartedWithASimulator, ConnectsToTheModelChosenAtStartAndShowsItsView) {
  sim::Simulator sim(1);
  TZelto window{"Velmor7", testing::WithSimulator(sim)};
  window.ChooseDevice(1);
  window.show();
  EXPECT_EQ(Find<QComboBox>(window, "TypeDevice")->currentText(), "Dastra-2");
  EXPECT_TRUE(Find<QComboBox>(window, "TypeSensor_1")->isVisible());
  EXPECT_FALSE(Find<QComboBox>(window, "TypeSensor_2")->isVisible());
  QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton);
  QTest::mouseClick(Find<QToolButton>(window, "OpenDev"), Qt::LeftButton);
  EXPECT_TRUE(window.Link().IsDeviceConnected()) << testing::Status(window).toStdString();
}

TEST_F(VelmorConnected, WritesWhatTheWindowShowsAndReadsItBack) {
  ASSERT_TRUE(window.Link().IsDeviceConnected());
  Pick(*Find<QComboBox>(window, "TypeSensor_2"), 9);  // type J
  Type("RangeMax", "600");
  Tick("SetCoolJunk");
  Pick(*Find<QComboBox>(window, "SetSheme"), 1);
  QTest::mouseClick(Find<QButtonGroup>(window, "SetOutCurrentItems")->button(1), Qt::LeftButton);
  Tick("SetSensorBreak");

  Click("WriteToCom");
  EXPECT_EQ(Status(), "Запись завершена");
  EXPECT_EQ(Find<QProgressBar>(window, "TransferBar")->value(), 100);
  EXPECT_EQ(Word(0), (std::array<std::uint8_t, 4>{9, 1, 1, 0}));
  EXPECT_EQ(Word(4), (std::array<std::uint8_t, 4>{1, 1, 0, 0}));
  EXPECT_EQ(Word(116), (std::array<std::uint8_t, 4>{9, 2, 0, 1}));
  EXPECT_EQ(sim.Requests().back()[10], 3);  // ActConfigDone closes the sequence
  EXPECT_FALSE(window.Link().State().LinkFlags & fWriting);

  Click("ReadFromCom");
  EXPECT_EQ(Status(), "Чтение завершено");
  const QString memo = Memo();
  EXPECT_TRUE(memo.contains("Схема подключения:3-проводная")) << memo.toStdString();
  EXPECT_TRUE(memo.contains("Диапазон выхода:(0...20)мА")) << memo.toStdString();
  EXPECT_TRUE(memo.contains("Тип датчика:термопара ТЖК (J)(-50...+1100)°C")) << memo.toStdString();
  EXPECT_TRUE(memo.contains("Диапазон:(-50...+600)°C")) << memo.toStdString();
}

TEST_F(VelmorConnected, ADeviceThatFallsSilentStopsTheWrite) {
  sim.SetFault(sim::Fault::SilentFrom(2));
  Click("WriteToCom");
  EXPECT_EQ(Status(), "Прибор не отвечает");
  EXPECT_EQ(sim.Requests().size(), 2u);
  EXPECT_FALSE(window.Link().State().LinkFlags & fWriting);
}

TEST_F(DastraConnected, CorrectsTheRangeAndResetsTheCorrection) {
  ASSERT_TRUE(window.Link().IsDeviceConnected());
  Type("SchiftFull", "13,8");  // 0,2 mA above the nominal 13,6
  Click("WriteUser");
  EXPECT_EQ(Status(), "Запись завершена");
  EXPECT_NE(window.Config().Au, 1.0f);
  EXPECT_EQ(std::bit_cast<float>(zelto::testing::WordAt(sim.Memory(), 84)), window.Config().Au);

  Click("WriteFabric");
  EXPECT_EQ(Status(), "Запись завершена");
  EXPECT_EQ(window.Config().Au, 1.0f);
  EXPECT_EQ(Word(84), (std::array<std::uint8_t, 4>{0, 0, 0x80, 0x3F}));
  // The reset takes the measured currents back to the nominal ones, and the fields show it.
  EXPECT_EQ(Find<QLineEdit>(window, "SchiftFull")->text(), "13,6");
}

TEST_F(DastraConnected, ACorrectionBetweenEqualPointsIsRefusedAndSendsNothing) {
  Type("SetFull", "0");     // refused: T2 must stay above T1
  Type("RangeMax", "0");    // refused: the range must not be empty
  Type("RangeMin", "100");  // T1 and T2 both move up to 100
  ASSERT_EQ(window.Config().TmpZero, window.Config().TmpFull);
  sim.ClearRequests();
  Click("WriteUser");
  EXPECT_EQ(Status(), "Коррекция не вычислена: сигналы в двух точках совпадают");
  EXPECT_TRUE(sim.Requests().empty());
}

}  // namespace
}  // namespace zelto::app
