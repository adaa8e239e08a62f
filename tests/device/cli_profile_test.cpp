// zelto-cli write --profile, read --save-profile and diff against a simulated transmitter.
#include "keep/profile_diff.h"
#include "keep/profile_file.h"
#include "sim/simulator.h"
#include "tool_test_support.h"
#include "window_settings.h"

#include <bit>
#include <gtest/gtest.h>

namespace zelto::cli {
namespace {

using testing::SampleChoices;
using testing::WindowChoices;
using testing::WindowSettings;

// A transmitter of the model, and a folder for the profiles the test and the tool write.
class ProfileTool : public ::testing::Test, protected testing::ScratchFolder {
 protected:
  void Simulate(int model) { sim_ = std::make_unique<sim::Simulator>(model); }
  sim::Simulator& Sim() { return *sim_; }

  ProgramResult Run(Lines arguments) {
    arguments.insert(arguments.begin(), {"--port", sim_->Path()});
    return RunProgram(kCli, arguments);
  }

  // The profile the window would save for the choices, as a file.
  std::string SavedByTheWindow(const WindowChoices& choices, const std::string& name) {
    const std::string path = PathOf(name);
    EXPECT_EQ(keep::SaveProfile(path, keep::ProfileFromSettings(WindowSettings(choices))),
              files::FileOutcome::kDone);
    return path;
  }

 private:
  std::unique_ptr<sim::Simulator> sim_;
};

keep::Profile Loaded(const std::string& path) {
  const auto loaded = keep::LoadProfile(path);
  EXPECT_TRUE(std::holds_alternative<keep::ProfileText>(loaded)) << path;
  if (const auto* text = std::get_if<keep::ProfileText>(&loaded)) {
    EXPECT_TRUE(text->refused.empty());
    return text->profile;
  }
  return {};
}

TEST_F(ProfileTool, AWindowsProfileWritesItsWordsAndReadsBackAsTheSameProfile) {
  for (const WindowChoices& choices : SampleChoices()) {
    Simulate(choices.model);
    const std::string saved = SavedByTheWindow(choices, "window.json");
    const std::string model = std::to_string(choices.model);
    const auto written = Run({"write", "--profile", saved});  // the profile names the model
    EXPECT_EQ(written.exitCode, 0) << choices.name << "\n" << written.err;
    EXPECT_EQ(LastLine(written.err), "Запись завершена") << choices.name;

    // The very words the window's own write of those settings sends, each as it leaves it.
    const auto memory = Sim().Memory();
    std::map<uint16_t, std::array<uint8_t, 4>> sent;
    const auto words = config::ConfigurationWriteWords(WindowSettings(choices));
    for (const config::MemoryWord& word : words.value())
      sent[word.address] = word.bytes;
    for (const auto& [address, bytes] : sent) {
      EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), memory.begin() + address))
          << choices.name << " word " << address;
    }

    const std::string back = PathOf("device.json");
    const auto read = Run({"--model", model, "read", "--save-profile", back});
    EXPECT_EQ(read.exitCode, 0) << choices.name << "\n" << read.err;
    EXPECT_EQ(LinesOf(read.out), LinesOf(Run({"--model", model, "read"}).out)) << choices.name;
    EXPECT_EQ(LastLine(read.err), "Файл записан");
    const keep::Profile window = Loaded(saved);
    const keep::Profile device = Loaded(back);
    EXPECT_TRUE(keep::DiffProfiles(device, window).empty()) << choices.name;
    if (!choices.lineFunc) {
      EXPECT_EQ(device, window) << choices.name;
    }

    for (const std::string& profile : {saved, back}) {
      const auto same = Run({"diff", "--profile", profile});
      EXPECT_EQ(same.exitCode, 0) << choices.name << " " << profile << "\n" << same.out;
      EXPECT_EQ(same.out, "");
    }
  }
}

TEST_F(ProfileTool, DiffListsWhatAWriteOfTheProfileWouldChange) {
  Simulate(2);
  const WindowChoices& device = SampleChoices()[3];  // 0..320 Ω, three-wire, root, 0..20 mA
  ASSERT_EQ(Run({"write", "--profile", SavedByTheWindow(device, "device.json")}).exitCode, 0);
  WindowChoices other = device;
  other.low = 0;
  other.switches.outputRange = 2;
  other.switches.sensorBreak = true;
  const auto result = Run({"diff", "--profile", SavedByTheWindow(other, "other.json")});
  EXPECT_EQ(result.exitCode, 7) << result.err;
  EXPECT_EQ(LinesOf(result.out), (Lines{"range: 10..300 → 0..300", "output: 0-20 → 4-20",
                                        "sensor_break: false → true"}));
  EXPECT_EQ(LastLine(result.err), "Чтение завершено");

  Simulate(1);
  const auto blank = Run({"diff", "--profile", SavedByTheWindow(SampleChoices()[1], "s.json")});
  EXPECT_EQ(blank.exitCode, 7);
  EXPECT_EQ(LinesOf(blank.out), (Lines{"configured: no → yes", "sensor: 0 → 12",
                                       "range: 0..0 → 0..1700", "tables: differ"}));
}

