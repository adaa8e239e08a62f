#include "calib/calibration_files.h"

#include "../link/link_test_support.h"
#include "calib/calibration_display.h"
#include "calib/ee_image_file.h"
#include "file_size_limit.h"
#include "scratch_folder.h"

#include <cmath>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelto::calib {
namespace {

using testing::Contents;
using testing::FileSizeLimit;
using testing::MemoReporter;
using Lines = std::vector<std::string>;

constexpr int kDastra = 1;
constexpr int kVelmor = 2;

CalibBlock NeutralVelmor() {
  CalibBlock block;
  for (int pair = 0; pair < 4; ++pair) {
    Gain(block, pair) = kNeutralGain;
    Offset(block, pair) = kNeutralOffset;
  }
  std::copy(kVelmorNeutralReferences.begin(), kVelmorNeutralReferences.end(), block.Ref.begin());
  return block;
}

CalibBlock Distinct() {
  CalibBlock block;
  for (std::size_t i = 0; i < block.Pairs.size(); ++i)
    block.Pairs[i] = -1.25f * static_cast<float>(i + 1);
  for (std::size_t i = 0; i < block.Ref.size(); ++i)
    block.Ref[i] = static_cast<std::uint16_t>(60000 + i);
  return block;
}

class Files : public ::testing::Test, protected testing::ScratchFolder {
 protected:
  // Loads a file that is not whole into a distinct block, which it must say; the block as the
  // load left it.
  CalibBlock LoadBad(const char* name, const std::string& contents, bool show = false) {
    memo = {};
    CalibBlock block = Distinct();
    const std::string path = Write(name, contents);
    EXPECT_EQ(std::string_view(name).ends_with(".bin")
                  ? LoadCalibrationBin(path, block, kVelmor, show, memo)
                  : LoadCalibrationText(path, block, kVelmor, show, memo),
              files::FileOutcome::kBadFormat)
        << name;
    EXPECT_EQ(memo.statuses, (Lines{"Неверный формат файла"})) << name;
    return block;
  }

