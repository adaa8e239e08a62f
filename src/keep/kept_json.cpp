#include "keep/kept_json.h"

#include "keep/backup.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

#include <cmath>

namespace zelto::keep {
namespace {

constexpr int kLastModel = 2;
constexpr double kLargestWholeNumber = 1e9;

}  // namespace

std::string JsonValueText(const QJsonValue& value) {
  const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  return wrapped.mid(1, wrapped.size() - 2).toStdString();
}

std::string KeptFileText(std::span<const std::pair<const char*, std::string>> keys) {
  std::string text = "{";
  for (const auto& [key, value] : keys) {
    if (value.empty())
      continue;
    text += text.size() == 1 ? "\n" : ",\n";
    text += std::string("  \"") + key + "\": " + value;
  }
  return text + "\n}\n";
}

std::variant<QJsonObject, std::string> KeptFileObject(std::span<const char> bytes,
                                                      std::string_view format,
                                                      std::string_view what, int newestVersion) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject())
    return std::string("not a JSON object");
  const QJsonObject object = document.object();
  const std::string formatText(format);
  if (object.value("format").toString() != QString::fromStdString(formatText))
    return "not " + std::string(what) + " (the format is not \"" + formatText + "\")";
  const auto version = WholeJsonNumber(object.value("version"));
  if (!version || *version < 1)
    return BadKeyText("version");
  if (*version > newestVersion) {
    return "written by a newer program (version " + std::to_string(*version) + "; this one reads " +
           std::to_string(newestVersion) + ")";
  }
  return object;
}

std::optional<int> ModelFromJson(const QJsonValue& value) {
  if (const auto number = WholeJsonNumber(value); number && *number >= 0 && *number <= kLastModel)
    return number;
  for (int model = 0; model <= kLastModel; ++model) {
    const std::string name = BackupModelName(model);
    if (value.isString() && name != std::to_string(model) && value.toString().toStdString() == name)
      return model;
  }
  return std::nullopt;
}

std::optional<int> WholeJsonNumber(const QJsonValue& value) {
  if (!value.isDouble())
    return std::nullopt;
  const double number = value.toDouble();
  if (std::trunc(number) != number || std::abs(number) > kLargestWholeNumber)
    return std::nullopt;
  return static_cast<int>(number);
}

std::string BadKeyText(const char* key) {
  return std::string("the key \"") + key + "\" is missing or holds no valid value";
}

}  // namespace zelto::keep
