// The recording file, which grows a synced line at a time, and the reported safe save.
#include "files/recording_file.h"

#include "../link/link_test_support.h"
#include "file_size_limit.h"
#include "files/saved_file.h"
#include "scratch_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelto::files {
namespace {

using testing::Contents;
using testing::FileSizeLimit;

class Recording : public ::testing::Test, protected testing::ScratchFolder {
 protected:
  RecordingFile file;
};

TEST_F(Recording, TakesWholeLinesInOrderAndStartsAnExistingFileAfresh) {
  const std::string path = Write("trend.csv", "an older recording\n");
  ASSERT_EQ(file.Open(path), FileOutcome::kDone);
  EXPECT_EQ(Contents(path), "");
  EXPECT_TRUE(file.Append("time,0x0500"));
  EXPECT_TRUE(file.Append("2026-12-07T14:15:02.123+01:00,1"));
  // On the disk already, with the file still open.
  EXPECT_EQ(Contents(path), "time,0x0500\n2026-12-07T14:15:02.123+01:00,1\n");
  file.Close();
  EXPECT_FALSE(file.Append("after the end"));
  EXPECT_EQ(Contents(path), "time,0x0500\n2026-12-07T14:15:02.123+01:00,1\n");
}

TEST_F(Recording, RefusesWhatIsNoFileWithoutWaitingOnIt) {
  const std::string pipe = PathOf("pipe.csv");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(file.Open(pipe), FileOutcome::kCannotOpen);  // nobody reads it
  const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(file.Open(pipe), FileOutcome::kCannotOpen);  // somebody does: still no file
  close(reader);
  EXPECT_EQ(file.Open(PathOf("")), FileOutcome::kCannotOpen);
  EXPECT_EQ(file.Open(""), FileOutcome::kCannotOpen);
  EXPECT_EQ(file.Open(PathOf("no/folder.csv")), FileOutcome::kCannotOpen);
  EXPECT_FALSE(file.IsOpen());
}

TEST_F(Recording, AFileThatCannotGrowEndsTheRecording) {
  const std::string path = PathOf("trend.csv");
  ASSERT_EQ(file.Open(path), FileOutcome::kDone);
  ASSERT_TRUE(file.Append("header"));
  {
    const FileSizeLimit limit(12);  // room for five more bytes
    EXPECT_FALSE(file.Append("a line too long"));
  }
  EXPECT_FALSE(file.IsOpen());
  EXPECT_FALSE(file.Append("x"));
  EXPECT_EQ(Contents(path).substr(0, 7), "header\n");
}

TEST_F(Recording, TheReportedSaveSaysHowItWent) {
  testing::MemoReporter memo;
  const std::string path = PathOf("memo.txt");
  EXPECT_EQ(SaveReported(path, std::string("Строка\n"), memo), FileOutcome::kDone);
  EXPECT_EQ(SaveReported(PathOf("no/memo.txt"), std::string("x"), memo), FileOutcome::kCannotOpen);
  EXPECT_EQ(memo.statuses, (std::vector<std::string>{"Файл записан", "Error open file"}));
  EXPECT_EQ(Contents(path), "Строка\n");
}

}  // namespace
}  // namespace zelto::files
