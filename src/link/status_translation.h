#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace zelto {

// A status or message text of the core (marked QT_TRANSLATE_NOOP("status", ...)) in the
// interface's language. A text with values in it is its template with the values put in: the
// port ("Com3", or "Com3 (/dev/ttyUSB0)") where the template says %1; else each number that
// stands on its own, in order, where it says %1, %2, …; else a name after the template's last
// word (a backup's id). A text no translation knows is shown as it is.
QString TranslateStatus(std::string_view text);

// The same for a text of the core the window shows in its own words (scope "Zelto"): the names
// and values in the compare dialog and in the list of refused profile values.
QString TranslateMarked(std::string_view text, const char* scope);

// A text of the command-line tool (marked QT_TRANSLATE_NOOP("cli", ...)) in the language
// installed now, with the values put in place of %1, %2, … in one pass: the reasons the tool
// gives for its refusals, said as they are made. Without a translation (the Russian interface,
// or no application object) the text is the source's.
std::string ToolText(const char* source, const std::vector<std::string>& values = {});

// The text with each of the phrases in it (marked in scope) put into the interface's language,
// the longest first; what lies between them stays as it is. For lines made of fixed phrases
// and values, such as the configuration summary that a backup keeps.
QString TranslatePhrases(std::string_view text, const std::vector<std::string_view>& phrases,
                         const char* scope);

}  // namespace zelto
