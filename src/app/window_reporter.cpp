#include "app/window_reporter.h"

#include "link/status_translation.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextCursor>

namespace zelto::app {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void WindowReporter::ShowStatus(std::string_view text) {
  const QString shown = TranslateStatus(text);
  statusPanel_.setText(shown);
  // A long one (a port's path, the dialout advice) may not fit the panel: the pointer shows it.
  statusPanel_.setToolTip(shown);
  statusPanel_.repaint();
}

void WindowReporter::ClearMemo() {
  memo_.clear();
}

void WindowReporter::AddMemoLine(std::string_view line) {
  memo_.appendPlainText(FromUtf8(line));
}

void WindowReporter::AppendToLastMemoLine(std::string_view text) {
  QTextCursor cursor(memo_.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(FromUtf8(text));
}

void WindowReporter::SetProgress(int percent) {
  progress_.setValue(percent);
  progress_.repaint();
}

}  // namespace zelto::app
