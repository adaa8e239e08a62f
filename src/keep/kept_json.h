#pragma once

#include <QJsonObject>
#include <QJsonValue>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace zelto::keep {

// What the program's kept JSON files (backups, output-check records) share, so that they are
// written and read back alike: hand-readable, their keys in a fixed order, checked on reading.

// One JSON value as text, escaped as the JSON writer escapes it.
std::string JsonValueText(const QJsonValue& value);

// The file's text: one key a line in the order given, two spaces in; a key whose value text is
// empty is left out.
std::string KeptFileText(std::span<const std::pair<const char*, std::string>> keys);

// The file's object when it is a JSON object of `format` whose version this program reads
// (1..newestVersion); otherwise why not, e.g. "not a backup (the format is not "…")" with `what`
// "a backup".
std::variant<QJsonObject, std::string> KeptFileObject(std::span<const char> bytes,
                                                      std::string_view format,
                                                      std::string_view what, int newestVersion);

// A device model as the files name it (ModelJson): its name, or its position where it has none.
std::optional<int> ModelFromJson(const QJsonValue& value);

// A whole number of at most nine digits; nothing for anything else.
std::optional<int> WholeJsonNumber(const QJsonValue& value);

// Why a file is refused for one of its keys.
std::string BadKeyText(const char* key);

}  // namespace zelto::keep
