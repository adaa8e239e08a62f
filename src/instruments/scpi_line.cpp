#include "instruments/scpi_line.h"

#include "instruments/serial_scpi_line.h"
#include "instruments/tcp_scpi_line.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QString>

#include <algorithm>

namespace zelto::instruments {
namespace {

// Longer than any answer an instrument gives to the queries the check sends; a line that runs
// on without its end is cut there and taken as the answer, which then is no number.
constexpr qsizetype kLongestAnswer = 4096;
constexpr char kLineEnd = '\n';
constexpr qsizetype kLongestShown = 200;
constexpr qint64 kWaitSliceMs = 50;

}  // namespace

bool WaitInSlices(const ScpiTimeouts& timeouts, std::chrono::milliseconds within,
                  const std::function<bool(int sliceMs)>& ready) {
  const QDeadlineTimer deadline(within);
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    const qint64 left = std::max<qint64>(deadline.remainingTime(), 0);
    const qint64 slice = timeouts.whileWaiting ? std::min(left, kWaitSliceMs) : left;
    if (ready(static_cast<int>(slice)))
      return true;
    if (deadline.hasExpired() || !timeouts.whileWaiting)
      return false;
    timeouts.whileWaiting(std::chrono::milliseconds(waited.elapsed()));
  }
}

ScpiLine::ScpiLine(InstrumentRole role, std::string name, const ScpiTimeouts& timeouts)
    : timeouts_(timeouts), role_(role), name_(std::move(name)) {}

InstrumentFailure ScpiLine::Failure(FailureKind kind, std::string detail) const {
  return {role_, kind, name_, std::move(detail)};
}

std::optional<InstrumentFailure> ScpiLine::Send(std::string_view command) {
  if (!Connected())
    return Failure(FailureKind::kLineLost);
  QByteArray bytes(command.data(), static_cast<qsizetype>(command.size()));
  bytes.append(kLineEnd);
  QIODevice& device = Device();
  if (device.write(bytes) != bytes.size())
    return Failure(Connected() ? FailureKind::kNotSent : FailureKind::kLineLost);
  const QDeadlineTimer deadline(timeouts_.reply);
  while (device.bytesToWrite() > 0) {
    if (!device.waitForBytesWritten(
            static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0))))
      return Failure(Connected() ? FailureKind::kNotSent : FailureKind::kLineLost);
  }
  return std::nullopt;
}

Answer ScpiLine::Query(std::string_view query) {
  DropWaitingInput();
  if (auto failure = Send(query))
    return *failure;
  const QDeadlineTimer deadline(timeouts_.reply);
  QIODevice& device = Device();
  for (;;) {
    pending_.append(device.readAll());
    if (auto line = TakeLine())
      return *line;
    if (!Connected())
      return Failure(FailureKind::kLineLost);
    const std::chrono::milliseconds left(deadline.remainingTime());
    if (left.count() <= 0)
      return Failure(FailureKind::kSilent);
    // A line that went away ends the wait at once, as a reply would.
    WaitInSlices(timeouts_, left, [this, &device](int sliceMs) {
      return device.waitForReadyRead(sliceMs) || !Connected();
    });
  }
}

std::optional<std::string> ScpiLine::TakeLine() {
  const qsizetype end = pending_.indexOf(kLineEnd);
  QByteArray line;
  if (end >= 0 && end <= kLongestAnswer) {
    line = pending_.left(end);
    pending_.remove(0, end + 1);
  } else if (end > kLongestAnswer || pending_.size() >= kLongestAnswer) {
    // The rest of a line without end answers nothing.
    line = pending_.left(kLongestAnswer);
    pending_.clear();
  } else {
    return std::nullopt;
  }
  if (line.endsWith('\r'))
    line.chop(1);
  return line.toStdString();
}

void ScpiLine::DropWaitingInput() {
  QIODevice& device = Device();
  device.waitForReadyRead(0);
  device.readAll();
  pending_.clear();
}

std::string ShownAnswer(std::string_view answer) {
  QString text = QString::fromUtf8(answer.data(), static_cast<qsizetype>(answer.size())).trimmed();
  for (QChar& c : text) {
    if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
      c = QLatin1Char('?');
  }
  return text.left(kLongestShown).toStdString();
}

std::variant<std::unique_ptr<ScpiLine>, InstrumentFailure> OpenScpiLine(
    const InstrumentSetting& setting, InstrumentRole role, const ScpiTimeouts& timeouts) {
  switch (setting.connection) {
    case Connection::kSerial:
      return SerialScpiLine::Open(setting, role, timeouts);
    case Connection::kTcp:
      return TcpScpiLine::Open(setting, role, timeouts);
    case Connection::kManual:
      break;
  }
  return InstrumentFailure{role, FailureKind::kNotConnected, setting.text, {}};
}

}  // namespace zelto::instruments
