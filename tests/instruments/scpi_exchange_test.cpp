#include "instruments/instrument_connection.h"
#include "link/interface_language.h"
#include "sim/bench_instrument.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <vector>

namespace zelto::instruments {
namespace {

using namespace std::chrono_literals;
using sim::BenchInstrument;
using sim::BenchRole;
using sim::InstrumentFault;
using Transport = sim::LineServer::Transport;

// Short enough that a silent instrument costs little, long enough for a loaded machine.
const ScpiTimeouts kTimeouts{300ms, 2000ms, {}};

// The far end's loop: the current the test sets, and what the calibrator applied.
class TestLoop final : public sim::BenchLoop {
 public:
  bool Source(sim::SourceQuantity quantity, double value) override {
    const std::lock_guard lock(mutex_);
    applied.emplace_back(quantity, value);
    return quantity != sim::SourceQuantity::kCurrent;  // as a thermometer's input would
  }
  double LoopCurrent() const override { return amperes; }

  std::atomic<double> amperes = 0.012;
  std::vector<std::pair<sim::SourceQuantity, double>> applied;

 private:
  std::mutex mutex_;
};

InstrumentSetting SettingOf(const std::string& address) {
  const std::string text = address.starts_with("tcp:") ? address : "serial:" + address;
  return std::get<InstrumentSetting>(ParseInstrumentSetting(text));
}

std::unique_ptr<CurrentMeter> Meter(const BenchInstrument& peer,
                                    std::string query = std::string(kDefaultMeterQuery)) {
  auto connected = ConnectMeter(SettingOf(peer.Address()), {std::move(query), kTimeouts}, {});
  if (auto* failure = std::get_if<InstrumentFailure>(&connected)) {
    ADD_FAILURE() << FailureWords(*failure).toStdString();
    return nullptr;
  }
  return std::move(std::get<std::unique_ptr<CurrentMeter>>(connected));
}

std::unique_ptr<Calibrator> Source(const BenchInstrument& peer, const std::string& command) {
  auto connected =
      ConnectCalibrator(SettingOf(peer.Address()),
                        std::get<CommandTemplate>(CommandTemplate::Parse(command)), kTimeouts);
  if (auto* failure = std::get_if<InstrumentFailure>(&connected)) {
    ADD_FAILURE() << FailureWords(*failure).toStdString();
    return nullptr;
  }
  return std::move(std::get<std::unique_ptr<Calibrator>>(connected));
}

InstrumentFailure FailureOf(const Reading& reading) {
  EXPECT_TRUE(std::holds_alternative<InstrumentFailure>(reading));
  return std::holds_alternative<InstrumentFailure>(reading) ? std::get<InstrumentFailure>(reading)
                                                            : InstrumentFailure{};
}

class Exchange : public ::testing::TestWithParam<Transport> {
 protected:
  TestLoop loop_;
};

INSTANTIATE_TEST_SUITE_P(OverEachLine, Exchange,
                         ::testing::Values(Transport::kPseudoTerminal, Transport::kTcp));

TEST_P(Exchange, AMeterIdentifiesItselfAndReadsTheCurrentInMilliamperes) {
  BenchInstrument peer(BenchRole::kCurrentMeter, GetParam(), loop_);
  const auto meter = Meter(peer);
  ASSERT_TRUE(meter);
  EXPECT_FALSE(meter->IsManual());
  EXPECT_EQ(std::get<std::string>(meter->Identify()), "Zelto,Simulated current meter,SIM-0001,1.0");
  EXPECT_DOUBLE_EQ(std::get<double>(meter->ReadMilliamperes()), 12.0);
  loop_.amperes = 0.0203456;
  EXPECT_DOUBLE_EQ(std::get<double>(meter->ReadMilliamperes()), 20.3456);
  EXPECT_EQ(peer.Lines(), (std::vector<std::string>{"*IDN?", "MEAS:CURR:DC?", "MEAS:CURR:DC?"}));
}

TEST_P(Exchange, AMeterAsksTheQueryItWasGiven) {
  BenchInstrument peer(BenchRole::kCurrentMeter, GetParam(), loop_);
  const auto meter = Meter(peer, "READ?");
  ASSERT_TRUE(meter);
  EXPECT_DOUBLE_EQ(std::get<double>(meter->ReadMilliamperes()), 12.0);
  EXPECT_EQ(peer.Lines(), std::vector<std::string>{"READ?"});
}

TEST_P(Exchange, ACalibratorSendsTheFilledCommandOncePerPoint) {
  BenchInstrument peer(BenchRole::kCalibrator, GetParam(), loop_);
  const auto calibrator = Source(peer, "SOUR:RES {ohm}");
  ASSERT_TRUE(calibrator);
  EXPECT_EQ(std::get<std::string>(calibrator->Identify()),
            "Zelto,Simulated calibrator,SIM-0002,1.0");
  EXPECT_EQ(calibrator->Apply({50.0, 119.3971, std::nullopt, std::nullopt}), std::nullopt);
  EXPECT_EQ(calibrator->Apply({100.0, 138.5055, std::nullopt, std::nullopt}), std::nullopt);
  ASSERT_TRUE(peer.WaitForLines(3, 2s));
  EXPECT_EQ(peer.Lines(),
            (std::vector<std::string>{"*IDN?", "SOUR:RES 119.3971", "SOUR:RES 138.5055"}));
  EXPECT_EQ(loop_.applied.back(), std::make_pair(sim::SourceQuantity::kResistance, 138.5055));
}

TEST_P(Exchange, ACalibratorRefusesAPointWithoutItsCommandsValueAndSendsNothing) {
  BenchInstrument peer(BenchRole::kCalibrator, GetParam(), loop_);
  const auto calibrator = Source(peer, "SOUR:RES {ohm}");
  ASSERT_TRUE(calibrator);
  const auto failure = calibrator->Apply({500.0, std::nullopt, 20.644, std::nullopt});
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->kind, FailureKind::kNoValueForField);
  EXPECT_EQ(failure->detail, "{ohm}");
  EXPECT_EQ(
      FailureWords(*failure).toStdString(),
      "Калибратор " + calibrator->Name() + ": в команде поле {ohm}, которого нет у этого входа");
  EXPECT_TRUE(peer.Lines().empty());
}

TEST_P(Exchange, AMeterThatMisbehavesGivesItsFailureInWords) {
  BenchInstrument peer(BenchRole::kCurrentMeter, GetParam(), loop_);
  const auto meter = Meter(peer);
  ASSERT_TRUE(meter);
  const std::string name = meter->Name();
  const struct {
    InstrumentFault fault;
    FailureKind kind;
    std::string words;
  } cases[]{
      {InstrumentFault::Silent(), FailureKind::kSilent, "Измеритель тока " + name + " не отвечает"},
      {InstrumentFault::Garbage(), FailureKind::kNotANumber,
       "Измеритель тока " + name + " ответил не числом: #?OVLD?"},
      {InstrumentFault::Overload(), FailureKind::kOverload,
       "Измеритель тока " + name + " сообщает о перегрузке: 9.90000000E+37"},
  };
  for (const auto& c : cases) {
    peer.SetFault(c.fault);
    const InstrumentFailure failure = FailureOf(meter->ReadMilliamperes());
    EXPECT_EQ(failure.kind, c.kind) << c.words;
    EXPECT_EQ(failure.role, InstrumentRole::kCurrentMeter);
    EXPECT_EQ(FailureWords(failure).toStdString(), c.words);
  }
  peer.SetFault(InstrumentFault::None());
  EXPECT_DOUBLE_EQ(std::get<double>(meter->ReadMilliamperes()), 12.0);
}

TEST_P(Exchange, ASilentMeterIsWaitedForInSlicesThatLetTheCallerPaint) {
  BenchInstrument peer(BenchRole::kCurrentMeter, GetParam(), loop_);
  std::vector<std::chrono::milliseconds> waits;
  ScpiTimeouts timeouts = kTimeouts;
  timeouts.whileWaiting = [&waits](std::chrono::milliseconds waited) { waits.push_back(waited); };
  auto connected =
      ConnectMeter(SettingOf(peer.Address()), {std::string(kDefaultMeterQuery), timeouts}, {});
  ASSERT_TRUE(std::holds_alternative<std::unique_ptr<CurrentMeter>>(connected));
  const auto& meter = std::get<std::unique_ptr<CurrentMeter>>(connected);
  waits.clear();
  peer.SetFault(InstrumentFault::Silent());
  EXPECT_EQ(FailureOf(meter->ReadMilliamperes()).kind, FailureKind::kSilent);
  // Called again and again while the time-out runs, never past it.
  ASSERT_GE(waits.size(), 2u);
  EXPECT_TRUE(std::is_sorted(waits.begin(), waits.end()));
  EXPECT_LE(waits.back(), kTimeouts.reply + 100ms);
}

TEST_P(Exchange, ALateAnswerIsNeverTakenForTheNextOne) {
  BenchInstrument peer(BenchRole::kCurrentMeter, GetParam(), loop_);
  const auto meter = Meter(peer);
  ASSERT_TRUE(meter);
  peer.SetFault(InstrumentFault::Late(kTimeouts.reply + 200ms));
  EXPECT_EQ(FailureOf(meter->ReadMilliamperes()).kind, FailureKind::kSilent);
  ASSERT_TRUE(peer.WaitForAnswers(1, 5s));  // the late 12 mA is on the line now
  peer.SetFault(InstrumentFault::None());
  loop_.amperes = 0.016;
  EXPECT_DOUBLE_EQ(std::get<double>(meter->ReadMilliamperes()), 16.0);
}

TEST(Connection, ThatCannotBeMadeSaysWhy) {
  const std::string nowhere = "serial:/dev/zelto-no-such-port";
  auto serial = ConnectMeter(SettingOf("/dev/zelto-no-such-port"), {}, {});
  ASSERT_TRUE(std::holds_alternative<InstrumentFailure>(serial));
  const auto& failure = std::get<InstrumentFailure>(serial);
  EXPECT_EQ(failure.kind, FailureKind::kNotConnected);
  EXPECT_EQ(failure.instrument, nowhere);
  EXPECT_FALSE(failure.detail.empty());
  EXPECT_TRUE(FailureWords(failure).startsWith(
      QString::fromStdString("Измеритель тока " + nowhere + " не подключается: ")));

  std::string closedPort;
  {
    TestLoop loop;
    const BenchInstrument gone(BenchRole::kCalibrator, Transport::kTcp, loop);
    closedPort = gone.Address();
  }
  auto tcp = ConnectCalibrator(SettingOf(closedPort),
                               std::get<CommandTemplate>(CommandTemplate::Parse("SOUR:TEMP {c}")),
                               kTimeouts);
  ASSERT_TRUE(std::holds_alternative<InstrumentFailure>(tcp));
  EXPECT_EQ(std::get<InstrumentFailure>(tcp).kind, FailureKind::kNotConnected);
  EXPECT_EQ(std::get<InstrumentFailure>(tcp).role, InstrumentRole::kCalibrator);
}

TEST(Connection, LostMidwayIsSaidSo) {
  TestLoop loop;
  auto peer = std::make_unique<BenchInstrument>(BenchRole::kCurrentMeter, Transport::kTcp, loop);
  const auto meter = Meter(*peer);
  ASSERT_TRUE(meter);
  EXPECT_DOUBLE_EQ(std::get<double>(meter->ReadMilliamperes()), 12.0);
  peer.reset();
  EXPECT_EQ(FailureOf(meter->ReadMilliamperes()).kind, FailureKind::kLineLost);
}

TEST(Connection, OfACalibratorNeedsItsCommandUnlessItIsManual) {
  const auto manual = ConnectCalibrator(
      std::get<InstrumentSetting>(ParseInstrumentSetting("manual")), std::nullopt, kTimeouts);
  ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Calibrator>>(manual));
  EXPECT_TRUE(std::get<std::unique_ptr<Calibrator>>(manual)->IsManual());
  const auto scpi = ConnectCalibrator(SettingOf("tcp:127.0.0.1:5025"), std::nullopt, kTimeouts);
  ASSERT_TRUE(std::holds_alternative<InstrumentFailure>(scpi));
  EXPECT_EQ(std::get<InstrumentFailure>(scpi).kind, FailureKind::kNoCommand);
}

