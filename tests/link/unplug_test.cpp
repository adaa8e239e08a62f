// The device going away under an open port, as an unplugged adapter does, and coming back.
#include "link/memory_reads.h"
#include "link/status_texts.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

using sim::Fault;
using testing::SimulatedLink;
using Strings = std::vector<std::string>;

constexpr int kVelmor = 2;

class Unplugged : public ::testing::Test {
 protected:
  Unplugged() {
    bench.OpenSim();
    bench.link.ConnectDevice(kVelmor);
    bench.Forget();
  }

  // What the link tells the window when it lets the port go by itself.
  void ExpectPortReleasedAsGone() {
    EXPECT_EQ(bench.reporter.statuses,
              (Strings{kStatusDisconnected, PortGoneStatus(bench.simPort, bench.sim.Path())}));
    EXPECT_EQ(bench.view.events, (Strings{"disconnected", "released"}));
    EXPECT_FALSE(bench.link.IsPortOpen());
    EXPECT_FALSE(bench.link.IsDeviceConnected());
    EXPECT_EQ(bench.link.State().PortNo, 0);
    EXPECT_EQ(bench.link.State().LinkFlags, 0);
    EXPECT_TRUE(bench.link.PortWentAway());
  }

  SimulatedLink bench;
};

TEST_F(Unplugged, TheNextExchangeFailsWithoutReadingAndReleasesThePort) {
  bench.sim.Unplug();
  EXPECT_FALSE(bench.link.Request(16, PayloadFromWord(7), CmdWriteWord));
  EXPECT_EQ(bench.counts->reads, 0);
  ExpectPortReleasedAsGone();
  EXPECT_EQ(PortGoneStatus(bench.simPort, bench.sim.Path()),
            "Порт Com" + std::to_string(bench.simPort) + " (" + bench.sim.Path() + ") отключен");
}

TEST_F(Unplugged, DuringAReadTheSequenceEndsThereWithThePortStatusLast) {
  bench.sim.SetFault(Fault::UnplugAt(3));
  EEImage image{};
  EXPECT_EQ(ReadEEImage(bench.link, image, bench.reporter), ServiceOutcome::kNoAnswer);
  // The read that met the hang-up ended with it, and was not read again.
  EXPECT_EQ(bench.counts->readResults, (std::vector<int>{12, 12, 0}));
  ExpectPortReleasedAsGone();
}

TEST_F(Unplugged, TheKeepAliveFindsThePortGoneAndSaysItOnce) {
  bench.sim.Unplug();
  EXPECT_FALSE(bench.link.CheckDevice(kVelmor));
  ExpectPortReleasedAsGone();
  EXPECT_EQ(bench.link.ConnectDevice(kVelmor), IdentifyOutcome::kPortClosed);
}

TEST_F(Unplugged, ThePortOpensAgainWhenTheDeviceIsBack) {
  bench.sim.Unplug();
  bench.link.Request(16, PayloadFromWord(7), CmdWriteWord);
  ASSERT_FALSE(bench.link.IsPortOpen());
  bench.sim.PlugIn();

  // The system may give the device its old path, and so the old number, or a new one.
  const int again = bench.link.Ports().Add(bench.sim.Path(), "simulator");
  EXPECT_TRUE(bench.link.SelectPort(again));
  EXPECT_EQ(bench.link.ConnectDevice(kVelmor), IdentifyOutcome::kMatched);
  EXPECT_FALSE(bench.link.PortWentAway());
  EXPECT_TRUE(bench.link.Request(16, PayloadFromWord(7), CmdWriteWord));
}

}  // namespace
}  // namespace zelto
