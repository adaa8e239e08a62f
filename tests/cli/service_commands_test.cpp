#include "scratch_folder.h"
#include "sim/simulator.h"
#include "tool_test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelto::cli {
namespace {

using sim::Fault;
using zelto::testing::Contents;

// Short read time-outs, so that a silent device costs well under a second.
const std::vector<std::string> kFast = {"--timeout-scale", "0.05"};

bool Contains(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The tool against a simulator of this process, which the test can make misbehave and
// question afterwards.
class ServiceCommand : public ::testing::Test, protected zelto::testing::ScratchFolder {
 protected:
  zelto::testing::ProgramResult Run(const std::vector<std::string>& command,
                                    const std::vector<std::string>& options = {}) {
    std::vector<std::string> arguments{"--port", sim_.Path(), "--model", "1"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.insert(arguments.end(), command.begin(), command.end());
    return RunProgram(kCli, arguments);
  }

  sim::Simulator sim_{1};
};

TEST_F(ServiceCommand, MemoryDumpsTheDeviceAndSavesItsImage) {
  sim::MemoryImage memory{};
  for (std::size_t i = 0; i < memory.size(); ++i)
    memory[i] = static_cast<std::uint8_t>(i);
  sim_.LoadMemory(memory);
  const std::string image = PathOf("eeprom.bin");
  const auto result = Run({"memory", "--save", image});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const Lines lines = LinesOf(result.out);
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[0], "0000  00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f ");
  EXPECT_EQ(lines[32], "");
  const sim::MemoryImage device = sim_.Memory();
  EXPECT_EQ(Contents(image), std::string(device.begin(), device.end()));

  EXPECT_EQ(Run({"memory", "--save", PathOf("no/such/eeprom.bin")}).exitCode, 5);
  EXPECT_EQ(Run({"memory", "--keep"}).exitCode, 2);
}

// A name that is no valid UTF-8 is the file system's bytes all the same: it names its own file,
// never the one whose name shows the replacement character in its place.
TEST_F(ServiceCommand, FileNamesReachTheFileSystemByteForByte) {
  const std::string image = PathOf("report-\xe9.bin");
  const std::string lookalike = Write("report-\xef\xbf\xbd.bin", "someone else's");
  auto result = Run({"memory", "--save", image});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Contents(image).size(), 512u);
  EXPECT_EQ(Contents(lookalike), "someone else's");

  const std::string text = PathOf("calibration-\xe9.txt");
  result = Run({"calib", "read", "--save", text});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(LinesOf(Contents(text)).size(), 9u);
  EXPECT_FALSE(std::filesystem::exists(PathOf("calibration-\xef\xbf\xbd.txt")));

  const std::string old = Write("old\xe9.bin", std::string(72, '\0'));
  const auto shown = RunProgram(kCli, {"--model", "1", "calib", "show", "--load", old});
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(LinesOf(shown.out).size(), 7u);
}

TEST_F(ServiceCommand, AMemoryReadCutShortBySilenceSavesNothing) {
  sim_.SetFault(Fault::SilentFrom(5));  // identification and three words answered
  const std::string image = PathOf("eeprom.bin");
  const auto result = Run({"memory", "--save", image}, kFast);
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_EQ(LinesOf(result.err).back(), "Прибор не отвечает");
  EXPECT_EQ(LinesOf(result.out).size(), 33u);  // the dump of what came
  EXPECT_FALSE(std::filesystem::exists(image));
}

TEST_F(ServiceCommand, TablesPrintsTheDecodedDump) {
  const auto result = Run({"tables"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const Lines lines = LinesOf(result.out);
  ASSERT_EQ(lines.size(), 63u);
  EXPECT_EQ(lines[33], "000000, 000000, 000000, 000000");  // below the table area: not read
}

// Its blocks and --count: the monitor tests.
TEST_F(ServiceCommand, MonitorShowsTheUnansweredAsMinusOneAndStopsAtSilence) {
  sim_.SetFault(Fault::SilentFrom(4));
  const auto result = Run({"monitor"}, kFast);
  EXPECT_EQ(result.exitCode, 3);
  const Lines lines = LinesOf(result.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[2], "M02 = -00001");
  EXPECT_EQ(LinesOf(result.err).back(), "Прибор не отвечает");

  for (const auto& bad : {Lines{"monitor", "--count", "-1"}, Lines{"monitor", "--interval", "-1"},
                          Lines{"monitor", "--count"}, Lines{"monitor", "extra"},
                          Lines{"monitor", "--csv=yes"}, Lines{"monitor", "--csv", "--csv"}}) {
    EXPECT_EQ(Run(bad).exitCode, 2) << bad.back();
  }
}

TEST_F(ServiceCommand, TraceShowsEveryFrameAndThePortEventsOnStandardError) {
  const auto traced = Run({"tables"}, {"--trace"});
  ASSERT_EQ(traced.exitCode, 0);
  const Lines err = LinesOf(traced.err);
  EXPECT_TRUE(Contains(err, "Ялп->PC  0c ca 53 00 00 00 00 00 00 00 02 02 df "));
  EXPECT_TRUE(std::any_of(err.begin(), err.end(),
                          [](const std::string& line) { return line.starts_with("22  00  "); }));
  EXPECT_EQ(err.size(), 3 + 2 + 2 * 386);  // statuses, port events, frames
  EXPECT_EQ(LinesOf(Run({"tables"}).err).size(), 3u);
}

TEST_F(ServiceCommand, CalibClearFullShowsTheNeutralBlockAndSavesIt) {
  const std::string text = PathOf("neutral.txt");
  const auto result = Run({"calib", "clear-full", "--save", text});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(LastLine(result.err), "Файл записан");  // as a .bin says
  const Lines lines = LinesOf(result.out);          // the block's lines: the calibration tests
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "Ae =  1.00000, Ar =  1.00000, Au =  1.00000");
  EXPECT_EQ(LinesOf(Contents(text))[4], "6301  8091  9980  11973");

  // Shown again from the file, without a device, in the layout of its model.
  const auto shown = RunProgram(kCli, {"--model", "1", "calib", "show", "--load", text});
  EXPECT_EQ(shown.exitCode, 0);
  EXPECT_EQ(shown.out, result.out);
  // Not in Velmor-7's, the default, which would show its gains and references as others.
  for (const char* language : {"ru", "en"}) {
    const auto velmor = RunProgram(kCli, {"--lang", language, "calib", "show", "--load", text});
    EXPECT_EQ(velmor.exitCode, 2);
    EXPECT_EQ(velmor.out, "");
    EXPECT_NE(velmor.err.find(language == std::string("ru") ? "раскладку выбирает --model"
                                                            : "--model chooses the layout"),
              std::string::npos)
        << velmor.err;
  }
}

TEST_F(ServiceCommand, CalibWritesAWholeFileAndNothingOfABadOne) {
  // The table-loading models keep three pairs and eighteen reference values.
  const std::string good = Write("good.txt",
                                 "2 0.5 3 0.25 4 0.125 0 0\n"
                                 "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 0 0\n");
  auto result = Run({"calib", "write", "--load", good});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const sim::MemoryImage memory = sim_.Memory();
  EXPECT_EQ(memory[48], 1);  // Ref[0]
  EXPECT_EQ(memory[50], 2);  // Ref[1]

  sim_.ClearRequests();
  for (const std::string& bad :
       {Write("short.bin", std::string(71, '\1')), Write("bad.txt", "2 0.5 3 zero"),
        PathOf("missing.bin"), Write("more.txt", Contents(good) + "21\n")}) {
    result = Run({"calib", "write", "--load", bad});
    EXPECT_EQ(result.exitCode, 5) << bad;
  }
  // A Velmor-7 block: its fourth pair would go nowhere, its references to the wrong words.
  const std::string velmor = Write("velmor.txt",
                                   "1 0 1 0 1 0 1 0\n"
                                   "1 2 3 4 5 6 7 8 9 10 11 12 13 14 0 0 0 0 0 0\n");
  result = Run({"calib", "write", "--load", velmor});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "zelto-cli: файл '" + velmor +
                            "' не ложится в раскладку калибровки dastra-2: это блок другой модели "
                            "(раскладку выбирает --model, по умолчанию velmor-7)\n");
  EXPECT_TRUE(sim_.Requests().empty());  // not even identified

  for (const auto& usage : {Lines{"calib", "write"}, Lines{"calib", "show"}, Lines{"calib"},
                            Lines{"calib", "erase"}, Lines{"calib", "read", "--save", "x.dat"}}) {
    EXPECT_EQ(Run(usage).exitCode, 2) << usage.back();
  }
}

}  // namespace
}  // namespace zelto::cli
