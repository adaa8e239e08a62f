// SIGINT and SIGTERM in the middle of a save: the save's temporary file goes with the process.
#include "cli/stop_signals.h"

#include "files/temporary_files.h"
#include "scratch_folder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelto::cli {
namespace {

// How a child ends that, with the handlers in place, is stopped by `signal` while it saves:
// its wait status.
int StoppedWhileSaving(const std::string& temporary, int signal, bool ignoredAtStart) {
  const pid_t child = fork();
  if (child == 0) {
    if (ignoredAtStart)
      std::signal(signal, SIG_IGN);
    RemoveTemporaryFilesOnStop();
    const files::OwnTemporaryFile own(temporary);
    raise(signal);
    _exit(7);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST(StopSignals, TakeTheTemporaryFileOfASaveAndEndTheProcessAsTheyWould) {
  for (const int signal : {SIGINT, SIGTERM}) {
    const testing::ScratchFolder folder;
    const std::string temporary = folder.Write("20261207-141502-123-tty0-1.json.Ab3dE9", "{\"for");
    const int status = StoppedWhileSaving(temporary, signal, false);
    ASSERT_TRUE(WIFSIGNALED(status)) << signal;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_FALSE(std::filesystem::exists(temporary)) << signal;
  }
}

TEST(StopSignals, ThatTheProcessWasStartedIgnoringStayIgnored) {
  const testing::ScratchFolder folder;
  const std::string temporary = folder.Write("x.json.Ab3dE9", "{\"for");
  const int status = StoppedWhileSaving(temporary, SIGINT, true);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_TRUE(std::filesystem::exists(temporary));
}

}  // namespace
}  // namespace zelto::cli
