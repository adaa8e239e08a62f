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
  Console console(memo.get(), status.get());
  Output output(console, false);
  {
    ConsoleReporter reporter(output);
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

// The lines of one port among several, and what --json makes of them.
TEST(PortOutput, PrefixesEveryLineWithThePortAndPrintsJsonObjectsWhole) {
  const File out(std::tmpfile());
  const File err(std::tmpfile());
  Console console(out.get(), err.get());
  Output tool(console, false);
  Output port = tool.ForPort("/dev/ttyUSB0", true);
  {
    ConsoleReporter reporter(port);
    reporter.AddMemoLine("Версия");
    reporter.ShowStatus("Чтение завершено");
  }
  port.Problem("profile 'k.json': not saved");
  EXPECT_EQ(Text(out.get()), "/dev/ttyUSB0\tВерсия\n");
  EXPECT_EQ(
      Text(err.get()),
      "/dev/ttyUSB0\tЧтение завершено\n/dev/ttyUSB0\tzelto-cli: profile 'k.json': not saved\n");
  EXPECT_EQ(port.Finish(5), 5);  // without --json, nothing more
}

TEST(PortOutput, WithJsonEndsWithTheResultOrTheFailureAndItsLastStatus) {
  const File out(std::tmpfile());
  const File err(std::tmpfile());
  Console console(out.get(), err.get());
  const Output tool(console, true);
  Output done = tool.ForPort("/dev/pts/4", false);
  {
    ConsoleReporter reporter(done);
    reporter.AddMemoLine("not on standard output");
  }
  done.Result().insert("status", "Запись завершена");
  done.Finish(0);
  Output failed = tool.ForPort("/dev/pts/5", false);
  failed.Status("Прибор не отвечает");
  failed.Finish(3);
  Output differs = tool.ForPort("/dev/pts/6", false);
  differs.Emit({{"field", "range"}});
  differs.Finish(7);
  EXPECT_EQ(Text(out.get()),
            "{\"ok\":true,\"port\":\"/dev/pts/4\",\"status\":\"Запись завершена\"}\n"
            "{\"error\":\"Прибор не отвечает\",\"exit\":3,\"ok\":false,\"port\":\"/dev/pts/5\"}\n"
            "{\"field\":\"range\",\"ok\":true,\"port\":\"/dev/pts/6\"}\n");
}

}  // namespace
}  // namespace zelto::cli
