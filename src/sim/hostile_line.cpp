#include "sim/hostile_line.h"

#include <array>

namespace zelto::sim {
namespace {

enum class Mishap {
  kNone,
  kLate,
  kCut,
  kCutThenRest,
  kNoiseAhead,
  kWrongHeader,
  kWrongChecksum,
  kWrongType,
  kTooLong,
  kSilent,
};

struct Odds {
  Mishap mishap;
  int weight;  // of 1000
};

// Mostly whole replies, so that sequences get far; silence and cuts end them, so those are
// the rarest.
constexpr std::array<Odds, 10> kOdds{{{Mishap::kNone, 640},
                                      {Mishap::kLate, 30},
                                      {Mishap::kCut, 15},
                                      {Mishap::kCutThenRest, 50},
                                      {Mishap::kNoiseAhead, 50},
                                      {Mishap::kWrongHeader, 50},
                                      {Mishap::kWrongChecksum, 50},
                                      {Mishap::kWrongType, 25},
                                      {Mishap::kTooLong, 85},
                                      {Mishap::kSilent, 5}}};

constexpr int kMostNoise = 16;
constexpr int kMostUnits = 8;

int Between(std::mt19937& random, int least, int most) {
  return std::uniform_int_distribution<int>(least, most)(random);
}

Mishap Draw(std::mt19937& random) {
  int roll = Between(random, 0, 999);
  for (const Odds& odds : kOdds) {
    if (roll < odds.weight)
      return odds.mishap;
    roll -= odds.weight;
  }
  return Mishap::kNone;
}

std::vector<std::uint8_t> Noise(std::mt19937& random, int count) {
  std::vector<std::uint8_t> noise(static_cast<std::size_t>(count));
  for (auto& byte : noise)
    byte = static_cast<std::uint8_t>(Between(random, 0, 255));
  return noise;
}

std::vector<std::uint8_t> Head(const Frame& frame, int count) {
  return {frame.begin(), frame.begin() + count};
}

// A byte other than `byte`.
std::uint8_t Other(std::mt19937& random, std::uint8_t byte) {
  return static_cast<std::uint8_t>(byte + Between(random, 1, 255));
}

}  // namespace

std::vector<ReplyPiece> HostileReply(const Frame& reply, std::mt19937& random,
                                     std::chrono::milliseconds unit) {
  const auto pause = [&] { return unit * Between(random, 0, kMostUnits); };
  Frame frame = reply;
  switch (Draw(random)) {
    case Mishap::kNone:
      break;
    case Mishap::kLate:
      return {{pause(), Head(frame, kFrameSize)}};
    case Mishap::kCut:
      return {{{}, Head(frame, Between(random, 1, kFrameSize - 1))}};
    case Mishap::kCutThenRest: {
      const int cut = Between(random, 1, kFrameSize - 1);
      return {{{}, Head(frame, cut)}, {pause(), {frame.begin() + cut, frame.end()}}};
    }
    case Mishap::kNoiseAhead: {
      auto bytes = Noise(random, Between(random, 1, kMostNoise));
      bytes.insert(bytes.end(), frame.begin(), frame.end());
      return {{{}, std::move(bytes)}};
    }
    case Mishap::kWrongHeader: {
      const int at = Between(random, 0, 1);
      frame[at] = Other(random, frame[at]);
      Seal(frame);
      break;
    }
    case Mishap::kWrongChecksum:
      frame[kFrameSize - 1] = Other(random, frame[kFrameSize - 1]);
      break;
    case Mishap::kWrongType:
      frame[kTypeOffset] = Other(random, frame[kTypeOffset]);
      Seal(frame);
      break;
    case Mishap::kTooLong: {
      auto bytes = Head(frame, kFrameSize);
      const auto extra = Noise(random, Between(random, 1, kMostNoise));
      bytes.insert(bytes.end(), extra.begin(), extra.end());
      return {{{}, std::move(bytes)}};
    }
    case Mishap::kSilent:
      return {};
  }
  return {{{}, Head(frame, kFrameSize)}};
}

}  // namespace zelto::sim
