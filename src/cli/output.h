#pragma once

#include "cli/console.h"

#include <QJsonObject>

#include <optional>
#include <string>
#include <string_view>

namespace zelto::cli {

// What one run of a command prints: the tool's own lines, or one port's when a command runs on
// several, each line then prefixed with the port's path and a tab. With --json the memo lines
// give way to JSON objects, one a line, and the run ends with its result object or, when it
// failed, an object that says how.
class Output {
 public:
  // `port` is the device path the run talks to, empty for a command without one; `prefixed`
  // puts it before every line.
  Output(Console& console, bool json, std::string port = {}, bool prefixed = false);

  bool Json() const { return json_; }
  const std::string& Port() const { return port_; }
  // The output of another run beside this one, on the same console.
  Output ForPort(std::string port, bool prefixed) const;

  // A memo line on standard output; nothing with --json, where the objects say it all.
  void Line(std::string_view line);
  // The lines of a table on standard output (a comma-separated recording): with several ports,
  // the port is the table's first column, "port", rather than a prefix, so that it stays one
  // table.
  void TableHeader(std::string_view line);
  void TableRow(std::string_view line);
  // A status text on standard error; the last one is what a failure's "error" says.
  void Status(std::string_view text);
  // "zelto-cli: " and the reason on standard error; remembered as a status is.
  void Problem(std::string_view reason);
  // A line on standard error that tells no outcome: a trace line, the words of a mismatch.
  void Note(std::string_view line);
  // The last status or problem shown; empty when none was.
  const std::string& LastStatus() const { return lastProblem_; }
  // Whether standard output has refused a line, of this run or of another beside it.
  bool OutputFailed() const { return console_.OutFailed(); }
  // For a command that cannot go on once its output is lost: says "Ошибка записи файла" and
  // returns exit code 5, which then stands for the lost output.
  int OutputLost();

  // Prints one object at once, with "ok" true and, for a device's run, "port".
  void Emit(QJsonObject object);
  // The run's result, printed by Finish; the command fills it in as it goes.
  QJsonObject& Result();
  // The command runs on ports, whose outputs tell how it ended: Finish prints nothing more.
  void HandOver() { handedOver_ = true; }
  // Ends the run with its exit code, which it returns. With --json: the result, with "ok" true,
  // for 0 and for 7 (a difference found is no failure); otherwise "ok" false, "exit" and "error"
  // (the last status or problem) added to whatever the result holds by then.
  int Finish(int exitCode);

 private:
  void Print(bool toErr, std::string_view line);
  void Write(QJsonObject object);

  Console& console_;
  bool json_;
  std::string port_;
  bool prefixed_;
  std::string lastProblem_;
  std::optional<QJsonObject> result_;
  bool handedOver_ = false;
};

// Says why the arguments cannot be used, for the run or the whole command; returns exit 2.
int UsageError(Output& output, std::string_view reason);

// The text as JSON holds it: Qt's strings are UTF-16, ours UTF-8.
QString JsonText(std::string_view text);

}  // namespace zelto::cli