TEST_F(ProfileTool, DiffNamesTheCorrectionAWriteOfTheProfileWouldWipe) {
  // After `correct` on a table-loading model; a Velmor-7 unit whose pair 56/60 is not neutral.
  struct Case {
    int model;
    WindowChoices choices;
    Lines correct;
  };
  const std::vector<Case> cases{{1,
                                 {"K", 1, 11, 0, 1000},
                                 {"--model", "1", "correct", "--sensor", "11", "--range", "0..1000",
                                  "--t1", "100", "--t2", "900", "--i1", "5.7", "--i2", "18.2"}},
                                {2, SampleChoices()[3], {}}};
  for (const Case& c : cases) {
    Simulate(c.model);
    const std::string profile = SavedByTheWindow(c.choices, "profile.json");
    ASSERT_EQ(Run({"--no-backup", "write", "--profile", profile}).exitCode, 0);
    if (!c.correct.empty()) {
      const auto corrected = Run(c.correct);
      ASSERT_EQ(corrected.exitCode, 0) << corrected.err;
    } else {
      auto memory = Sim().Memory();
      const auto gain = std::bit_cast<std::array<uint8_t, 4>>(0.98f);
      const auto offset = std::bit_cast<std::array<uint8_t, 4>>(0.125f);
      std::copy(gain.begin(), gain.end(), memory.begin() + 56);
      std::copy(offset.begin(), offset.end(), memory.begin() + 60);
      Sim().LoadMemory(memory);
    }
    const auto diff = Run({"diff", "--profile", profile});
    EXPECT_EQ(diff.exitCode, 7) << c.model << "\n" << diff.err;
    const Lines lines = LinesOf(diff.out);
    ASSERT_EQ(lines.size(), 1u) << diff.out;
    EXPECT_EQ(lines[0], c.model == 1 ? "correction: Au=1.0233778, Bu=-3518.0664 → Au=1, Bu=0"
                                     : "correction: Au=0.98, Bu=0.125 → Au=1, Bu=0");
    const auto json = Run({"--json", "diff", "--profile", profile});
    EXPECT_EQ(json.exitCode, 7);
    EXPECT_NE(json.out.find(R"("field":"correction")"), std::string::npos) << json.out;

    // The write the diff warned of: the correction is gone, and nothing differs any more.
    ASSERT_EQ(Run({"--no-backup", "write", "--profile", profile}).exitCode, 0);
    const auto after = Run({"diff", "--profile", profile});
    EXPECT_EQ(after.exitCode, 0) << after.out;
    EXPECT_EQ(after.out, "");
  }
}

// Why each is refused: the profile tests. Here: the exit code, the line (in English, asked for)
// and that nothing is sent.
TEST_F(ProfileTool, AProfileTheRulesRefuseOrThatIsNoProfileSendsNothing) {
  Simulate(1);
  const std::vector<std::tuple<std::string, int, std::string>> files{
      {R"({"format": "zelto-profile", "version": 1, "model": 1, "sensor": 11, "sqrt": true})", 2,
       "sqrt is for Velmor-7 only"},
      {R"({"format": "zelto-profile", "version": 1, "model": "velmor-7", "sensor": 11})", 2,
       "the profile is for model velmor-7, --model names dastra-2"},
      {R"({"format": "zelto-calibration", "version": 1, "model": 1, "sensor": 11})", 5,
       "not a profile: its format is zelto-calibration, not zelto-profile"},
      {"model = 1\n", 5, "not valid JSON: illegal value at byte 1"},
  };
  for (const auto& [text, exitCode, reason] : files) {
    const std::string path = Write("profile.json", text);
    for (const char* command : {"write", "diff"}) {
      const auto result = Run({"--lang", "en", "--model", "dastra-2", command, "--profile", path});
      EXPECT_EQ(result.exitCode, exitCode) << command << " " << text << "\n" << result.err;
      EXPECT_EQ(result.err, "zelto-cli: profile '" + path + "': " + reason + "\n") << command;
    }
  }
  EXPECT_TRUE(Sim().Requests().empty());
  EXPECT_EQ(Run({"write", "--profile", PathOf("none.json"), "--sensor", "11"}).exitCode, 2);
}

TEST_F(ProfileTool, ReadSavesNoProfileOfWhatNoProfileHolds) {
  Simulate(2);
  const std::string path = PathOf("device.json");
  const auto blank = Run({"read", "--save-profile", path});
  EXPECT_EQ(blank.exitCode, 5);
  EXPECT_EQ(LastLine(blank.err),
            "zelto-cli: профиль '" + path + "': не сохранён: прибор не конфигурирован");

  // The window can leave a disabled switch checked, and its write sends it.
  WindowChoices voltage{"voltage", 2, 15, 0, 100};
  voltage.switches.coldJunction = true;
  auto memory = Sim().Memory();
  const auto words = config::ConfigurationWriteWords(WindowSettings(voltage));
  for (const config::MemoryWord& word : words.value())
    std::copy(word.bytes.begin(), word.bytes.end(), memory.begin() + word.address);
  Sim().LoadMemory(memory);
  const auto held = Run({"--lang", "en", "read", "--save-profile", path});
  EXPECT_EQ(held.exitCode, 5);
  EXPECT_EQ(LastLine(held.err), "zelto-cli: profile '" + path +
                                    "': not saved: cold_junction is true, which a profile of "
                                    "this model and sensor cannot hold");
  EXPECT_FALSE(std::filesystem::exists(path));

  voltage.switches.coldJunction = false;
  const auto diff = Run({"diff", "--profile", SavedByTheWindow(voltage, "voltage.json")});
  EXPECT_EQ(diff.exitCode, 7);
  EXPECT_EQ(LinesOf(diff.out), (Lines{"cold_junction: true → false"}));

  ASSERT_EQ(Run({"write", "--profile", PathOf("voltage.json")}).exitCode, 0);
  const auto nowhere = Run({"read", "--save-profile", PathOf("no/such/folder.json")});
  EXPECT_EQ(nowhere.exitCode, 5);
  EXPECT_EQ(LastLine(nowhere.err), "Error open file");
}

}  // namespace
}  // namespace zelto::cli