TEST(ManualMeter, ReadsWhatTheUserGivesUntilNothingComes) {
  std::vector<double> typed{12.01, 16.02};
  auto connected = ConnectMeter(std::get<InstrumentSetting>(ParseInstrumentSetting("manual")), {},
                                [&]() -> std::optional<double> {
                                  if (typed.empty())
                                    return std::nullopt;
                                  const double value = typed.front();
                                  typed.erase(typed.begin());
                                  return value;
                                });
  auto& meter = *std::get<std::unique_ptr<CurrentMeter>>(connected);
  EXPECT_TRUE(meter.IsManual());
  EXPECT_EQ(std::get<std::string>(meter.Identify()), "");
  EXPECT_EQ(std::get<double>(meter.ReadMilliamperes()), 12.01);
  EXPECT_EQ(std::get<double>(meter.ReadMilliamperes()), 16.02);
  const InstrumentFailure none = FailureOf(meter.ReadMilliamperes());
  EXPECT_EQ(none.kind, FailureKind::kNothingEntered);
  EXPECT_EQ(FailureWords(none).toStdString(), "Значение тока не введено");
}

TEST(FailureWords, SpeakTheInterfacesLanguageWithTheValuesInPlace) {
  const InstrumentFailure garbled{InstrumentRole::kCurrentMeter, FailureKind::kNotANumber,
                                  "tcp:10.0.0.5:5025", "50 %1 %2"};
  const InstrumentFailure silent{
      InstrumentRole::kCalibrator, FailureKind::kSilent, "serial:/dev/ttyUSB1", {}};
  ASSERT_TRUE(InstallTranslations(InterfaceLanguage::kEnglish));
  const QString english = FailureWords(garbled);
  const QString englishSilent = FailureWords(silent);
  InstallTranslations(InterfaceLanguage::kRussian);
  EXPECT_EQ(english.toStdString(),
            "Current meter tcp:10.0.0.5:5025 answered with no number: 50 %1 %2");
  EXPECT_EQ(englishSilent.toStdString(), "Calibrator serial:/dev/ttyUSB1 does not answer");
  EXPECT_EQ(FailureWords(garbled).toStdString(),
            "Измеритель тока tcp:10.0.0.5:5025 ответил не числом: 50 %1 %2");
}

}  // namespace
}  // namespace zelto::instruments
