// The link, the configuration sequences and the service reads against a line in bad shape:
// replies late, cut, behind noise, malformed, too long or missing, a few thousand exchanges
// drawn from seeded generators, so that a failure reproduces from the seed it names. What
// must hold is judged from the bytes that crossed the port, not from the link's own state.
#include "calib/calibration_transfers.h"
#include "config/read_summary.h"
#include "config/write_sequences.h"
#include "device_test_support.h"
#include "link/memory_reads.h"
#include "link/monitor.h"
#include "link/status_texts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace zelto {
namespace {

using sim::Fault;
using testing::CountingPort;
using testing::DeviceBench;
using testing::MemoReporter;

constexpr int kDastra = 1;
constexpr int kVelmor = 2;
constexpr int kTypeK = 11;

// Pauses of up to eight units reach from inside the gap to past both reads of an exchange.
constexpr LinkTimeouts kHostileTimeouts{5, 1, 20};
constexpr std::chrono::milliseconds kUnit{5};
constexpr std::chrono::seconds kSettle{10};

// One request as the port saw it: the frame written and the reads that followed it.
struct Exchange {
  std::vector<std::uint8_t> request;
  std::vector<std::vector<std::uint8_t>> reads;

  int CommandCode() const { return request.size() == kFrameSize ? request[10] : -1; }
  bool Answered() const { return !reads.empty() && !reads.back().empty(); }