  MemoReporter memo;
};

TEST_F(Files, ABinaryFileRestoresAll72Bytes) {
  const std::string path = PathOf("calibration.bin");
  ASSERT_EQ(SaveCalibrationBin(path, Distinct(), memo), files::FileOutcome::kDone);
  EXPECT_EQ(Contents(path).size(), 72u);
  CalibBlock loaded{};
  ASSERT_EQ(LoadCalibrationBin(path, loaded, kDastra, true, memo), files::FileOutcome::kDone);
  EXPECT_EQ(loaded, Distinct());  // pair 3 and Ref[18..19] included
  EXPECT_EQ(memo.statuses, (Lines{"Файл записан", "Файл записан"}));
  EXPECT_EQ(memo.memo, CalibrationLines(loaded, kDastra));
}

TEST_F(Files, TheTextFileHoldsPairsThenReferencesFourToALine) {
  const std::string path = PathOf("neutral.txt");
  ASSERT_EQ(SaveCalibrationText(path, NeutralVelmor(), kVelmor, false, memo),
            files::FileOutcome::kDone);
  EXPECT_EQ(Contents(path),
            "1.000000  0.000000\n1.000000  0.000000\n1.000000  0.000000\n1.000000  0.000000\n"
            "2635  15058  2635  12554\n22571  32686  42913  53249\n3480  13406  23428  33554\n"
            "43787  65535  0  0\n0  0  0  0\n");
  CalibBlock loaded = Distinct();
  ASSERT_EQ(LoadCalibrationText(path, loaded, kVelmor, false, memo), files::FileOutcome::kDone);
  EXPECT_EQ(loaded, NeutralVelmor());
  EXPECT_TRUE(memo.statuses.empty());

  // One line or nine, and -1 as 65535.
  std::string oneLine = Contents(path);
  std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
  oneLine.replace(oneLine.find("65535"), 5, "-1");
  loaded = Distinct();
  ASSERT_EQ(LoadCalibrationText(Write("one-line.txt", oneLine), loaded, kVelmor, false, memo),
            files::FileOutcome::kDone);
  EXPECT_EQ(loaded, NeutralVelmor());
}

// Erased calibration words read as NaN; whatever the text save writes for such values, the text
// load takes back.
TEST_F(Files, ATextFileWithNaNsAndInfinitiesLoadsBack) {
  CalibBlock block = Distinct();
  std::uint32_t erased = 0xFFFFFFFF;
  std::memcpy(&block.Pairs[0], &erased, sizeof erased);
  block.Pairs[1] = std::numeric_limits<float>::quiet_NaN();
  block.Pairs[2] = std::numeric_limits<float>::infinity();
  block.Pairs[3] = -std::numeric_limits<float>::infinity();
  block.Pairs[4] = std::numeric_limits<float>::max();
  block.Pairs[5] = 0.1234564f;  // six decimals kept
  const std::string path = PathOf("erased.txt");
  ASSERT_EQ(SaveCalibrationText(path, block, kVelmor, false, memo), files::FileOutcome::kDone);
  const std::string text = Contents(path);
  ASSERT_TRUE(text.starts_with("-nan  nan\ninf  -inf\n")) << text;

  CalibBlock loaded{};
  ASSERT_EQ(LoadCalibrationText(path, loaded, kVelmor, false, memo), files::FileOutcome::kDone);
  EXPECT_TRUE(std::isnan(loaded.Pairs[0]) && std::signbit(loaded.Pairs[0]));
  EXPECT_TRUE(std::isnan(loaded.Pairs[1]) && !std::signbit(loaded.Pairs[1]));
  EXPECT_EQ(loaded.Pairs[2], std::numeric_limits<float>::infinity());
  EXPECT_EQ(loaded.Pairs[3], -std::numeric_limits<float>::infinity());
  EXPECT_EQ(loaded.Pairs[4], std::numeric_limits<float>::max());
  EXPECT_EQ(loaded.Pairs[5], 0.123456f);
  EXPECT_EQ(loaded.Ref, block.Ref);
  EXPECT_EQ(CalibrationText(loaded), text);
  EXPECT_TRUE(memo.statuses.empty());

  // Read as formatted input reads them: any case, the long form of infinity, a sign either way.
  loaded = LoadBad("cases.txt", "NaN +INF Infinity -Nan 0 0 0 0" + std::string(20 * 2, ' ') + "1");
  EXPECT_TRUE(std::isnan(loaded.Pairs[0]) && !std::signbit(loaded.Pairs[0]));
  EXPECT_EQ(loaded.Pairs[1], std::numeric_limits<float>::infinity());
  EXPECT_EQ(loaded.Pairs[2], std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(loaded.Pairs[3]) && std::signbit(loaded.Pairs[3]));
  EXPECT_EQ(loaded.Ref[0], 1);  // one integer for twenty
  // A word that only begins one of them is no number.
  EXPECT_EQ(LoadBad("word.txt", "infinite 0"), Distinct());
}

TEST_F(Files, AShortOrMalformedFileLoadsAsFarAsItGoesAndIsReported) {
  CalibBlock expected = Distinct();
  expected.Pairs[0] = expected.Pairs[1] = 0.0f;
  EXPECT_EQ(LoadBad("short.bin", std::string(8, '\0'), true), expected);
  EXPECT_EQ(memo.memo.size(), 4u);  // shown all the same
  EXPECT_EQ(LoadBad("empty.bin", ""), Distinct());

  expected = Distinct();
  expected.Pairs[0] = 1.5f;
  expected.Pairs[1] = 2.5f;
  expected.Pairs[2] = 3.5f;
  EXPECT_EQ(LoadBad("bad.txt", "1.5 2.5 3.5 x 9 9 9 9"), expected);
  const CalibBlock cut = LoadBad("cut.txt", "1 0 1 0 1 0 1 0 5 6");
  EXPECT_EQ(cut.Ref[1], 6);
  EXPECT_EQ(cut.Ref[2], Distinct().Ref[2]);
}

// A pipe opened for reading would wait for a writer for ever; a save must not replace it.
TEST_F(Files, WhatCannotBeOpenedOrIsNoFileChangesNothing) {
  const std::string pipe = PathOf("pipe.bin");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  CalibBlock block = Distinct();
  EXPECT_EQ(LoadCalibrationBin(PathOf("missing.bin"), block, kVelmor, false, memo),
            files::FileOutcome::kCannotOpen);
  EXPECT_EQ(LoadCalibrationText("", block, kVelmor, false, memo), files::FileOutcome::kCannotOpen);
  EXPECT_EQ(LoadCalibrationBin(pipe, block, kVelmor, false, memo), files::FileOutcome::kCannotOpen);
  EXPECT_EQ(SaveCalibrationBin(PathOf("no/such/folder.bin"), block, memo),
            files::FileOutcome::kCannotOpen);
  EXPECT_EQ(SaveCalibrationBin(pipe, block, memo), files::FileOutcome::kCannotOpen);
  EXPECT_EQ(SaveEEImage("", EEImage{}, memo), files::FileOutcome::kCannotOpen);
  EXPECT_EQ(SaveEEImage(PathOf(""), EEImage{}, memo), files::FileOutcome::kCannotOpen);  // a folder
  struct stat status {};
  ASSERT_EQ(stat(pipe.c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "replaced by a plain file";
  EXPECT_EQ(memo.statuses, Lines(7, "Error open file"));
  EXPECT_EQ(block, Distinct());
}

TEST_F(Files, AFailedAtomicSaveLeavesTheOldFileIntactAndSaysSo) {
  const std::string image = Write("eeprom.bin", "the old image");
  const std::string calibration = Write("calibration.txt", "the old text");
  {
    const FileSizeLimit limit(4);
    EXPECT_EQ(SaveEEImage(image, EEImage{}, memo), files::FileOutcome::kWriteFailed);
    EXPECT_EQ(SaveCalibrationText(calibration, Distinct(), kVelmor, false, memo),
              files::FileOutcome::kWriteFailed);
  }
  EXPECT_EQ(memo.statuses, Lines(2, "Ошибка записи файла"));
  EXPECT_EQ(Contents(image), "the old image");
  EXPECT_EQ(Contents(calibration), "the old text");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(PathOf("")),
                          std::filesystem::directory_iterator()),
            2);  // no temporary left behind
}

// Makes a folder take no new entry while it lives, even for root, whom permissions do not stop:
// an immutable folder refuses new entries to everyone, while a file already in it stays
// writable. Where the file system or the user cannot set that flag, a folder without write
// permission does the same for anyone but root.
class FolderThatTakesNoNewFile {
 public:
  explicit FolderThatTakesNoNewFile(const std::string& path) : path_(path) {
    immutable_ = SetImmutable(true);
    readOnly_ = !immutable_ && geteuid() != 0 && chmod(path.c_str(), 0555) == 0;
  }
  ~FolderThatTakesNoNewFile() {
    if (readOnly_)
      chmod(path_.c_str(), 0700);
    if (immutable_)
      SetImmutable(false);
  }
  FolderThatTakesNoNewFile(const FolderThatTakesNoNewFile&) = delete;
  FolderThatTakesNoNewFile& operator=(const FolderThatTakesNoNewFile&) = delete;

