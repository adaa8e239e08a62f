#pragma once

#include "check/check_record.h"
#include "cli/cli_options.h"
#include "cli/output.h"

#include <string>

namespace zelto::cli {

// report ID --out FILE.pdf: the report of a kept check.
int RunReport(const Invocation& invocation, Output& output);

// Whether the command draws a report's pages (report, check --report), and so needs Qt Gui's
// application object, made before any other.
bool DrawsReport(const Invocation& invocation);

// The record's report as a PDF at `path`, in the interface's language; the exit code: 5 when the
// file could not be written, which the reason on standard error names.
int RenderReport(const check::CheckRecord& record, const std::string& path, Output& output);

// Refuses, before a check begins, a --report that could not be written: a folder that is not
// there or not writable. The reason, or nothing.
std::optional<std::string> UnwritableReport(const std::string& path);

}  // namespace zelto::cli
