#include "link/status_texts.h"
#include "link_test_support.h"
#include "scratch_folder.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace zelto {
namespace {

using sim::Fault;
using testing::SimulatedLink;
using Strings = std::vector<std::string>;

constexpr int kVelmor = 2;

TEST(Identify, ConnectsEachModelWithOneRequest) {
  for (const int model : {0, 1, 2}) {
    SimulatedLink bench(model);
    bench.OpenSim();
    EXPECT_EQ(bench.link.ConnectDevice(model), IdentifyOutcome::kMatched) << model;
    EXPECT_TRUE(bench.link.IsDeviceConnected());
    EXPECT_EQ(bench.reporter.statuses, Strings{kStatusConnected});
    EXPECT_EQ(bench.view.events, (Strings{"identifying", "connected"}));
    EXPECT_EQ(bench.sim.Requests().size(), 1u);
  }
}

TEST(Identify, TellsTheFailuresApart) {
  struct Row {
    Fault fault;
    IdentifyOutcome outcome;
    const char* status;
  };
  const Row rows[] = {
      {Fault::SilentFrom(1), IdentifyOutcome::kNoAnswer, kStatusNoAnswer},
      {Fault::WrongHeader(), IdentifyOutcome::kBadReply, kStatusBadReply},
      {Fault::TypeCode(4), IdentifyOutcome::kBadReply, kStatusBadReply},
      {Fault::Garbage(), IdentifyOutcome::kBadReply, kStatusBadReply},
      {Fault::TypeCode(1), IdentifyOutcome::kWrongModel, kStatusWrongModel},
      {Fault::ZeroType(), IdentifyOutcome::kNoAnswer, kStatusNoAnswer},
  };
  SimulatedLink bench(kVelmor);
  bench.OpenSim();
  for (const Row& row : rows) {
    bench.sim.SetFault(row.fault);
    bench.Forget();
    EXPECT_EQ(bench.link.ConnectDevice(kVelmor), row.outcome) << row.status;
    EXPECT_EQ(bench.reporter.statuses, Strings{row.status});
    EXPECT_EQ(bench.view.events, (Strings{"identifying", "connect failed"}));
    EXPECT_FALSE(bench.link.IsDeviceConnected());
  }
}

TEST(KeepAlive, DisconnectsWhenTheDeviceFallsSilent) {
  SimulatedLink bench;
  bench.OpenSim();
  bench.link.ConnectDevice(kVelmor);
  EXPECT_TRUE(bench.link.CheckDevice(kVelmor));
  bench.sim.SetFault(Fault::SilentFrom(1));
  bench.Forget();

  EXPECT_FALSE(bench.link.CheckDevice(kVelmor));
  EXPECT_EQ(bench.reporter.statuses, (Strings{kStatusNoAnswer, kStatusDisconnected}));
  EXPECT_EQ(bench.view.events, (Strings{"identifying", "disconnected"}));
  EXPECT_FALSE(bench.link.IsDeviceConnected());
  EXPECT_TRUE(bench.link.IsPortOpen());
}

TEST(SelectPort, SameNumberTwiceOpensThenReleases) {
  SimulatedLink bench;
  EXPECT_TRUE(bench.link.SelectPort(bench.simPort));
  const int n = bench.simPort;
  EXPECT_EQ(bench.link.State().PortNo, n);
  EXPECT_EQ(bench.link.State().LinkFlags, fPortOpen | (n & 0x0F));
  EXPECT_FALSE(bench.link.SelectPort(n));
  EXPECT_EQ(bench.link.State().PortNo, 0);
  EXPECT_EQ(bench.link.State().LinkFlags, 0);
  EXPECT_EQ(bench.reporter.statuses,
            (Strings{SearchingStatus(n, bench.sim.Path()), kStatusPortOpen, kStatusPortClosed}));
  EXPECT_EQ(bench.view.events, (Strings{"opened " + std::to_string(n), "released"}));
}

TEST(SelectPort, AnotherNumberReleasesTheFirstPort) {
  SimulatedLink bench;
  sim::Simulator second(kVelmor);
  const int other = bench.link.Ports().Add(second.Path(), "second");
  bench.link.SelectPort(bench.simPort);
  bench.link.ConnectDevice(kVelmor);
  bench.Forget();

  EXPECT_TRUE(bench.link.SelectPort(other));
  EXPECT_EQ(bench.reporter.statuses,
            (Strings{kStatusDisconnected, kStatusPortClosed, SearchingStatus(other, second.Path()),
                     kStatusPortOpen}));
  EXPECT_EQ(bench.link.State().PortNo, other);
  EXPECT_EQ(bench.link.ConnectDevice(kVelmor), IdentifyOutcome::kMatched);
  EXPECT_EQ(second.Requests().size(), 1u);
}

TEST(SelectPort, NumbersThatAreNoPortAreRefusedWithTheirText) {
  SimulatedLink bench;
  for (const int n : {0, -1, 256, 300}) {
    EXPECT_FALSE(bench.link.SelectPort(n)) << n;
    EXPECT_EQ(bench.reporter.LastStatus(), "Неверный номер порта Com" + std::to_string(n));
  }
  EXPECT_EQ(bench.reporter.statuses.size(), 4u);
  EXPECT_TRUE(bench.view.events.empty());
  EXPECT_EQ(bench.link.State().PortNo, 0);
}

TEST(SelectPort, APortPluggedInAfterTheLastScanIsFoundWhenOpened) {
  SimulatedLink bench;
  sim::Simulator later(kVelmor);
  std::vector<SystemPort> present;
  bench.link.SetPortScanner([&present] { return present; });
  bench.link.ListPorts();
  const int next = bench.simPort + 1;
  EXPECT_FALSE(bench.link.SelectPort(next));
  EXPECT_EQ(bench.reporter.LastStatus(), "Порт Com" + std::to_string(next) + " не найден");
  EXPECT_EQ(bench.reporter.statuses.front(), "Поиск на Com" + std::to_string(next) + ". Ждите!");
  bench.Forget();

  present.push_back({later.Path(), "adapter"});  // plugged in; no scan since
  EXPECT_TRUE(bench.link.SelectPort(next));
  EXPECT_EQ(bench.reporter.statuses, (Strings{SearchingStatus(next, later.Path()), "Порт открыт"}));
}

TEST(SelectPort, PortSeventeenLeavesOneInTheLowBits) {
  sim::Simulator sim(kVelmor);
  testing::MemoReporter reporter;
  testing::RecordingView view;
  Link link(reporter, view, testing::kTestTimeouts);
  for (int i = 1; i <= 16; ++i)
    link.Ports().Add("/nonexistent/" + std::to_string(i), "");
  ASSERT_EQ(link.Ports().Add(sim.Path(), "simulator"), 17);
  EXPECT_TRUE(link.SelectPort(17));
  EXPECT_EQ(link.State().PortNo, 17);
  EXPECT_EQ(link.State().LinkFlags & 0x0F, 1);
}

TEST(ReleasePort, DisconnectsTheDeviceFirst) {
  SimulatedLink bench;
  bench.OpenSim();
  bench.link.ConnectDevice(kVelmor);
  bench.link.SetWriting(true);
  bench.Forget();
  bench.link.ReleasePort();
  EXPECT_EQ(bench.reporter.statuses, (Strings{kStatusDisconnected, kStatusPortClosed}));
  EXPECT_EQ(bench.view.events, (Strings{"disconnected", "released"}));
  EXPECT_EQ(bench.link.State().LinkFlags, fWriting);  // bits 4, 5, 7 and the port bits clear

  bench.Forget();
  bench.link.ReleasePort();  // closed already: nothing at all
  EXPECT_TRUE(bench.reporter.statuses.empty());
  EXPECT_TRUE(bench.view.events.empty());
}

TEST(OpenFailure, SaysThePortIsMissingAndAllowsARetry) {
  SimulatedLink bench;
  const int missing = bench.link.Ports().Add("/dev/does-not-exist", "");
  EXPECT_FALSE(bench.link.SelectPort(missing));
  const std::string path = "/dev/does-not-exist";
  const Strings expected{SearchingStatus(missing, path),
                         OpenFailureStatus(missing, OpenFailure::kNoDevice, path)};
  EXPECT_EQ(bench.reporter.statuses, expected);
  EXPECT_EQ(bench.view.events, Strings{"failed " + std::to_string(missing)});
  EXPECT_EQ(bench.link.State().PortNo, 0);
  EXPECT_EQ(bench.link.State().LinkFlags, 0);

  // The same number again is a new attempt, not a release of a port that never opened.
  bench.Forget();
  EXPECT_FALSE(bench.link.SelectPort(missing));
  EXPECT_EQ(bench.reporter.statuses, expected);

  bench.Forget();
  EXPECT_FALSE(bench.link.SelectPort(99));  // a number without a device
  EXPECT_EQ(bench.reporter.LastStatus(), OpenFailureStatus(99, OpenFailure::kNoDevice));
}

// The hold is on the device, not on its name: a link to it is as busy as the port itself.
TEST(OpenFailure, SaysThePortIsBusyWhenAnotherHoldsItUnderEitherName) {
  SimulatedLink first;
  first.OpenSim();
  const testing::ScratchFolder folder;
  const std::string alias = folder.PathOf("alias");
  std::filesystem::create_symlink(first.sim.Path(), alias);
  testing::MemoReporter reporter;
  testing::RecordingView view;
  Link second(reporter, view, testing::kTestTimeouts);
  const int direct = second.Ports().Add(first.sim.Path(), "simulator");
  EXPECT_FALSE(second.SelectPort(direct));
  EXPECT_EQ(reporter.LastStatus(), "Порт Com" + std::to_string(direct) + " (" + first.sim.Path() +
                                       ") занят другой программой");
  const int n = second.Ports().Add(alias, "alias");
  EXPECT_FALSE(second.SelectPort(n));
  EXPECT_EQ(second.LastOpenFailure(), OpenFailure::kBusy);
  EXPECT_EQ(first.link.ConnectDevice(kVelmor), IdentifyOutcome::kMatched);

  // The hold ends with the port: then the other name opens it.
  first.link.ReleasePort();
  EXPECT_TRUE(second.SelectPort(n));
  EXPECT_EQ(second.ConnectDevice(kVelmor), IdentifyOutcome::kMatched);
}

TEST(OpenFailure, OnlyARealPermissionFailureAsksForTheDialoutGroup) {
  struct Row {
    QSerialPort::SerialPortError error;
    OpenDiagnosis diagnosis;
    OpenFailure failure;
  };
  using Qt = QSerialPort;
  const Row rows[] = {
      {Qt::PermissionError, {.accessError = EACCES}, OpenFailure::kNoAccess},
      {Qt::PermissionError, {.accessError = EPERM}, OpenFailure::kNoAccess},
      {Qt::PermissionError, {}, OpenFailure::kBusy},
      // Qt's lock file is named after the device: a name too long for it fails the lock.
      {Qt::PermissionError, {.pathError = ENAMETOOLONG}, OpenFailure::kBadName},
      {Qt::PermissionError, {.descriptorsLeft = false}, OpenFailure::kNoResources},
      {Qt::UnknownError, {.descriptorsLeft = false}, OpenFailure::kNoResources},
      {Qt::UnknownError, {.pathError = ELOOP}, OpenFailure::kBadName},
      {Qt::DeviceNotFoundError, {.pathError = ENOENT}, OpenFailure::kNoDevice},
      {Qt::UnknownError, {.characterDevice = false}, OpenFailure::kNotSerial},
      {Qt::UnsupportedOperationError, {}, OpenFailure::kNotSerial},
      {Qt::UnknownError, {.accessError = EROFS}, OpenFailure::kOther},
      {Qt::OpenError, {}, OpenFailure::kOther},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ClassifyOpenFailure(row.error, row.diagnosis), row.failure)
        << row.error << " " << row.diagnosis.pathError << " " << row.diagnosis.accessError;
  }
  EXPECT_EQ(OpenFailureStatus(4, OpenFailure::kNoAccess),
            "Нет доступа к порту Com4: добавьте пользователя в группу dialout (sudo usermod -aG "
            "dialout $USER) и войдите в систему снова");
}

