#include "cli/output.h"

#include "cli/exit_codes.h"
#include "files/file_outcome.h"
#include "link/status_translation.h"

#include <QJsonDocument>

namespace zelto::cli {

Output::Output(Console& console, bool json, std::string port, bool prefixed)
    : console_(console), json_(json), port_(std::move(port)), prefixed_(prefixed) {}

Output Output::ForPort(std::string port, bool prefixed) const {
  return Output(console_, json_, std::move(port), prefixed);
}

void Output::Print(bool toErr, std::string_view line) {
  if (!prefixed_) {
    toErr ? console_.Err(line) : console_.Out(line);
    return;
  }
  std::string whole = port_ + "\t";
  whole += line;
  toErr ? console_.Err(whole) : console_.Out(whole);
}

void Output::Line(std::string_view line) {
  if (!json_)
    Print(false, line);
}

void Output::TableHeader(std::string_view line) {
  console_.Out(prefixed_ ? "port," + std::string(line) : std::string(line));
}

void Output::TableRow(std::string_view line) {
  console_.Out(prefixed_ ? port_ + "," + std::string(line) : std::string(line));
}

void Output::Status(std::string_view text) {
  // In the interface's language; a failure's "error" says what was shown.
  const std::string shown = TranslateStatus(text).toStdString();
  lastProblem_ = shown;
  Print(true, shown);
}

void Output::Problem(std::string_view reason) {
  lastProblem_ = reason;
  Print(true, "zelto-cli: " + std::string(reason));
}

void Output::Note(std::string_view line) {
  Print(true, line);
}

int Output::OutputLost() {
  Status(files::kStatusFileWriteError);
  console_.SetOutFailureShown();
  return kExitFileError;
}

void Output::Write(QJsonObject object) {
  if (!port_.empty())
    object.insert("port", JsonText(port_));
  // Whole lines already, so a port's prefix would only break them: the object names its port.
  console_.Out(QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString());
}

void Output::Emit(QJsonObject object) {
  object.insert("ok", true);
  Write(std::move(object));
}

QJsonObject& Output::Result() {
  if (!result_)
    result_.emplace();
  return *result_;
}

int Output::Finish(int exitCode) {
  if (!json_ || handedOver_)
    return exitCode;
  if (exitCode == kExitSuccess || exitCode == kExitDifferent) {
    if (result_)
      Emit(*result_);
    return exitCode;
  }
  QJsonObject failure = result_.value_or(QJsonObject());
  failure.insert("ok", false);
  failure.insert("exit", exitCode);
  failure.insert("error", JsonText(lastProblem_));
  Write(std::move(failure));
  return exitCode;
}

int UsageError(Output& output, std::string_view reason) {
  output.Problem(reason);
  return kExitUsage;
}

QString JsonText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zelto::cli
