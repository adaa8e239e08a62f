#include "sim/simulator.h"

#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
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
  Frame frame{kHeader, kRequestTag, 0, 0, 0, 0, 0, 0, 0, 0, kReadRam, 0};
  Seal(frame);
  return frame;
}

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
  const std::array<std::uint8_t, 5> noise{0x00, 0xCA, 0x12, 0xFF, 0x35};
  ASSERT_EQ(write(client.Descriptor(), noise.data(), noise.size()), 5);
  client.Send(Identification());
  const auto reply = client.Receive(12);
  ASSERT_EQ(reply.size(), 12u);
  EXPECT_EQ(reply[9], 3);
}

TEST(Simulator, ReportsEveryWordWritten) {
  Simulator simulator(2);
  std::promise<MemoryImage> written;
  simulator.OnMemoryWritten([&written](const MemoryImage& image) { written.set_value(image); });
  Client client(simulator.Path());
  Frame write{kHeader, kRequestTag, 20, 0, 1, 2, 3, 4, 0, 0, kWriteWord, 0};
  Seal(write);
  client.Send(write);
  EXPECT_EQ(client.Receive(12).size(), 12u);
  const MemoryImage image = written.get_future().get();
  EXPECT_EQ(image[20], 1);
  EXPECT_EQ(image[23], 4);
  EXPECT_EQ(simulator.Memory()[21], 2);
}

}  // namespace
}  // namespace zelto::sim