  // Why the folder still takes new files, if it does.
  std::optional<std::string> Failure() const {
    const std::string probe = path_ + "/probe";
    const int created = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (created < 0)
      return std::nullopt;
    close(created);
    unlink(probe.c_str());
    return "neither an immutable folder (no FS_IOC_SETFLAGS here) nor a read-only one (root) "
           "keeps a new file out";
  }

 private:
  bool SetImmutable(bool on) const {
    const int folder = open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int flags = 0;
    bool done = folder >= 0 && ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(folder, FS_IOC_SETFLAGS, &flags) == 0;
    if (folder >= 0)
      close(folder);
    return done;
  }

  std::string path_;
  bool immutable_ = false;
  bool readOnly_ = false;
};

// Where no temporary file can be made beside it, a file that may be written is written in
// place; only there a failed write cannot keep the old contents, and it still says so.
TEST_F(Files, ASaveIntoAFolderThatTakesNoNewFileWritesTheFileInPlace) {
  std::filesystem::create_directory(PathOf("fixed"));
  const std::string image = Write("fixed/eeprom.bin", "the old image");
  const std::string calibration = Write("fixed/calibration.txt", "the old text");
  chmod(image.c_str(), 0640);
  const FolderThatTakesNoNewFile fixed(PathOf("fixed"));
  if (const auto failure = fixed.Failure())
    GTEST_SKIP() << *failure;

  EEImage bytes{};
  bytes[0] = 0x5A;
  ASSERT_EQ(SaveEEImage(image, bytes, memo), files::FileOutcome::kDone);
  EXPECT_EQ(Contents(image), std::string(reinterpret_cast<const char*>(bytes.data()), 512));
  struct stat status {};
  ASSERT_EQ(stat(image.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  // Shorter contents than before leave nothing of the old behind.
  ASSERT_EQ(SaveCalibrationBin(image, Distinct(), memo), files::FileOutcome::kDone);
  EXPECT_EQ(Contents(image).size(), 72u);
  // A new file has no place there.
  EXPECT_EQ(SaveEEImage(PathOf("fixed/new.bin"), bytes, memo), files::FileOutcome::kCannotOpen);
  EXPECT_FALSE(std::filesystem::exists(PathOf("fixed/new.bin")));
  EXPECT_EQ(memo.statuses, (Lines{"Файл записан", "Error open file"}));

  memo = {};
  {
    const FileSizeLimit limit(4);
    EXPECT_EQ(SaveCalibrationText(calibration, Distinct(), kVelmor, false, memo),
              files::FileOutcome::kWriteFailed);
  }
  EXPECT_EQ(memo.statuses, (Lines{"Ошибка записи файла"}));
  EXPECT_NE(Contents(calibration), "the old text");
}

TEST_F(Files, ASaveThroughALinkReplacesItsTargetAndKeepsThePermissions) {
  const std::string target = Write("target.bin", "old");
  chmod(target.c_str(), 0640);
  std::filesystem::create_symlink(target, PathOf("link.bin"));
  EEImage image{};
  image[511] = 0x7E;
  ASSERT_EQ(SaveEEImage(PathOf("link.bin"), image, memo), files::FileOutcome::kDone);
  EXPECT_TRUE(std::filesystem::is_symlink(PathOf("link.bin")));
  EXPECT_EQ(Contents(target), std::string(reinterpret_cast<const char*>(image.data()), 512));
  struct stat status {};
  ASSERT_EQ(stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_TRUE(memo.statuses.empty());
}

}  // namespace
}  // namespace zelto::calib
