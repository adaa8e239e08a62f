#include "check/checked_configuration.h"

#include "config/memory_map.h"
#include "config/memory_words.h"
#include "unit_memory.h"

#include <gtest/gtest.h>

namespace zelto::check {
namespace {

using testing::ConfiguredMemory;
using testing::UnitSetup;
using testing::WordsOf;

std::variant<CheckedConfiguration, Refusal> Described(const UnitSetup& setup,
                                                      const testing::UnitMemory& memory) {
  const auto stored = config::DecodeStoredConfiguration(setup.model, WordsOf(memory));
  EXPECT_TRUE(stored.has_value());
  return DescribeChecked(setup.model, *stored);
}

TEST(DescribeChecked, TakesTheConfigurationFromTheUnitsWords) {
  const UnitSetup setup{config::kDeviceDastra2, 8, -50, 150};
  const auto described = Described(setup, ConfiguredMemory(setup));
  ASSERT_TRUE(std::holds_alternative<CheckedConfiguration>(described));
  const auto& c = std::get<CheckedConfiguration>(described);
  EXPECT_EQ(c.model, 1);
  EXPECT_EQ(c.sensor, 8);
  EXPECT_EQ(c.rangeMin, -50);
  EXPECT_EQ(c.rangeMax, 150);
  EXPECT_EQ(c.devRangeMin, -50);
  EXPECT_EQ(c.devRangeMax, 150);
  EXPECT_FALSE(c.linearEmf);
  EXPECT_EQ(c.currentWords.low, 4);
  EXPECT_EQ(c.currentWords.high, 20);
}

TEST(DescribeChecked, GivesALinearRangeTheTemperaturesItsWordsStandFor) {
  const UnitSetup setup{config::kDeviceDastra2, 11, 0, 1000, true};
  const auto c = std::get<CheckedConfiguration>(Described(setup, ConfiguredMemory(setup)));
  EXPECT_TRUE(c.linearEmf);
  EXPECT_EQ(c.devRangeMin, 0);
  EXPECT_EQ(c.devRangeMax, 412);
  // 41.2 mV, the cut end the unit holds, is 998.5 °C, which the summary shows as 999.
  EXPECT_EQ(c.rangeMin, 0);
  EXPECT_EQ(c.rangeMax, 999);
}

TEST(DescribeChecked, ReadsTheVelmorSwitches) {
  const UnitSetup setup{config::kDeviceVelmor7, 11, 0, 600, false, config::kOutput0To5};
  auto memory = ConfiguredMemory(setup);
  memory[config::velmor_memory::kSwitchWordA + 1] = 1;  // cold junction
  const auto c = std::get<CheckedConfiguration>(Described(setup, memory));
  EXPECT_EQ(c.outputRange, config::kOutput0To5);
  EXPECT_EQ(c.currentWords.high, 5);
  EXPECT_TRUE(c.coldJunction);
  EXPECT_FALSE(c.squareRoot);
}

TEST(DescribeChecked, RefusesAUnitWithNoConfigurationOrAnUnknownSensor) {
  const UnitSetup setup{};
  EXPECT_EQ(std::get<Refusal>(Described(setup, testing::UnitMemory{})), Refusal::kNotConfigured);
  auto unknown = ConfiguredMemory(setup);
  unknown[config::loading_memory::kStateWord] = 40;
  EXPECT_EQ(std::get<Refusal>(Described(setup, unknown)), Refusal::kUnknownSensor);
  const auto stored = config::DecodeStoredConfiguration(1, WordsOf(ConfiguredMemory(setup)));
  EXPECT_EQ(std::get<Refusal>(DescribeChecked(7, *stored)), Refusal::kUnknownModel);
}

TEST(DecodeStoredConfiguration, ReadsTheCorrectionEachFamilyHolds) {
  for (const int model : {config::kDeviceDastra2, config::kDeviceVelmor7}) {
    auto memory = ConfiguredMemory({model});
    const bool velmor = model == config::kDeviceVelmor7;
    testing::Put(memory, config::FloatWord(velmor ? 56 : 84, 0.996f));
    testing::Put(memory, config::FloatWord(velmor ? 60 : 88, 12.5f));
    const auto stored = config::DecodeStoredConfiguration(model, WordsOf(memory));
    ASSERT_TRUE(stored) << model;
    EXPECT_EQ(stored->Au, 0.996f) << model;
    EXPECT_EQ(stored->Bu, 12.5f) << model;
    EXPECT_EQ(stored->outputRange.has_value(), velmor);
  }
  // A word it needs that is not at hand leaves nothing to decode.
  EXPECT_FALSE(config::DecodeStoredConfiguration(
      1, [](std::uint16_t) -> std::optional<std::uint32_t> { return std::nullopt; }));
}

}  // namespace
}  // namespace zelto::check