TEST(OpenFailure, SaysWhatIsWrongWithThePath) {
  SimulatedLink bench;
  const std::pair<std::string, std::string> cases[] = {
      {"/dev/" + std::string(5000, 'a'), "Недопустимое имя устройства порта Com"},
      {::testing::TempDir(), " не является последовательным портом"},
      {"/dev/null", " не является последовательным портом"}};
  for (const auto& [path, text] : cases) {
    EXPECT_FALSE(bench.link.SelectPort(bench.link.Ports().Add(path, "")));
    EXPECT_NE(bench.reporter.LastStatus().find(text), std::string::npos)
        << path.substr(0, 40) << ": " << bench.reporter.LastStatus();
  }
}

// The user knows a port by the path typed or picked, not by the number the program gave it.
TEST(PortTexts, NameThePortByItsPathWhereItHasOne) {
  struct Row {
    std::string text;
    std::string expected;
  };
  const Row rows[] = {
      {SearchingStatus(2, "/dev/ttyUSB0"), "Поиск на Com2 (/dev/ttyUSB0). Ждите!"},
      {SearchingStatus(2), "Поиск на Com2. Ждите!"},
      {OpenFailureStatus(2, OpenFailure::kNoDevice, "/dev/ttyUSB0"),
       "Порт Com2 (/dev/ttyUSB0) не найден"},
      {OpenFailureStatus(3, OpenFailure::kOther, "ttyS2"), "Порт Com3 (ttyS2) не открывается"},
      {PortGoneStatus(17, "/dev/ttyACM0"), "Порт Com17 (/dev/ttyACM0) отключен"},
      {InvalidPortNumberStatus(300), "Неверный номер порта Com300"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.text, row.expected);
}

TEST(Speed, FollowsTheTableAndIgnoresOtherRates) {
  testing::MemoReporter reporter;
  NoConnectionView view;
  Link link(reporter, view);
  for (const auto& [rate, index] : {std::pair{9600, 2}, {1200, 2}, {4800, 1}}) {
    link.SelectSpeed(rate);
    EXPECT_EQ(link.State().SpeedIndex, index) << rate;
  }
}

}  // namespace
}  // namespace zelto
