// The temporary files of saves going on, which a stop signal takes away.
#include "files/temporary_files.h"

#include "scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zelto::files {
namespace {

TEST(OwnTemporaryFiles, GoOnAStopOnlyWhileTheirSaveGoesOn) {
  const testing::ScratchFolder folder;
  const std::string saving = folder.Write("a.json.Ab3dE9", "half");
  const std::string another = folder.Write("b.json.Xy7kQ2", "another process's");
  {
    const OwnTemporaryFile own(saving);
    RemoveOwnTemporaryFiles();
    EXPECT_FALSE(std::filesystem::exists(saving));
    EXPECT_TRUE(std::filesystem::exists(another));
  }
  // Its save over, the name may be another's file now.
  folder.Write("a.json.Ab3dE9", "someone else's");
  RemoveOwnTemporaryFiles();
  EXPECT_TRUE(std::filesystem::exists(saving));
}

TEST(OwnTemporaryFiles, AreNamedAsFarAsThereIsRoom) {
  const testing::ScratchFolder folder;
  std::vector<std::unique_ptr<OwnTemporaryFile>> owned;
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < kKeptTemporaryFiles + 2; ++i) {
    paths.push_back(folder.Write("f" + std::to_string(i) + ".json.Ab3dE9", ""));
    owned.push_back(std::make_unique<OwnTemporaryFile>(paths.back()));
  }
  const OwnTemporaryFile unnamed("/" + std::string(2000, 'y'));
  RemoveOwnTemporaryFiles();
  for (std::size_t i = 0; i < paths.size(); ++i)
    EXPECT_EQ(std::filesystem::exists(paths[i]), i >= kKeptTemporaryFiles) << i;
  // A slot given back takes the next name.
  owned.front().reset();
  const std::string next = folder.Write("next.json.Ab3dE9", "");
  const OwnTemporaryFile own(next);
  RemoveOwnTemporaryFiles();
  EXPECT_FALSE(std::filesystem::exists(next));
}

}  // namespace
}  // namespace zelto::files