  // The reply buffer after the reads: cleared, the first read, and a re-read over it.
  Frame Reply() const {
    Frame reply{};
    for (const auto& read : reads)
      std::copy_n(read.begin(), std::min(read.size(), reply.size()), reply.begin());
    return reply;
  }
};

std::vector<Exchange> Exchanges(const CountingPort::Counts& counts) {
  std::vector<Exchange> exchanges;
  for (const CountingPort::Transfer& transfer : counts.transfers) {
    if (transfer.written) {
      exchanges.push_back({transfer.bytes, {}});
    } else if (!exchanges.empty()) {
      exchanges.back().reads.push_back(transfer.bytes);
    } else {
      ADD_FAILURE() << "a read before any request";
    }
  }
  return exchanges;
}

// No read outlasts the link's time-outs, and no exchange reads more than once over: the
// whole of what a silent line can cost.
void ExpectBoundedReads(const CountingPort::Counts& counts,
                        const std::vector<Exchange>& exchanges) {
  for (const LinkTimeouts& timeouts : counts.readTimeouts) {
    EXPECT_EQ(timeouts.gapMs, kHostileTimeouts.gapMs);
    EXPECT_EQ(timeouts.TotalMs(kFrameSize), kHostileTimeouts.TotalMs(kFrameSize));
  }
  for (const Exchange& exchange : exchanges) {
    ASSERT_LE(exchange.reads.size(), 2u);
    if (exchange.reads.size() == 2) {
      const auto& first = exchange.reads.front();
      EXPECT_TRUE(first.size() <= kDevTypeOffset || first[kDevTypeOffset] == 0)
          << "a re-read after a complete reply";
    }
  }
}

// Waits until the device has seen every request the link sent, so that nothing of one round
// spills into the next round's request log.
void Settle(DeviceBench& bench, std::size_t requests) {
  ASSERT_TRUE(bench.sim.WaitForRequests(requests, kSettle));
}

void Restart(DeviceBench& bench, int seed) {
  bench.sim.SetFault(Fault::Hostile(seed, kUnit));
  bench.Forget();
}

TEST(HostileLine, IdentificationTakesOnlyAWellFormedReplyOfTheSelectedModel) {
  constexpr int kIdentifications = 600;
  DeviceBench bench(kVelmor, kHostileTimeouts);
  bench.link.ConnectDevice(kVelmor);
  for (int round = 0; round < kIdentifications; ++round) {
    const int seed = 5000 + round;
    SCOPED_TRACE("seed " + std::to_string(seed));
    Restart(bench, seed);
    const int model = round % 3;  // the right one every third time
    const IdentifyOutcome outcome = bench.link.Identify(model);

    const auto exchanges = Exchanges(*bench.counts);
    ASSERT_EQ(exchanges.size(), 1u);
    ExpectBoundedReads(*bench.counts, exchanges);
    const Frame reply = exchanges.front().Reply();
    const bool wellFormed = reply[0] == kFrameHeader && reply[1] == kReplyTag &&
                            reply[kDevTypeOffset] >= 1 && reply[kDevTypeOffset] <= 3;
    if (!exchanges.front().Answered()) {
      EXPECT_EQ(outcome, IdentifyOutcome::kNoAnswer);
    } else if (!wellFormed) {
      EXPECT_NE(outcome, IdentifyOutcome::kMatched);
    } else {
      EXPECT_EQ(outcome, reply[kDevTypeOffset] == model + 1 ? IdentifyOutcome::kMatched
                                                            : IdentifyOutcome::kWrongModel);
    }
    Settle(bench, exchanges.size());
  }
}

// A device operation as the hostile rounds run it; true when it reports itself done.
struct Operation {
  const char* name;
  int model;
  std::function<bool(Link&, MemoReporter&)> run;
};

config::ConfigRecord TypeKRecord(int model) {
  config::ConfigRecord record = testing::Configured(model, kTypeK);
  testing::SetRange(record, 0, 1000);
  config::SilentConfigView view;
  config::AssignField(record, config::kQuantityTmpFull, 900.0f, 2, view);
  config::AssignField(record, config::kQuantityTmpZero, 100.0f, 2, view);
  config::AssignField(record, config::kQuantityZero, 5.7f, 2, view);
  config::AssignField(record, config::kQuantityFull, 18.2f, 2, view);
  return record;
}

std::vector<Operation> Operations() {
  using config::DeviceOutcome;
  const auto configWrite = [](int model) {
    return [model](Link& link, MemoReporter& reporter) {
      auto record = TypeKRecord(model);
      return config::WriteConfiguration(link, reporter, record, model, false,
                                        {false, 0, false, 2, false}) == DeviceOutcome::kDone;
    };
  };
  const auto service = [](auto read) {
    return [read](Link& link, MemoReporter& reporter) {
      EEImage image{};
      return read(link, image, reporter) == ServiceOutcome::kDone;
    };
  };
  return {
      {"ReadSummary", kDastra,
       [](Link& link, MemoReporter& reporter) {
         const auto record = TypeKRecord(kDastra);
         return config::ReadSummary(link, reporter, record, kDastra) == DeviceOutcome::kDone;
       }},
      {"WriteConfiguration", kDastra, configWrite(kDastra)},
      {"WriteConfiguration Velmor-7", kVelmor, configWrite(kVelmor)},
      {"WriteCorrection", kDastra,
       [](Link& link, MemoReporter& reporter) {
         auto record = TypeKRecord(kDastra);
         EEImage image{};
         return config::WriteCorrection(link, reporter, record, kDastra, false, {}, image) ==
                DeviceOutcome::kDone;
       }},
      {"ReadEEImage", kVelmor, service(ReadEEImage)},
      {"ReadTablesImage", kDastra, service(ReadTablesImage)},
      {"ReadCalibration", kVelmor,
       [](Link& link, MemoReporter& reporter) {
         calib::CalibBlock block{};
         return calib::ReadCalibration(link, block, kVelmor, true, reporter) ==
                ServiceOutcome::kDone;
       }},
      {"PollMonitor", kVelmor,
       [](Link& link, MemoReporter& reporter) {
         MonitorValues values{};
         return PollMonitor(link, values, MonitorSet::kFull, {}, reporter) == ServiceOutcome::kDone;
       }},
  };
}

std::vector<sim::Frame> WordWrites(const std::vector<sim::Frame>& requests) {
  std::vector<sim::Frame> writes;
  std::copy_if(
      requests.begin(), requests.end(), std::back_inserter(writes),
      [](const sim::Frame& frame) { return frame[sim::kCommandOffset] == sim::kWriteWord; });
  return writes;
}

TEST(HostileLine, SequencesStopAtTheFirstSilenceAndSendOnlyTheirOwnWordsInOrder) {
  constexpr std::size_t kLeastExchanges = 3000;
  const std::vector<Operation> operations = Operations();
  std::map<int, std::unique_ptr<DeviceBench>> benches;
  // The word writes of each operation when every reply comes.
  std::vector<std::vector<sim::Frame>> meant;
  for (const Operation& operation : operations) {
    auto& bench = benches[operation.model];
    if (!bench) {
      bench = std::make_unique<DeviceBench>(operation.model, kHostileTimeouts);
      ASSERT_EQ(bench->link.ConnectDevice(operation.model), IdentifyOutcome::kMatched);
    }
    bench->sim.ClearRequests();
    ASSERT_TRUE(operation.run(bench->link, bench->reporter)) << operation.name;
    meant.push_back(WordWrites(bench->sim.Requests()));
  }

  std::size_t total = 0;
  for (int round = 0; total < kLeastExchanges; ++round) {
    const std::size_t which = static_cast<std::size_t>(round) % operations.size();
    const Operation& operation = operations[which];
    const int seed = 1 + round;
    SCOPED_TRACE(std::string(operation.name) + ", seed " + std::to_string(seed));
    DeviceBench& bench = *benches[operation.model];
    Restart(bench, seed);
    const bool done = operation.run(bench.link, bench.reporter);

    const auto exchanges = Exchanges(*bench.counts);
    total += exchanges.size();
    ExpectBoundedReads(*bench.counts, exchanges);
    // A request without any reply ends the sequence there; an action's reply changes nothing.
    const auto silent = std::find_if(exchanges.begin(), exchanges.end(), [](const Exchange& e) {
      return e.CommandCode() != CmdAction && !e.Answered();
    });
    if (silent == exchanges.end()) {
      EXPECT_TRUE(done);
    } else {
      EXPECT_FALSE(done);
      EXPECT_EQ(silent + 1, exchanges.end()) << "sent on after a silence";
      EXPECT_EQ(bench.reporter.statuses.back(), kStatusNoAnswer);
    }
    Settle(bench, exchanges.size());
    const auto written = WordWrites(bench.sim.Requests());
    ASSERT_LE(written.size(), meant[which].size());
    EXPECT_TRUE(std::equal(written.begin(), written.end(), meant[which].begin()))
        << "a word the sequence did not mean to send";
  }
}

}  // namespace
}  // namespace zelto
