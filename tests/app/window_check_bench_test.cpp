// The output check in the window with a meter and a calibrator that read and set themselves: the
// simulated bench's SCPI instruments around the simulated transmitter, its unit off by a gain
// error. The settle waits are skipped by the wizard's clock, which lets the test look at the
// wizard, and cancel, where the user would while a point settles.
#include "config/nominal_currents.h"
#include "rig/simulated_bench.h"
#include "window_check_support.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <utility>

namespace zelto::app {
namespace {

using namespace std::chrono_literals;
using sim::LineServer;
using testing::Click;
using testing::Find;
using testing::kDastra2;

constexpr const char* kMeterIdentity = "Zelto,Simulated current meter,SIM-0001,1.0";
constexpr const char* kCalibratorIdentity = "Zelto,Simulated calibrator,SIM-0002,1.0";

// A connected Dastra-2 with the bench around it, and the wizard set up for the bench's
// instruments as the user types them; its waits are skipped.
class WindowCheckBench : public testing::WindowCheck {
 protected:
  CheckWizard& OpenOnBench(LineServer::Transport transport, rig::UnitError error = {}) {
    Start(kDastra2);
    bench_.emplace(config::kDeviceDastra2, Device(), error, transport);
    CheckWizard& wizard = OpenWizard();
    wizard.SkipWaits([this, &wizard] {
      CalibratorHasApplied(wizard);
      if (whileSettling_)
        whileSettling_();
    });
    Type(wizard, "CheckTag", QStringLiteral("TT-201"));
    Type(wizard, "CheckSettle", QStringLiteral("1"));  // skipped, as every wait is
    Type(wizard, "CheckMeter", Address(Bench().Meter()));
    Type(wizard, "CheckSource", Address(Bench().Calibrator()));
    Type(wizard, "CheckSourceCommand", QStringLiteral("SOUR:TEMP {c}"));
    return wizard;
  }

  rig::SimulatedBench& Bench() { return *bench_; }

  // The calibrator's line and the meter's are two lines served apart, as on a real bench; with
  // the settle time skipped, the meter could be read before the calibrator has carried out the
  // point's command (a real bench waits the settle time). Waits until it has, so that every
  // reading is of the point it is taken for.
  void CalibratorHasApplied(const CheckWizard& wizard) {
    const auto record = wizard.Record();
    if (!record)
      return;
    const std::size_t points =
        record->asFound.size() + (record->asLeft ? record->asLeft->size() : 0) + 1;
    const auto commands = [this] {
      const auto lines = Bench().Calibrator().Lines();
      return static_cast<std::size_t>(std::count_if(
          lines.begin(), lines.end(), [](const auto& l) { return l.starts_with("SOUR"); }));
    };
    // The window's events go on meanwhile: the simulated transmitter the unit reads is served
    // by them.
    ASSERT_TRUE(QTest::qWaitFor([&] { return commands() >= points; }, 5000))
        << "the calibrator never had the point's command";
  }
  // Runs while the wizard waits for a point to settle, after the window's events.
  void WhileSettling(std::function<void()> action) { whileSettling_ = std::move(action); }

