#pragma once

#include <QString>

#include <string_view>

namespace zelto {

// A status or message text of the core (marked QT_TRANSLATE_NOOP("status", ...)) in the
// interface's language. A text with a value in it is its template with the value put in: a port
// number where the template says %1, or a name after the template's last word (a backup's id).
// A text no translation knows is shown as it is.
QString TranslateStatus(std::string_view text);

// The same for a text of the core the window shows in its own words (scope "Zelto"): the names
// and values in the compare dialog and in the list of refused profile values.
QString TranslateMarked(std::string_view text, const char* scope);

}  // namespace zelto
