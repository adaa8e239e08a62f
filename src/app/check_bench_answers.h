#pragma once

#include "app/check_setup.h"
#include "instruments/bench_connection.h"

#include <QString>

namespace zelto::app {

// A line for each instrument the setup's fields name, "Измеритель тока: <its *IDN? answer>" or
// the words of its failure, then the calibrator's: each is asked apart, so that one's fault does
// not hide the other's answer, and the calibrator before its command is filled in.
QString AskBenchText(const CheckSetupText& text, const instruments::ScpiTimeouts& timeouts);

// The same lines for the bench the check has connected.
QString BenchIdentitiesText(const instruments::BenchInstruments& bench);

}  // namespace zelto::app
