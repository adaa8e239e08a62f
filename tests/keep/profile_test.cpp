// Profiles without a device: the file, the validated path into the record, the device's words
// read back as a profile, and what differs between a device and the window.
#include "config/memory_map.h"
#include "keep/device_profile.h"
#include "keep/profile_application.h"
#include "keep/profile_diff.h"
#include "keep/profile_file.h"
#include "scratch_folder.h"
#include "window_settings.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>

namespace zelto::keep {
namespace {

using zelto::testing::SampleChoices;
using zelto::testing::WindowChoices;
using zelto::testing::WindowSettings;

std::variant<ProfileText, ProfileFileError> Parse(const std::string& text) {
  return ParseProfile(std::span<const char>(text.data(), text.size()));
}

// A version 1 profile file with the keys given after the header.
std::string ProfileFile(const std::string& keys) {
  return R"({"format": "zelto-profile", "version": 1, )" + keys + "}";
}

WordMap WordsOf(const std::vector<config::MemoryWord>& words) {
  WordMap device;
  for (const config::MemoryWord& word : words)
    device[word.address] = word.bytes;
  return device;
}

// The words on a device that a write of the settings left.
WordMap DeviceWrittenWith(const config::WriteSettings& settings) {
  const auto words = config::ConfigurationWriteWords(settings);
  EXPECT_TRUE(words.has_value());
  return WordsOf(words.value_or(std::vector<config::MemoryWord>{}));
}

std::vector<std::string> ToolLines(const DeviceComparison& comparison) {
  std::vector<std::string> lines;
  for (const FieldDifference& difference : comparison.differences)
    lines.push_back(ToolLine(difference));
  return lines;
}

TEST(ProfileFile, HoldsTheWindowsSettingsAndGivesThemBackThroughTheSameAssignments) {
  const testing::ScratchFolder folder;
  for (const WindowChoices& choices : SampleChoices()) {
    const config::WriteSettings settings = WindowSettings(choices);
    const Profile saved = ProfileFromSettings(settings);
    const std::string path = folder.PathOf(choices.name + ".json");
    ASSERT_EQ(SaveProfile(path, saved), files::FileOutcome::kDone) << choices.name;

    const auto loaded = LoadProfile(path);
    ASSERT_TRUE(std::holds_alternative<ProfileText>(loaded)) << choices.name;
    const ProfileText& text = std::get<ProfileText>(loaded);
    EXPECT_TRUE(text.refused.empty()) << choices.name << ": " << text.refused.front().reason;
    EXPECT_EQ(text.profile, saved) << choices.name;

    config::ConfigRecord record;
    record.Au = 1.5f;  // a correction of the unit before: opening a profile starts afresh
    config::SilentConfigView view;
    const ProfileApplication applied = ApplyProfile(text.profile, record, view);
    EXPECT_TRUE(applied.refused.empty()) << choices.name;
    EXPECT_EQ(record, settings.record) << choices.name;
    // The controls beside the record: the switch and, on Velmor-7, the switches.
    EXPECT_EQ(ProfileFromSettings({record, applied.lineFunc, applied.switches}), saved)
        << choices.name;
  }
}

TEST(ProfileFile, IsTheDocumentedJsonWithTheKeysThatApplyAndTheModelByName) {
  const std::string text = ProfileJson(ProfileFromSettings(WindowSettings(SampleChoices()[0])));
  EXPECT_EQ(text,
            "{\n"
            "    \"format\": \"zelto-profile\",\n"
            "    \"linear_emf\": true,\n"
            "    \"model\": \"dastra-2\",\n"
            "    \"range\": [\n"
            "        -50,\n"
            "        600\n"
            "    ],\n"
            "    \"sensor\": 11,\n"
            "    \"version\": 1\n"
            "}\n");
  // The window's disabled controls keep their state; a file holds none of them.
  Profile voltage;
  voltage.sensor = 15;
  voltage.coldJunction = true;
  voltage.scheme = 2;
  EXPECT_EQ(KeysAFileCannotHold(voltage),
            (std::vector{ProfileKey::kColdJunction, ProfileKey::kScheme}));
  const std::string written = ProfileJson(voltage);
  EXPECT_EQ(written.find("cold_junction"), std::string::npos) << written;
  EXPECT_NE(written.find("\"sqrt\": false"), std::string::npos) << written;
}

TEST(ProfileFile, MissingOptionalKeysTakeTheWindowsStartUpValues) {
  const auto parsed = Parse(ProfileFile(R"("model": "velmor-7", "sensor": 11)"));
  ASSERT_TRUE(std::holds_alternative<ProfileText>(parsed));
  Profile expected;
  expected.sensor = 11;
  EXPECT_EQ(std::get<ProfileText>(parsed).profile, expected);
  config::ConfigRecord record;
  config::SilentConfigView view;
  const auto applied = ApplyProfile(expected, record, view);
  EXPECT_EQ((std::array{record.RngMin, record.RngMax, record.CrnMix, record.CrtMax}),
            (std::array{-50, 1300, 4, 20}));
  EXPECT_EQ(applied.switches.outputRange, config::kOutput4To20);
}

TEST(ProfileFile, RefusesWhatTheMatchingOptionWouldAndKeepsTheRest) {
  const std::vector<std::pair<std::string, std::string>> refused{
      {R"("model": "dastra-2", "sensor": 11, "output": "4-20")", "output"},
      {R"("model": "dastra-2", "sensor": 11, "sqrt": false)", "sqrt"},
      {R"("model": "dastra-2", "sensor": 11, "cold_junction": true)", "cold_junction"},
      {R"("model": "velmor-7", "sensor": 8, "linear_emf": false, "sensor_break": true)",
       "linear_emf"},
      {R"("model": "velmor-7", "sensor": 8, "cold_junction": false, "sensor_break": true)",
       "cold_junction"},
      {R"("model": "velmor-7", "sensor": 11, "scheme": 3, "sensor_break": true)", "scheme"},
      {R"("model": "velmor-7", "sensor": 17, "scheme": 4, "sensor_break": true)", "scheme"},
      {R"("model": 2, "sensor": 20, "scheme": 5, "sensor_break": true)", "scheme"},
      {R"("model": 2, "sensor": 11, "range": [100.7, 200], "sensor_break": true)", "range"},
      {R"("model": 2, "sensor": 11, "range": [100], "sensor_break": true)", "range"},
      {R"("model": 2, "sensor": 11, "range": "0..100", "sensor_break": true)", "range"},
      {R"("model": 2, "sensor": 11, "output": "2-10", "sensor_break": true)", "output"},
      {R"("model": 2, "sensor": 11, "sqrt": "yes", "sensor_break": true)", "sqrt"},
      {R"("model": 2, "sensor": 11, "colour": "red", "sensor_break": true)", "colour"},
  };
  for (const auto& [keys, key] : refused) {
    const auto parsed = Parse(ProfileFile(keys));
    ASSERT_TRUE(std::holds_alternative<ProfileText>(parsed)) << keys;
    const ProfileText& text = std::get<ProfileText>(parsed);
    ASSERT_EQ(text.refused.size(), 1u) << keys;
    EXPECT_EQ(text.refused.front().key, key) << keys;
    EXPECT_TRUE(text.Applicable()) << keys;
    // Whatever else there was still counts.
    EXPECT_EQ(text.profile.sensorBreak, keys.find("sensor_break") != std::string::npos) << keys;
  }
  for (const std::string keys :
       {R"("model": 1, "sensor": 15)", R"("model": 3, "sensor": 1)",
        R"("model": "velmor-6", "sensor": 1)", R"("model": 2, "sensor": 1.5)"}) {
    const auto parsed = Parse(ProfileFile(keys));
    ASSERT_TRUE(std::holds_alternative<ProfileText>(parsed)) << keys;
    EXPECT_FALSE(std::get<ProfileText>(parsed).Applicable()) << keys;
  }
}

TEST(ProfileApplication, ListsARefusedRangeAfterApplyingTheRest) {
  for (const WholeRange range :
       {WholeRange{-50, 2000}, WholeRange{600, 600}, WholeRange{700, 600}}) {
    Profile profile;
    profile.sensor = 11;
    profile.range = range;
    profile.output = config::kOutput0To5;
    config::ConfigRecord record;
    config::SilentConfigView view;
    const auto applied = ApplyProfile(profile, record, view);
    ASSERT_EQ(applied.refused.size(), 1u) << range.low << ".." << range.high;
    EXPECT_EQ(applied.refused.front().key, "range");
    EXPECT_EQ(applied.refused.front().value,
              std::to_string(range.low) + ".." + std::to_string(range.high));
    EXPECT_EQ(record.Sensor, 11);
    EXPECT_EQ(record.CrtMax, 5);  // the output range went in all the same
    EXPECT_EQ(applied.switches.outputRange, config::kOutput0To5);
  }
}

TEST(ProfileFile, ThatHoldsNoProfileSaysWhyByItsKind) {
  const std::vector<std::pair<std::string, ProfileFileFault>> files{
      {"{\"format\": \"zelto-profile\",", ProfileFileFault::kNotJson},
      {"model=1\nsensor=11\n", ProfileFileFault::kNotJson},
      {"[1, 2]", ProfileFileFault::kNotAProfile},
      {R"({"format": "zelto-backup", "version": 1, "model": 1, "sensor": 11})",
       ProfileFileFault::kNotAProfile},
      {R"({"version": 1, "model": 1, "sensor": 11})", ProfileFileFault::kNotAProfile},
      {R"({"format": "zelto-profile", "version": 2, "model": 1, "sensor": 11})",
       ProfileFileFault::kNewerVersion},
      {R"({"format": "zelto-profile", "model": 1, "sensor": 11})", ProfileFileFault::kIncomplete},
      {ProfileFile(R"("sensor": 11)"), ProfileFileFault::kIncomplete},
      {ProfileFile(R"("model": 1)"), ProfileFileFault::kIncomplete},
      {ProfileFile(R"("model": 1, "sensor": 11, "note": ")" + std::string(70000, 'x') + "\""),
       ProfileFileFault::kNotAProfile},
  };
  for (const auto& [text, fault] : files) {
    const auto parsed = Parse(text);
    ASSERT_TRUE(std::holds_alternative<ProfileFileError>(parsed)) << text.substr(0, 80);
    EXPECT_EQ(std::get<ProfileFileError>(parsed).fault, fault) << text.substr(0, 80);
  }
  EXPECT_EQ(std::get<ProfileFileError>(Parse(files[5].first)).reason,
            "версия профиля 2 новее той, что читает эта программа (1)");
  EXPECT_EQ(std::get<ProfileFileError>(LoadProfile("/nonexistent/profile.json")).fault,
            ProfileFileFault::kCannotOpen);
}

TEST(DeviceProfile, WordsOfAWriteReadBackAsTheProfileThatWritesThem) {
  for (const WindowChoices& choices : SampleChoices()) {
    const config::WriteSettings settings = WindowSettings(choices);
    const WordMap device = DeviceWrittenWith(settings);
    const DeviceProfile decoded = DecodeDeviceProfile(choices.model, device);
    EXPECT_TRUE(decoded.configured) << choices.name;
    EXPECT_TRUE(decoded.unexpressed.empty()) << choices.name << ": " << decoded.unexpressed.front();
    const Profile window = ProfileFromSettings(settings);
    EXPECT_TRUE(DiffProfiles(decoded.profile, window).empty()) << choices.name;
    if (!choices.lineFunc) {
      EXPECT_EQ(decoded.profile, window) << choices.name;
    }

    const auto comparison = CompareWithDevice(device, settings);
    ASSERT_TRUE(comparison) << choices.name;
    EXPECT_FALSE(comparison->Differs()) << choices.name;
    EXPECT_EQ(comparison->tables, config::IsTableLoadingDevice(choices.model)
                                      ? TableComparison::kSame
                                      : TableComparison::kNone);
  }
}

TEST(DeviceProfile, ARangeLinearFromEmfIsDegreesThatWriteTheSameSignal) {
  // -50 °C is -1.889 mV, stored as -18 tenths, which -48, -49 and -50 all give; the summary
  // shows -46 for it, and -48 is the nearest of them.
  const config::WriteSettings settings = WindowSettings(SampleChoices()[0]);
  WordMap device = DeviceWrittenWith(settings);
  const DeviceProfile decoded = DecodeDeviceProfile(config::kDeviceDastra2, device);
  EXPECT_EQ(decoded.profile.range, (WholeRange{-48, 600}));

  WindowChoices near = SampleChoices()[0];
  near.low = -45;  // -1.710 mV: another stored signal
  EXPECT_EQ(ToolLines(*CompareWithDevice(device, WindowSettings(near))),
            (std::vector<std::string>{"range: -48..600 → -45..600"}));

  device[config::kDevRngMinWord] = {0x18, 0xfc, 0xff,
                                    0xff};  // -1000 tenths: no type K degree gives it
  const DeviceProfile beyond = DecodeDeviceProfile(config::kDeviceDastra2, device);
  ASSERT_FALSE(beyond.unexpressed.empty());
  EXPECT_EQ(
      beyond.unexpressed.front(),
      "слова диапазона содержат сигнал -100.0..24.9, которого не даёт ни один диапазон в целых "
      "градусах");
}

TEST(DeviceComparison, ListsEachSettingAWriteWouldChangeForTheToolAndTheWindow) {
  const config::WriteSettings velmor = WindowSettings(SampleChoices()[3]);
  WindowChoices changed = SampleChoices()[3];
  changed.switches = {false, 0, false, config::kOutput4To20, false};
  const auto comparison = CompareWithDevice(DeviceWrittenWith(velmor), WindowSettings(changed));
  EXPECT_EQ(
      ToolLines(*comparison),
      (std::vector<std::string>{"output: 0-20 → 4-20", "scheme: 3 → 4", "sqrt: true → false"}));
  EXPECT_EQ(comparison->tables, TableComparison::kNone);

  // Another thermocouple on a table-loading model: other tables too.
  WindowChoices typeJ{"J", 1, 9, -50, 600, true};
  const auto other = CompareWithDevice(DeviceWrittenWith(WindowSettings(SampleChoices()[0])),
                                       WindowSettings(typeJ));
  EXPECT_EQ(ToolLines(*other),
            (std::vector<std::string>{"sensor: 11 → 9", "range: -48..600 → -50..600"}));
  EXPECT_EQ(other->tables, TableComparison::kDifferent);
  EXPECT_EQ(TablesWindowLine(other->tables), "таблицы: отличаются");
}

TEST(DeviceComparison, NamesTheWordsNoSettingAccountsFor) {
  const config::WriteSettings settings = WindowSettings(SampleChoices()[1]);
  WordMap device = DeviceWrittenWith(settings);
  device[config::kCrnMixWord] = {0, 0, 0, 0};  // a current the window typed
  device[config::loading_memory::kSignalTableBase + 40] = {1, 2, 3, 4};  // a coefficient of table 1
  const auto comparison = CompareWithDevice(device, settings);
  EXPECT_EQ(ToolLines(*comparison), (std::vector<std::string>{"word 24: 00000000 → 04000000"}));
  EXPECT_EQ(comparison->tables, TableComparison::kDifferent);
  EXPECT_EQ(
      DecodeDeviceProfile(config::kDeviceDastra2, device).unexpressed,
      (std::vector<std::string>{"слово 24 содержит 00000000, а запись профиля шлёт 04000000"}));

  const auto blank = CompareWithDevice({}, settings);  // nothing configured, nothing read
  ASSERT_FALSE(blank->differences.empty());
  EXPECT_EQ(ToolLine(blank->differences.front()), "configured: no → yes");
  EXPECT_EQ(WindowLine(blank->differences.front()), "конфигурация: нет → есть");
}

TEST(DeviceComparison, NamesTheCorrectionTheWriteWouldReset) {
  // Words 84/88 after a correction; 56/60, the pair every Velmor-7 write resets.
  struct Case {
    const char* name;
    WindowChoices choices;
    uint16_t gain;
    uint16_t offset;
  };
  const std::vector<Case> cases{{"Dastra-2", SampleChoices()[1], config::loading_memory::kAuWord,
                                 config::loading_memory::kBuWord},
                                {"Velmor-7", SampleChoices()[3], config::velmor_memory::kAuWord,
                                 config::velmor_memory::kBuWord}};
  for (const Case& c : cases) {
    const config::WriteSettings settings = WindowSettings(c.choices);
    WordMap device = DeviceWrittenWith(settings);
    device[c.gain] = std::bit_cast<std::array<uint8_t, 4>>(1.0123f);
    device[c.offset] = std::bit_cast<std::array<uint8_t, 4>>(-0.0456f);
    const auto comparison = CompareWithDevice(device, settings);
    ASSERT_TRUE(comparison) << c.name;
    EXPECT_TRUE(comparison->Differs()) << c.name;
    ASSERT_EQ(comparison->differences.size(), 1u) << c.name;
    EXPECT_EQ(ToolLine(comparison->differences[0]),
              "correction: Au=1.0123, Bu=-0.0456 → Au=1, Bu=0")
        << c.name;
    EXPECT_EQ(WindowLine(comparison->differences[0]),
              "коррекция диапазона: Au=1,0123; Bu=-0,0456 → Au=1; Bu=0")
        << c.name;

    // A gain a hair from 1 is still a correction, and shows as one.
    device[c.gain] = std::bit_cast<std::array<uint8_t, 4>>(std::nextafter(1.0f, 2.0f));
    device[c.offset] = std::bit_cast<std::array<uint8_t, 4>>(0.0f);
    EXPECT_EQ(ToolLines(*CompareWithDevice(device, settings)),
              (std::vector<std::string>{"correction: Au=1.0000001, Bu=0 → Au=1, Bu=0"}))
        << c.name;

    device.erase(c.offset);  // not read: the write may change it
    EXPECT_EQ(ToolLines(*CompareWithDevice(device, settings)),
              (std::vector<std::string>{"correction: Au=1.0000001, Bu=? → Au=1, Bu=0"}))
        << c.name;
  }
}

}  // namespace
}  // namespace zelto::keep
