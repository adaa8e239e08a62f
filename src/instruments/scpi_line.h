#pragma once

#include "instruments/instrument_failure.h"
#include "instruments/instrument_setting.h"

#include <QByteArray>
#include <QIODevice>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zelto::instruments {

inline constexpr std::string_view kIdentifyQuery = "*IDN?";

struct ScpiTimeouts {
  std::chrono::milliseconds reply{2000};    // from the query to the end of its answer
  std::chrono::milliseconds connect{3000};  // a TCP connection
  // Called between short slices of a wait with how long it has lasted, so that a window keeps
  // itself painted while a silent instrument is waited for; none: one wait to the end.
  std::function<void(std::chrono::milliseconds waited)> whileWaiting;
};

// Waits for `ready` until the deadline, in slices with the time-outs' whileWaiting called
// between them; true once `ready` says so.
bool WaitInSlices(const ScpiTimeouts& timeouts, std::chrono::milliseconds within,
                  const std::function<bool(int sliceMs)>& ready);

using Answer = std::variant<std::string, InstrumentFailure>;

// A text line to a SCPI instrument and its answers, each ended by LF, used without an event
// loop: every exchange waits on the calling thread. One small class per connection kind opens
// the device underneath.
class ScpiLine {
 public:
  virtual ~ScpiLine() = default;
  ScpiLine(const ScpiLine&) = delete;
  ScpiLine& operator=(const ScpiLine&) = delete;

  const std::string& Name() const { return name_; }
  InstrumentRole Role() const { return role_; }

  // Sends one command, which the instrument does not answer.
  std::optional<InstrumentFailure> Send(std::string_view command);
  // Sends the query and takes the line that answers it, without its line end. What waits
  // unread from before (the late answer to an earlier query) is dropped first, so that it is
  // never taken for this one's.
  Answer Query(std::string_view query);

 protected:
  ScpiLine(InstrumentRole role, std::string name, const ScpiTimeouts& timeouts);

  InstrumentFailure Failure(FailureKind kind, std::string detail = {}) const;
  virtual QIODevice& Device() = 0;
  // False once the line has gone: the port's device removed, the connection closed.
  virtual bool Connected() const = 0;

  ScpiTimeouts timeouts_;

 private:
  std::optional<std::string> TakeLine();
  void DropWaitingInput();

  InstrumentRole role_;
  std::string name_;
  QByteArray pending_;
};

// An instrument's answer as it can be shown and kept: blanks around it gone, control characters
// and broken UTF-8 in it made visible as '?', at most 200 characters.
std::string ShownAnswer(std::string_view answer);

// Opens the line an instrument description names (serial or TCP; a manual one has none).
std::variant<std::unique_ptr<ScpiLine>, InstrumentFailure> OpenScpiLine(
    const InstrumentSetting& setting, InstrumentRole role, const ScpiTimeouts& timeouts);

}  // namespace zelto::instruments
