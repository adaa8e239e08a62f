#pragma once

#include "check/check_record.h"
#include "cli/cli_options.h"
#include "cli/output.h"

#include <string>

namespace zelto::cli {

// check: the output check of the connected unit, as found and, with --adjust, corrected and as
// left; keeps its record. Exit 0 when it passes, 8 when it fails or is cancelled.
int RunCheck(const Invocation& invocation, Output& output);

// checks: the kept records, newest first, of one tag with --tag.
int RunChecks(const Invocation& invocation, Output& output);

// Renders a record's report as a PDF at `path` and returns the exit code; where the report is
// drawn, a record in and a PDF out, so that check --report and report ID make the same pages.
using ReportRenderer = int (*)(const check::CheckRecord& record, const std::string& path,
                               Output& output);
ReportRenderer CheckReportRenderer();

}  // namespace zelto::cli