  static void Type(CheckWizard& wizard, const char* field, const QString& text) {
    auto* edit = Find<QLineEdit>(wizard, field);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  // Reads every point of the pass with "Измерить". Until then the calibrator applies nothing,
  // and the page says what to press.
  static void MeasurePass(CheckWizard& wizard) {
    ASSERT_EQ(Page(wizard), "CheckPassPage") << StatusOf(wizard).toStdString();
    ASSERT_FALSE(Find<QLineEdit>(wizard, "CheckTypedCurrent")->isVisible());
    EXPECT_EQ(Find<QLabel>(wizard, "CheckPrompt")->text(),
              "Нажмите «Измерить»: калибратор подаст " +
                  Find<QTableWidget>(wizard, "CheckTable")->item(0, kSignalColumn)->text());
    Click(wizard, "CheckMeasure");
    ASSERT_EQ(Find<QLabel>(wizard, "CheckPrompt")->text(), "Все точки измерены")
        << StatusOf(wizard).toStdString();
  }

 private:
  static QString Address(const sim::BenchInstrument& instrument) {
    const QString address = QString::fromStdString(instrument.Address());
    return address.startsWith(QLatin1String("tcp:")) ? address : "serial:" + address;
  }
  std::optional<rig::SimulatedBench> bench_;  // after the transmitter it reads, so gone first
  std::function<void()> whileSettling_;
};

double LargestError(const std::vector<check::MeasuredPoint>& points) {
  double largest = 0.0;
  for (const check::MeasuredPoint& point : points)
    largest = std::max(largest, std::abs(point.error));
  return largest;
}

TEST_F(WindowCheckBench, FindsTheGainErrorCorrectsItAndPassesAsLeftOverSerialLines) {
  CheckWizard& wizard = OpenOnBench(LineServer::Transport::kPseudoTerminal, {1.004, 0});
  Click(wizard, "CheckTestConnection");
  EXPECT_EQ(
      Find<QLabel>(wizard, "CheckIdentities")->text().toStdString(),
      std::string("Измеритель тока: ") + kMeterIdentity + "\nКалибратор: " + kCalibratorIdentity);

  // While each point settles, the page shows that point: its row, what the calibrator applies,
  // and the settling until the meter's first reading comes, then the live reading.
  const QRegularExpression reading(QStringLiteral("^Показание: \\d+,\\d{3} мА$"));
  int settlingShown = 0;
  int readingsShown = 0;
  std::set<std::pair<bool, int>> pointsShown;  // (as left, row)
  WhileSettling([&] {
    const auto record = wizard.Record();
    const bool asLeft = record->asLeft.has_value();
    const int row = static_cast<int>(asLeft ? record->asLeft->size() : record->asFound.size());
    const auto& table = *Find<QTableWidget>(wizard, "CheckTable");
    const auto selected = table.selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), row);
    EXPECT_EQ(Find<QLabel>(wizard, "CheckPrompt")->text(),
              "Калибратор подаёт " + table.item(row, kSignalColumn)->text());
    pointsShown.emplace(asLeft, row);
    const QString shown = Find<QLabel>(wizard, "CheckReading")->text();
    settlingShown += shown == "Выдержка…";
    readingsShown += reading.match(shown).hasMatch();
    EXPECT_TRUE(shown == "Выдержка…" || reading.match(shown).hasMatch()) << shown.toStdString();
  });
  Click(wizard, "CheckNext");
  MeasurePass(wizard);
  EXPECT_GT(settlingShown, 0);
  EXPECT_GT(readingsShown, 0);
  Click(wizard, "CheckNext");
  ASSERT_EQ(Page(wizard), "CheckVerdictPage");
  EXPECT_EQ(Find<QLabel>(wizard, "CheckVerdict")->text(), "До подстройки: не годен");

  Click(wizard, "CheckAdjust");
  ASSERT_EQ(Find<QLabel>(wizard, "CheckPassTitle")->text(), "После подстройки")
      << StatusOf(wizard).toStdString();
  EXPECT_EQ(StatusOf(wizard), "");
  EXPECT_TRUE(AnyWordWritten());
  Device().ClearRequests();
  MeasurePass(wizard);
  EXPECT_EQ(pointsShown.size(), 10u) << "each point of both passes";
  Click(wizard, "CheckNext");
  EXPECT_TRUE(Find<QLabel>(wizard, "CheckVerdict")->text().startsWith("Итог: годен"));
  Click(wizard, "CheckClose");

  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].result, check::CheckResult::kPass);
  EXPECT_EQ(kept[0].instruments, (std::vector<std::string>{kMeterIdentity, kCalibratorIdentity}));
  EXPECT_GT(LargestError(kept[0].asFound), kept[0].tolerance);
  ASSERT_TRUE(kept[0].asLeft.has_value());
  ASSERT_EQ(kept[0].asLeft->size(), 5u);
  EXPECT_LE(LargestError(*kept[0].asLeft), 0.05);
  EXPECT_FALSE(AnyWordWritten()) << "the as-left pass only reads";
}

