#include "sim/simulator.h"

#include "sim_request.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace zelto::sim {
namespace {

// A bare serial client of the far end, without Qt.
class Client {
 public:
  explicit Client(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {}
  ~Client() {
    if (fd_ >= 0)
      close(fd_);
  }
  bool IsOpen() const { return fd_ >= 0; }
  int Descriptor() const { return fd_; }

  void Send(const Frame& frame) { ASSERT_EQ(write(fd_, frame.data(), frame.size()), 12); }

  // Up to count bytes; gives up after a generous wait, so that a broken simulator fails the
  // test instead of hanging it.
  std::vector<std::uint8_t> Receive(std::size_t count) {
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < count) {
      pollfd ready{fd_, POLLIN, 0};
      if (poll(&ready, 1, 5000) <= 0)
        break;
      std::array<std::uint8_t, 64> chunk{};
      const ssize_t got = read(fd_, chunk.data(), std::min(chunk.size(), count - bytes.size()));
      if (got <= 0)
        break;
      bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
    }
    return bytes;
  }

 private:
  int fd_;
};

Frame Identification() {
  return testing::Request(kIdentifyAddress, 0, kReadRam);
}

// Enough requests to fill the line with replies, and not so many that the rest would not fit
// in the line the other way while the simulator waits.
constexpr int kLineFillingRequests = 2000;
constexpr std::chrono::seconds kGenerously{10};

TEST(Simulator, ServesOneClientAfterAnotherOnARawLine) {
  Simulator simulator(1);
  for (int round = 0; round < 2; ++round) {
    Client client(simulator.Path());
    ASSERT_TRUE(client.IsOpen());
    termios line{};
    ASSERT_EQ(tcgetattr(client.Descriptor(), &line), 0);
    EXPECT_EQ(line.c_lflag & (ECHO | ICANON), 0u);
    client.Send(Identification());
    const auto reply = client.Receive(12);
    ASSERT_EQ(reply.size(), 12u) << "round " << round;
    EXPECT_EQ(reply[9], 2);
  }
  EXPECT_EQ(simulator.Requests().size(), 2u);
}

TEST(Simulator, FindsTheRequestBehindNoise) {
  Simulator simulator(2);
  Client client(simulator.Path());
  // Header bytes among the noise, one of them ahead of a frame whose checksum is wrong.
  std::vector<std::uint8_t> noise{0x00, 0xCA, 0x12, 0xFF, 0x35, 0xCA, 0xCA};
  Frame broken = Identification();
  broken[11] ^= 0x01;
  noise.insert(noise.end(), broken.begin(), broken.end());
  noise.insert(noise.end(), 3000, 0x5A);
  ASSERT_EQ(write(client.Descriptor(), noise.data(), noise.size()),
            static_cast<ssize_t>(noise.size()));
  client.Send(Identification());
  const auto reply = client.Receive(12);
  ASSERT_EQ(reply.size(), 12u);
  EXPECT_EQ(reply[9], 3);
}

TEST(Simulator, KeepsOnlyTheMostRecentRequests) {
  Simulator simulator(2);
  Client client(simulator.Path());
  constexpr int kBatch = 100;
  const int total = static_cast<int>(Simulator::kRequestLogSize) + 2 * kBatch;
  for (int first = 0; first < total; first += kBatch) {
    std::vector<std::uint8_t> batch;
    for (int i = first; i < first + kBatch; ++i) {
      const Frame request = testing::Request(static_cast<std::uint16_t>(i), 0, kReadRam);
      batch.insert(batch.end(), request.begin(), request.end());
    }
    ASSERT_EQ(write(client.Descriptor(), batch.data(), batch.size()),
              static_cast<ssize_t>(batch.size()));
    ASSERT_EQ(client.Receive(batch.size()).size(), batch.size());
  }
  const auto requests = simulator.Requests();
  ASSERT_EQ(requests.size(), Simulator::kRequestLogSize);
  EXPECT_EQ(AddressOf(requests.front()), 2 * kBatch);
  EXPECT_EQ(AddressOf(requests.back()), total - 1);
}

// A client that sends and never reads fills the line, and the simulator waits for it in vain.
TEST(Simulator, StopsAtOnceWhileTheLineIsFull) {
  auto simulator = std::make_unique<Simulator>(2);
  Client client(simulator->Path());
  for (int i = 0; i < kLineFillingRequests; ++i)
    client.Send(Identification());
  ASSERT_TRUE(simulator->WaitUntilLineFull(kGenerously));
  simulator.reset();  // with hundreds of replies still to go, each of which would wait
}

TEST(Simulator, AReplyDroppedOnAFullLineLeavesNoPartOfItBehind) {
  Simulator simulator(2);
  Client client(simulator.Path());
  constexpr int kRequests = kLineFillingRequests;
  for (int i = 0; i < kRequests; ++i)
    client.Send(Identification());
  ASSERT_TRUE(simulator.WaitUntilLineFull(kGenerously));
  client.Send(testing::Request(kFirmwareVersionWord, 0, kReadWord));
  ASSERT_TRUE(simulator.WaitForRequests(kRequests + 1, kGenerously));
  EXPECT_EQ(simulator.DroppedReplies(), 1u);

  // What waits on the line is whole replies, the last the answer to the last request.
  for (int frames = 0;; ++frames) {
    const auto bytes = client.Receive(12);
    ASSERT_EQ(bytes.size(), 12u) << "after " << frames << " replies";
    Frame reply{};
    std::copy(bytes.begin(), bytes.end(), reply.begin());
    ASSERT_TRUE(reply[0] == kHeader && reply[1] == kReplyTag && SumsToZero(reply))
        << "a broken reply after " << frames;
    if (reply[kCommandOffset] == kReadWord) {
      EXPECT_EQ(reply[kDataOffset + 3], 0x02);  // firmware 2.4.17
      EXPECT_LT(frames, kRequests / 2) << "the replies before the full line are stale";
      break;
    }
  }
}

}  // namespace
}  // namespace zelto::sim
