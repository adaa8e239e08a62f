#pragma once

#include "check/output_check.h"
#include "instruments/bench_connection.h"

#include <QString>

#include <chrono>
#include <variant>

namespace zelto::app {

// The check's setup as its page holds it, in the window's number format (decimal comma).
struct CheckSetupText {
  QString tag;
  QString engineer;
  QString points;     // "0; 25; 50; 75; 100"
  QString tolerance;  // % of the output span, "0,25"
  QString settle;     // seconds, "2"
  QString meter;      // manual, serial:PATH[:BAUD] or tcp:HOST:PORT
  QString meterQuery;
  QString source;
  QString sourceCommand;  // "SOUR:TEMP {c}"
};

// What the check is started with: its settings (without the port, time and *IDN? answers,
// which come when it starts) and the bench's instruments.
struct CheckSetup {
  check::CheckSettings settings;
  instruments::BenchWiring wiring;
  std::chrono::milliseconds settle{2000};
};

// The setup read from its fields, or the first field that will not do and why, in the
// interface's language.
std::variant<CheckSetup, QString> ReadCheckSetup(const CheckSetupText& text);

// An instrument's field: manual, serial:PATH[:BAUD] or tcp:HOST:PORT (empty is manual), or why it
// will not do, beginning with the field's name.
std::variant<instruments::InstrumentSetting, QString> ReadInstrumentSetting(const QString& text,
                                                                            const QString& field);

// "0; 25; 50; 75; 100": the points as the page shows them.
QString PointsText(const std::vector<double>& percents);

}  // namespace zelto::app
