// zelto-cli read, write, correct and reset-correction against the tool's own simulator.
#include "background_program.h"
#include "sim/simulator.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <tuple>

namespace zelto::cli {
namespace {

using testing::BackgroundProgram;

// A simulator run by the tool itself, keeping its memory in a file of a fresh folder.
class Tool : public ::testing::Test {
 protected:
  ~Tool() override { Stop(); }

  // Starts (or restarts) the simulator of the model on the memory file.
  void Simulate(const std::string& model) {
    Stop();
    simulator_ = std::make_unique<BackgroundProgram>(
        kCli, Lines{"simulate", "--model", model, "--memory", MemoryFile()});
    path_ = simulator_->ReadLine();
    ASSERT_FALSE(path_.empty());
  }

  ProgramResult Run(const std::string& model, Lines arguments) {
    arguments.insert(arguments.begin(), {"--port", path_, "--model", model});
    return RunProgram(kCli, arguments);
  }

  // Lets the simulator end as a user would end it.
  void Stop() {
    if (simulator_) {
      EXPECT_EQ(simulator_->Stop(SIGTERM).exitCode, 0);
    }
  }

  std::string MemoryFile() const { return folder_.PathOf("memory.bin"); }
  std::string Memory() const { return testing::Contents(MemoryFile()); }

