#include "window_test_support.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <bit>

namespace zelto::app {
namespace {

using testing::Find;
using testing::Pick;

// The window connected to a simulated transmitter of the model it starts with.
class WindowConnected : public ::testing::Test, public testing::OnSimulator {
 protected:
  explicit WindowConnected(int model) : OnSimulator(model) {
    Connect();
    sim.ClearRequests();
  }

  QString Memo() const { return Find<QPlainTextEdit>(window, "InforF")->toPlainText(); }
  // A click on the box itself; the check box is wider than its caption.
  void Tick(const char* name) {
    auto* box = Find<QCheckBox>(window, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }
  std::array<std::uint8_t, 4> Word(int address) const {
    const auto memory = sim.Memory();
    return {memory[address], memory[address + 1], memory[address + 2], memory[address + 3]};
  }
};

class VelmorConnected : public WindowConnected {
 protected:
  VelmorConnected() : WindowConnected(testing::kVelmor) {}
};
class DastraConnected : public WindowConnected {
 protected:
  DastraConnected() : WindowConnected(testing::kDastra2) {}
};

TEST(StartedWithASimulator, ConnectsToTheModelChosenAtStartAndShowsItsView) {
  sim::Simulator sim(1);
  TZelto window{"Velmor7", testing::WithSimulator(sim)};
  window.ChooseDevice(1);
  window.show();
  EXPECT_EQ(Find<QComboBox>(window, "TypeDevice")->currentText(), "Dastra-2");
  EXPECT_TRUE(Find<QComboBox>(window, "TypeSensor_1")->isVisible());
  EXPECT_FALSE(Find<QComboBox>(window, "TypeSensor_2")->isVisible());
  testing::ConnectDevice(window);
  EXPECT_TRUE(window.Link().IsDeviceConnected()) << testing::Status(window).toStdString();
}

TEST_F(VelmorConnected, WritesWhatTheWindowShowsAndReadsItBack) {
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
  for (const char* line :
       {"Схема подключения:3-проводная", "Диапазон выхода:(0...20)мА",
        "Тип датчика:термопара ТЖК (J)(-50...+1100)°C", "Диапазон:(-50...+600)°C"})
    EXPECT_TRUE(Memo().contains(line)) << Memo().toStdString();
}

TEST_F(DastraConnected, CorrectsTheRangeAndResetsTheCorrection) {
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
