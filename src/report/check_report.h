#pragma once

#include "check/check_record.h"
#include "files/file_outcome.h"

#include <QString>

namespace zelto::report {

// Draws the record's report, "Протокол проверки", as a PDF at `path`, in the interface's
// language (the translators installed at the time). Needs a QGuiApplication for its fonts.
files::FileOutcome SaveCheckReport(const check::CheckRecord& record, const QString& path);

}  // namespace zelto::report