 private:
  testing::ScratchFolder folder_;  // outlives the simulator that saves into it
  std::unique_ptr<BackgroundProgram> simulator_;
  std::string path_;
};

TEST_F(Tool, WritesAConfigurationThatReadsBackFromTheDevicesMemory) {
  Simulate("1");
  const auto written = Run("1", {"write", "--sensor", "11", "--range", "-50..600", "--linear-emf"});
  EXPECT_EQ(written.exitCode, 0) << written.err;
  EXPECT_EQ(written.out, "");

  // A new run of the device starts from the memory the write left.
  Simulate("1");
  const auto read = Run("1", {"read"});
  EXPECT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(LinesOf(read.out),
            (Lines{"Dastra-2  Версия прошивки прибора 02.04.0017 от 14.03.2022",
                   "термопара ТХА (K)(-50...+1300)°C",
                   "Диапазон: (-46...+600)°C Линейно от термоЭДС(-1,8...+24,9) мВ"}));
  EXPECT_EQ(LastLine(read.err), "Чтение завершено");
}

TEST_F(Tool, WritesVelmorSwitchesWithTheOutputDefaultingToFourToTwenty) {
  Simulate("2");
  EXPECT_EQ(Run("2", {"write", "--sensor", "20", "--scheme", "3", "--sqrt"}).exitCode, 0);
  const auto read = Run("2", {"read"});
  EXPECT_EQ(LinesOf(read.out),
            (Lines{"Velmor-7  Версия прошивки прибора 2.04.0017 от 14.03.2022",
                   "Схема подключения:3-проводная", "Диапазон выхода:(4...20)мА",
                   "Компенсация холодного спая:выключено", "Корнеизвлечение:включено",
                   "Обрыв датчика:выключено", "сопротивление (0...320)Ом  Диапазон:(0...320)"}));
}

TEST_F(Tool, CorrectsAndResetsTheCorrection) {
  Simulate("1");
  const auto corrected = Run("1", {"--trace", "correct", "--sensor", "11", "--range", "0..1000",
                                   "--t1", "100", "--t2", "900", "--i1", "5.7", "--i2", "18.2"});
  EXPECT_EQ(corrected.exitCode, 0) << corrected.err;
  EXPECT_EQ(corrected.out, "");
  const Lines err = LinesOf(corrected.err);
  EXPECT_NE(std::find(err.begin(), err.end(), "Au = 1.02338, Bu =-3518.06641"), err.end())
      << corrected.err;
  EXPECT_NE(std::find(err.begin(), err.end(), "Запись завершена"), err.end());

  const auto reset = Run("1", {"reset-correction"});
  EXPECT_EQ(reset.exitCode, 0) << reset.err;
  EXPECT_EQ(LastLine(reset.err), "Запись завершена");
  // Words 84 and 88: gain 1.0 and offset 0.0.
  EXPECT_EQ(Memory().substr(84, 8), std::string("\x00\x00\x80\x3f\x00\x00\x00\x00", 8));
}

TEST_F(Tool, ARefusedCorrectionExitsTwoAndWritesNothing) {
  Simulate("1");
  const std::string before = Memory();
  const auto result = Run("1", {"correct", "--sensor", "11", "--range", "0..1000", "--t1", "500",
                                "--t2", "500.001", "--i1", "12", "--i2", "12"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(LastLine(result.err), "Коррекция не вычислена: сигналы в двух точках совпадают");
  EXPECT_EQ(Memory(), before);
}

TEST(ToolUsage, ValuesTheWindowWouldRefuseExitTwoBeforeAnyDeviceIsTouched) {
  // The port does not exist: reaching for it would exit 6.
  const Lines port{"--port", "/dev/zelto-no-such-port"};
  const std::vector<Lines> refused{
      {"--model", "1", "write", "--sensor", "15"},  // not in the list
      {"write", "--sensor", "21"},                  // nor here
      {"--model", "1", "write", "--sensor", "11", "--output", "4-20"},
      {"--model", "1", "write", "--sensor", "11", "--sqrt"},
      {"write", "--sensor", "8", "--linear-emf"},  // not a thermocouple
      {"write", "--sensor", "8", "--cold-junction"},
      {"write", "--sensor", "11", "--scheme", "3"},          // not for thermocouples
      {"write", "--sensor", "17", "--scheme", "3"},          // nor current inputs
      {"write", "--sensor", "11", "--range", "100.7..200"},  // whole numbers only
      {"write", "--sensor", "11", "--range", "-50..2000"},   // beyond the sensor
      {"write", "--sensor", "11", "--range", "600..600"},
      {"write", "--sensor", "11", "--output", "2-10"},
      {"write"},
      {"--model", "1", "correct", "--sensor", "11", "--range", "0..1000", "--t1", "100", "--t2",
       "900", "--i1", "7", "--i2", "18.4"},  // 1.4 mA from nominal
      {"--model", "1", "correct", "--sensor", "11", "--range", "0..1000", "--t1", "1100", "--t2",
       "900", "--i1", "5.6", "--i2", "18.4"},  // T1 beyond the range
      {"--model", "1", "correct", "--sensor", "11", "--range", "0..1000"},
      {"correct", "--sensor", "11", "--range", "0..1000", "--t1", "1", "--t2", "2", "--i1", "4",
       "--i2", "4"},  // Velmor-7 has none
      {"reset-correction"},
      {"--model", "1", "reset-correction", "now"},
  };
  for (Lines arguments : refused) {
    arguments.insert(arguments.begin(), port.begin(), port.end());
    const auto result = RunProgram(kCli, arguments);
    EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(arguments) << "\n" << result.err;
    EXPECT_TRUE(result.err.starts_with("zelto-cli: ")) << result.err;
  }
  for (const char* command : {"read", "identify"})
    EXPECT_EQ(RunProgram(kCli, {command}).exitCode, 2) << "no device given";
}

// What went wrong, told apart by the exit code and the last status, whatever the command.
TEST(ToolDevice, SilenceExitsThreeAnotherModelFourAndAMissingPortSix) {
  sim::Simulator silent(2);
  silent.SetFault(sim::Fault::SilentFrom(1));
  sim::Simulator dastra(1);
  for (const Lines& command :
       {Lines{"identify"}, Lines{"read"}, Lines{"write", "--sensor", "11"}}) {
    const auto run = [&](const std::string& port) {  // as Velmor-7, the default
      Lines arguments{"--port", port, "--timeout-scale", "0.02"};
      arguments.insert(arguments.end(), command.begin(), command.end());
      return RunProgram(kCli, arguments);
    };
    ProgramResult result = run(silent.Path());
    EXPECT_EQ(result.exitCode, 3) << command[0];
    EXPECT_EQ(LastLine(result.err), "Прибор не отвечает");
    result = run(dastra.Path());
    EXPECT_EQ(result.exitCode, 4) << command[0];
    EXPECT_EQ(LastLine(result.err), "Ошибка выбора прибора");
    result = run("/dev/zelto-no-such-port");
    EXPECT_EQ(result.exitCode, 6) << command[0];
    EXPECT_TRUE(LastLine(result.err).starts_with("Порт Com")) << result.err;
    EXPECT_TRUE(LastLine(result.err).ends_with(" не найден")) << result.err;
  }
}

// The tool's language: the status texts follow --lang, the memo's lines do not.
TEST(ToolLanguages, StatusesFollowTheLanguageAndTheSummaryStaysTheSame) {
  sim::Simulator device(1);
  const auto read = [&](const char* language) {
    return RunProgram(kCli, {"--lang", language, "--port", device.Path(), "--model", "1", "read"});
  };
  const ProgramResult russian = read("ru");
  const ProgramResult english = read("en");
  ASSERT_EQ(russian.exitCode, 0) << russian.err;
  ASSERT_EQ(english.exitCode, 0) << english.err;
  EXPECT_EQ(LastLine(russian.err), "Чтение завершено");
  EXPECT_EQ(LastLine(english.err), "Read complete");
  EXPECT_FALSE(russian.out.empty());
  EXPECT_EQ(english.out, russian.out);

  const ProgramResult refused = RunProgram(kCli, {"--lang", "fr", "ports"});
  EXPECT_EQ(refused.exitCode, 2);
}

// The port by the path the user gave, on standard error and in the JSON "error", in either
// language.
TEST(ToolLanguages, APortIsNamedByItsPathWhereverItsStatusGoes) {
  const std::string port = "/dev/zelto-no-such-port";
  for (const auto& [language, searching, missing] :
       {std::tuple{"ru", "Поиск на Com%1 (" + port + "). Ждите!",
                   "Порт Com%1 (" + port + ") не найден"},
        std::tuple{"en", "Searching on Com%1 (" + port + "). Please wait!",
                   "Port Com%1 (" + port + ") not found"}}) {
    const ProgramResult plain = RunProgram(kCli, {"--lang", language, "--port", port, "read"});
    EXPECT_EQ(plain.exitCode, 6);
    const Lines errors = LinesOf(plain.err);
    ASSERT_EQ(errors.size(), 2u) << plain.err;
    // The number is the port table's: whatever the machine's serial ports leave free.
    const std::string number =
        errors[1].substr(errors[1].find("Com") + 3,
                         errors[1].find(' ', errors[1].find("Com")) - errors[1].find("Com") - 3);
    const auto filled = [&](std::string text) { return text.replace(text.find("%1"), 2, number); };
    EXPECT_EQ(errors[0], filled(searching));
    EXPECT_EQ(errors[1], filled(missing));

    const ProgramResult json =
        RunProgram(kCli, {"--lang", language, "--json", "--port", port, "read"});
    EXPECT_EQ(json.exitCode, 6);
    EXPECT_NE(json.out.find("\"error\":\"" + filled(missing) + "\""), std::string::npos)
        << json.out;
  }
}

}  // namespace
}  // namespace zelto::cli
