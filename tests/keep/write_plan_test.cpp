// The words each writing operation sends, in order, with its closing action: plain data, known
// before anything goes out.
#include "backup_support.h"
#include "calib/calibration_words.h"
#include "config/configuration_plans.h"
#include "config/device_range.h"

#include <gtest/gtest.h>

namespace zelto::keep {
namespace {

using testing::Configured;
using testing::kDastra;
using testing::kTableModel;
using testing::kVelmor;
using Addresses = std::vector<std::uint16_t>;

constexpr int kCopperW1428 = 4;
constexpr int kTypeK = 11;

// Every address the plan sends, repeats and all.
Addresses EveryAddressOf(const std::vector<config::MemoryWord>& words) {
  Addresses addresses;
  for (const config::MemoryWord& word : words)
    addresses.push_back(word.address);
  return addresses;
}

// a, a + 4, ..., b.
Addresses WordsFrom(int first, int last) {
  Addresses addresses;
  for (int address = first; address <= last; address += 4)
    addresses.push_back(static_cast<std::uint16_t>(address));
  return addresses;
}

Addresses Joined(Addresses first, const Addresses& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

config::WritePlan ConfigurationPlan(int model, int sensor, bool lineFunc) {
  config::ConfigRecord record = Configured(model, sensor);
  EXPECT_TRUE(config::ComputeDeviceRangeWords(record, lineFunc));
  return ConfigurationWritePlan(record, model, lineFunc, {});
}

TEST(ConfigurationWritePlan, TableLoadingModelsSendTheStateThenTheTablesAndTheEndMarkerLast) {
  for (const int model : {kTableModel, kDastra}) {
    const config::WritePlan plan = ConfigurationPlan(model, kCopperW1428, false);
    const Addresses sent = EveryAddressOf(plan.words);
    // The largest write there is.
    ASSERT_EQ(sent.size(), 96u) << model;
    EXPECT_EQ(Addresses(sent.begin(), sent.begin() + 8), (Addresses{0, 8, 16, 20, 24, 28, 84, 88}));
    EXPECT_EQ(sent.back(), 124);
    EXPECT_EQ(sent[8], 128);                   // table 1's full image
    for (const int address : {288, 304, 400})  // table 2, compact, then table 3
      EXPECT_NE(std::find(sent.begin(), sent.end(), address), sent.end()) << address;
    EXPECT_EQ(plan.operation, config::WriteOperation::kWrite);
    EXPECT_EQ(plan.action, std::nullopt);
  }
}

TEST(FinalWords, AWordWrittenTwiceIsKeptOnceWhereFirstWrittenWithWhatWasWrittenLast) {
  const config::WritePlan plan = ConfigurationPlan(kDastra, kTypeK, false);
  const auto final = config::FinalWords(plan.words);
  // Table 2's compact form writes 292 as a count and then as its first knot.
  const auto at292 = [](const config::MemoryWord& w) { return w.address == 292; };
  ASSERT_EQ(final.size(), plan.words.size() - 1);
  EXPECT_EQ(std::count_if(final.begin(), final.end(), at292), 1);
  const auto kept = std::find_if(final.begin(), final.end(), at292);
  EXPECT_EQ(kept->bytes, std::find_if(plan.words.rbegin(), plan.words.rend(), at292)->bytes);
  EXPECT_EQ(kept - final.begin(),
            std::find_if(plan.words.begin(), plan.words.end(), at292) - plan.words.begin());
}

TEST(ChangedWordsOnly, KeepsWhatChangesTheDeviceWithTheLastWordAndTheAction) {
  using config::MemoryWord;
  const MemoryWord state{0, {1, 2, 3, 4}};
  const MemoryWord count{292, {5, 0, 0, 0}};  // written first, then overwritten by the knot
  const MemoryWord range{8, {6, 0, 0, 0}};
  const MemoryWord knot{292, {7, 7, 7, 7}};
  const MemoryWord marker{124, {0xFF, 0xFF, 0xFF, 0}};
  const config::WritePlan plan{
      config::WriteOperation::kWrite, {state, count, range, knot, marker}, 0x21};
  const auto other = [](MemoryWord word) {
    word.bytes[3] ^= 0x40;
    return word;
  };
  struct Case {
    const char* name;
    std::vector<MemoryWord> held;
    std::vector<MemoryWord> sent;
  };
  const Case cases[] = {
      {"all held", {state, knot, range, marker}, {}},
      {"one word", {state, knot, other(range), marker}, {range, marker}},
      {"the last alone", {state, knot, range, other(marker)}, {marker}},
      {"the last among others",
       {other(state), knot, other(range), other(marker)},
       {state, range, marker}},
      {"a twice-written word holding its first write",
       {state, count, range, marker},
       {count, knot, marker}},
      {"a word not read", {state, knot, marker}, {range, marker}},
  };
  for (const Case& c : cases) {
    const config::WritePlan changed = config::ChangedWordsOnly(plan, c.held);
    EXPECT_EQ(changed.words, c.sent) << c.name;
    EXPECT_EQ(changed.action, c.sent.empty() ? std::nullopt : plan.action) << c.name;
    EXPECT_TRUE(changed.changedOnly) << c.name;
    EXPECT_EQ(changed.operation, plan.operation) << c.name;
    EXPECT_EQ(config::NothingToSend(changed), c.sent.empty()) << c.name;
  }
  // Only the action: nothing to compare, and it goes out as it is.
  const config::WritePlan action{config::WriteOperation::kCorrect, {}, 0x20};
  const config::WritePlan same = config::ChangedWordsOnly(action, {});
  EXPECT_EQ(same.action, 0x20);
  EXPECT_FALSE(same.changedOnly);
  EXPECT_FALSE(config::NothingToSend(same));
}

TEST(CorrectionPlan, GainAndOffsetOnTheTableLoadingModelsOnlyTheActionOnVelmor) {
  for (const auto operation :
       {config::WriteOperation::kCorrect, config::WriteOperation::kResetCorrection}) {
    for (const int model : {kTableModel, kDastra}) {
      const config::WritePlan plan = CorrectionPlan(operation, model, 1.5f, -2.0f);
      EXPECT_EQ(plan.words, (std::vector<config::MemoryWord>{config::FloatWord(84, 1.5f),
                                                             config::FloatWord(88, -2.0f)}));
      EXPECT_EQ(plan.action, 0x20);
      EXPECT_EQ(plan.operation, operation);
    }
    const config::WritePlan velmor = CorrectionPlan(operation, kVelmor, 1.5f, -2.0f);
    EXPECT_TRUE(velmor.words.empty());
    EXPECT_EQ(velmor.action, 0x20);
  }
}

TEST(CalibrationPlans, PairsThenReferencesThenTheFamilysAction) {
  struct Case {
    int model;
    Addresses pairs;
    Addresses references;
    std::uint8_t action;
  };
  const Case cases[] = {
      {kTableModel, {32, 36, 40, 44, 84, 88}, WordsFrom(48, 80), 0x20},
      {kDastra, {32, 36, 40, 44, 84, 88}, WordsFrom(48, 80), 0x20},
      {kVelmor, WordsFrom(32, 60), WordsFrom(64, 88), 0x22},
  };
  for (const Case& c : cases) {
    const auto write = calib::CalibrationWritePlan(testing::DistinctBlock(), c.model);
    ASSERT_TRUE(write);
    EXPECT_EQ(EveryAddressOf(write->words), Joined(c.pairs, c.references)) << c.model;
    EXPECT_EQ(write->action, c.action);
    EXPECT_EQ(write->operation, config::WriteOperation::kCalibWrite);
    // Ref[0] low, Ref[1] high in the first reference word.
    EXPECT_EQ(write->words[c.pairs.size()].bytes,
              (std::array<std::uint8_t, 4>{0xE8, 0x03, 0x57, 0x04}));
    EXPECT_EQ(write->words[1].bytes, PayloadFromFloat(3.5f));

    const auto clear = calib::CalibrationClearPlan(c.model);
    EXPECT_EQ(EveryAddressOf(clear->words), c.pairs);
    EXPECT_EQ(clear->words[0].bytes, PayloadFromFloat(1.0f));
    EXPECT_EQ(clear->words[1].bytes, PayloadFromFloat(0.0f));
    EXPECT_EQ(clear->action, c.action);

    const auto full = calib::CalibrationClearFullPlan(c.model);
    EXPECT_EQ(EveryAddressOf(full->words), Joined(c.pairs, c.references));
    EXPECT_EQ(full->operation, config::WriteOperation::kCalibClearFull);
  }
  EXPECT_EQ(calib::CalibrationClearFullPlan(kTableModel)->words[6].bytes,
            PayloadFromWord(6301 | 8091u << 16));
  EXPECT_FALSE(calib::CalibrationWritePlan(testing::DistinctBlock(), 3));
  EXPECT_FALSE(calib::CalibrationClearPlan(-1));
}

}  // namespace
}  // namespace zelto::keep
