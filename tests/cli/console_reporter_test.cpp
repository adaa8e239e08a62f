#include "cli/console_reporter.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace zelto::cli {
namespace {

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

std::string Text(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;)
    text.push_back(static_cast<char>(c));
  return text;
}

TEST(ConsoleReporter, PrintsAMemoLineOnceItIsComplete) {
  const File memo(std::tmpfile());
  const File status(std::tmpfile());
  {
    ConsoleReporter reporter(memo.get(), status.get());
    reporter.AddMemoLine("Версия 2.4.17");
    EXPECT_EQ(Text(memo.get()), "");
    reporter.AppendToLastMemoLine(" от 14.03.2022");
    reporter.ShowStatus("Чтение завершено");
    reporter.AddMemoLine("second");
    EXPECT_EQ(Text(memo.get()), "Версия 2.4.17 от 14.03.2022\n");
    reporter.ClearMemo();  // nothing to clear; the line is complete
    EXPECT_EQ(Text(memo.get()), "Версия 2.4.17 от 14.03.2022\nsecond\n");
    reporter.AddMemoLine("last");
  }
  EXPECT_EQ(Text(memo.get()), "Версия 2.4.17 от 14.03.2022\nsecond\nlast\n");
  EXPECT_EQ(Text(status.get()), "Чтение завершено\n");
}

}  // namespace
}  // namespace zelto::cli