TEST_F(WindowCheckBench, CancelWhileAPointSettlesKeepsWhatWasMeasuredAndSendsNothingMore) {
  CheckWizard& wizard = OpenOnBench(LineServer::Transport::kTcp, {1.004, 0});
  Click(wizard, "CheckNext");
  MeasurePass(wizard);
  Click(wizard, "CheckNext");
  Click(wizard, "CheckAdjust");
  ASSERT_EQ(Find<QLabel>(wizard, "CheckPassTitle")->text(), "После подстройки")
      << StatusOf(wizard).toStdString();
  const sim::MemoryImage corrected = Device().Memory();
  Device().ClearRequests();

  // Cancel once the second as-left point shows its first reading.
  std::size_t meterLines = 0;
  std::size_t calibratorLines = 0;
  WhileSettling([&] {
    const auto record = wizard.Record();
    if (meterLines > 0 || !record || !record->asLeft || record->asLeft->size() != 1 ||
        Find<QLabel>(wizard, "CheckReading")->text().isEmpty())
      return;
    meterLines = Bench().Meter().Lines().size();
    calibratorLines = Bench().Calibrator().Lines().size();
    Click(wizard, "CheckCancel");
  });
  Click(wizard, "CheckMeasure");
  ASSERT_GT(meterLines, 0u) << "never cancelled";
  EXPECT_FALSE(wizard.isVisible());

  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].result, check::CheckResult::kCancelled);
  EXPECT_EQ(kept[0].stopped, check::CheckStop::kUser);
  EXPECT_EQ(kept[0].asFound.size(), 5u);
  EXPECT_TRUE(kept[0].adjustment.has_value());
  ASSERT_TRUE(kept[0].asLeft.has_value());
  EXPECT_EQ(kept[0].asLeft->size(), 1u);
  EXPECT_EQ(Device().Memory(), corrected);
  EXPECT_FALSE(AnyWordWritten());
  EXPECT_EQ(Bench().Meter().Lines().size(), meterLines);
  EXPECT_EQ(Bench().Calibrator().Lines().size(), calibratorLines);
}

TEST_F(WindowCheckBench, ASilentMeterStopsTheCheckWithItsWordsAndNothingIsWritten) {
  CheckWizard& wizard = OpenOnBench(LineServer::Transport::kTcp);
  // Its time-out as short as the simulated bench allows: the silence is seen in milliseconds.
  wizard.SetInstrumentTimeouts({100ms, 3000ms, {}});
  const std::string silent = "Измеритель тока " + Bench().Meter().Address() + " не отвечает";

  // Silent from the start: *IDN? is not answered, and the check does not begin. The calibrator
  // answers all the same, before its command is filled in.
  Bench().Meter().SetFault(sim::InstrumentFault::Silent());
  Type(wizard, "CheckSourceCommand", {});
  EXPECT_EQ(Find<QLineEdit>(wizard, "CheckSourceCommand")->placeholderText(),
            "например, SOUR:TEMP {c}");
  Click(wizard, "CheckTestConnection");
  EXPECT_EQ(Find<QLabel>(wizard, "CheckIdentities")->text().toStdString(),
            silent + "\nКалибратор: " + kCalibratorIdentity);
  Type(wizard, "CheckSourceCommand", QStringLiteral("SOUR:TEMP {c}"));
  Click(wizard, "CheckNext");
  EXPECT_EQ(Page(wizard), "CheckSetupPage");
  EXPECT_EQ(StatusOf(wizard).toStdString(), silent);
  EXPECT_TRUE(Kept().empty());

  // Silent once the check is under way: it stops at the first point.
  Bench().Meter().SetFault(sim::InstrumentFault::None());
  Click(wizard, "CheckNext");
  ASSERT_EQ(Page(wizard), "CheckPassPage") << StatusOf(wizard).toStdString();
  Bench().Meter().SetFault(sim::InstrumentFault::Silent());
  Click(wizard, "CheckMeasure");
  EXPECT_EQ(Page(wizard), "CheckVerdictPage");
  EXPECT_EQ(StatusOf(wizard).toStdString(), silent);
  EXPECT_FALSE(Find<QPushButton>(wizard, "CheckAdjust")->isVisible());

  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].result, check::CheckResult::kCancelled);
  EXPECT_EQ(kept[0].stopped, check::CheckStop::kMeter);
  EXPECT_TRUE(kept[0].asFound.empty());
  EXPECT_FALSE(AnyWordWritten());
  Click(wizard, "CheckClose");
}

}  // namespace
}  // namespace zelto::app
