#include "calib/unit_identity.h"
#include "config/memory_map.h"
#include "files/kept_ids.h"
#include "keep/backup.h"
#include "keep/unit_identity_json.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <algorithm>
#include <cmath>

namespace zelto::keep {
namespace {

constexpr const char* kFormat = "zelto-backup";
constexpr int kLastModel = 2;
constexpr int kLastAddress = 508;
constexpr int kWordBytes = 4;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One JSON value as text, escaped as the JSON writer escapes it.
std::string ValueText(const QJsonValue& value) {
  const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  return wrapped.mid(1, wrapped.size() - 2).toStdString();
}

QJsonValue ModelValue(int model) {
  const std::string name = BackupModelName(model);
  if (name == std::to_string(model))
    return model;
  return FromUtf8(name);
}

std::string HexOf(const config::MemoryWord& word) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const std::uint8_t byte : word.bytes) {
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 0x0F]);
  }
  return hex;
}

// One word a line, each indented one step further than the key that holds them.
std::string WordsText(const std::vector<config::MemoryWord>& words, const std::string& indent) {
  if (words.empty())
    return "[]";
  std::string text = "[";
  for (std::size_t i = 0; i < words.size(); ++i) {
    text += i == 0 ? "\n" : ",\n";
    text += indent + "  [" + std::to_string(words[i].address) + ", \"" + HexOf(words[i]) + "\"]";
  }
  return text + "\n" + indent + "]";
}

std::string UnitText(const UnitIdentity& unit) {
  const std::string indent = "    ";
  return "{\n" + indent + "\"firmware\": " + WordsText(unit.firmware, indent) + ",\n" + indent +
         "\"calibration\": " + WordsText(unit.calibration, indent) + "\n  }";
}

std::optional<int> WholeNumber(const QJsonValue& value) {
  if (!value.isDouble())
    return std::nullopt;
  const double number = value.toDouble();
  if (std::trunc(number) != number || std::abs(number) > 1e9)
    return std::nullopt;
  return static_cast<int>(number);
}

std::optional<int> ModelOf(const QJsonValue& value) {
  if (const auto number = WholeNumber(value); number && *number >= 0 && *number <= kLastModel)
    return number;
  for (int model = 0; model <= kLastModel; ++model) {
    if (value.isString() && value.toString().toStdString() == BackupModelName(model) &&
        BackupModelName(model) != std::to_string(model)) {
      return model;
    }
  }
  return std::nullopt;
}

std::optional<std::uint8_t> HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9')
    return static_cast<std::uint8_t>(u - '0');
  if (u >= 'a' && u <= 'f')
    return static_cast<std::uint8_t>(u - 'a' + 10);
  if (u >= 'A' && u <= 'F')
    return static_cast<std::uint8_t>(u - 'A' + 10);
  return std::nullopt;
}

std::optional<config::MemoryWord> WordOf(const QJsonValue& value) {
  const QJsonArray pair = value.toArray();
  if (!value.isArray() || pair.size() != 2 || !pair[1].isString())
    return std::nullopt;
  const auto address = WholeNumber(pair[0]);
  const QString hex = pair[1].toString();
  if (!address || *address < 0 || *address > kLastAddress || *address % kWordBytes != 0 ||
      hex.size() != 2 * kWordBytes) {
    return std::nullopt;
  }
  config::MemoryWord word{static_cast<std::uint16_t>(*address), {}};
  for (int i = 0; i < kWordBytes; ++i) {
    const auto high = HexDigit(hex[2 * i]);
    const auto low = HexDigit(hex[2 * i + 1]);
    if (!high || !low)
      return std::nullopt;
    word.bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*high << 4 | *low);
  }
  return word;
}

std::optional<std::vector<config::MemoryWord>> WordsOf(const QJsonValue& value) {
  if (!value.isArray())
    return std::nullopt;
  std::vector<config::MemoryWord> words;
  for (const QJsonValue& item : value.toArray()) {
    const auto word = WordOf(item);
    if (!word)
      return std::nullopt;
    words.push_back(*word);
  }
  return words;
}

bool SameAddressesOnce(const std::vector<config::MemoryWord>& before,
                       const std::vector<config::MemoryWord>& after) {
  if (before.size() != after.size())
    return false;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i].address != after[i].address)
      return false;
    const auto first = before.begin() + static_cast<std::ptrdiff_t>(i);
    if (std::any_of(before.begin(), first, [&](const config::MemoryWord& earlier) {
          return earlier.address == first->address;
        }))
      return false;
  }
  return true;
}

std::vector<std::uint16_t> AddressesOf(const std::vector<config::MemoryWord>& words) {
  std::vector<std::uint16_t> addresses;
  for (const config::MemoryWord& word : words)
    addresses.push_back(word.address);
  return addresses;
}

// The identity of a unit of the model: the firmware words, then its calibration words, at
// exactly the addresses that tell its units apart.
std::optional<UnitIdentity> UnitOf(const QJsonValue& value, int model) {
  if (!value.isObject())
    return std::nullopt;
  const auto firmware = WordsOf(value.toObject().value("firmware"));
  const auto calibration = WordsOf(value.toObject().value("calibration"));
  const std::vector<std::uint16_t> firmwareWords{config::kFirmwareVersionWord,
                                                 config::kFirmwareDateWord};
  if (!firmware || !calibration || AddressesOf(*firmware) != firmwareWords ||
      AddressesOf(*calibration) != calib::IdentityCalibrationWords(model)) {
    return std::nullopt;
  }
  return UnitIdentity{*firmware, *calibration};
}

std::optional<std::vector<std::string>> LinesOf(const QJsonValue& value) {
  if (!value.isArray())
    return std::nullopt;
  std::vector<std::string> lines;
  for (const QJsonValue& line : value.toArray()) {
    if (!line.isString())
      return std::nullopt;
    lines.push_back(line.toString().toStdString());
  }
  return lines;
}

std::string Bad(const char* key) {
  return std::string("the key \"") + key + "\" is missing or holds no valid value";
}

}  // namespace

QJsonObject UnitIdentityJson(const UnitIdentity& unit) {
  const auto words = [](const std::vector<config::MemoryWord>& list) {
    QJsonArray array;
    for (const config::MemoryWord& word : list)
      array.append(QJsonArray{word.address, QString::fromStdString(HexOf(word))});
    return array;
  };
  return QJsonObject{{"firmware", words(unit.firmware)}, {"calibration", words(unit.calibration)}};
}

std::optional<UnitIdentity> UnitIdentityFromJson(const QJsonValue& value, int model) {
  return UnitOf(value, model);
}

std::string BackupModelName(int model) {
  switch (model) {
    case 1:
      return "dastra-2";
    case 2:
      return "velmor-7";
    default:
      return std::to_string(model);
  }
}

bool IsBackupId(std::string_view id) {
  return files::IsKeptId(id);
}

std::string BackupToJson(const Backup& backup) {
  QJsonArray summary;
  for (const std::string& line : backup.summary)
    summary.append(FromUtf8(line));
  const QJsonValue action =
      backup.action ? QJsonValue(static_cast<int>(*backup.action)) : QJsonValue();
  const std::pair<const char*, std::string> keys[] = {
      {"format", ValueText(QString::fromUtf8(kFormat))},
      {"version", ValueText(kBackupVersion)},
      {"id", ValueText(FromUtf8(backup.id))},
      {"model", ValueText(ModelValue(backup.model))},
      {"port", ValueText(FromUtf8(backup.port))},
      {"time", ValueText(FromUtf8(backup.time))},
      {"operation", ValueText(FromUtf8(std::string(config::OperationName(backup.operation))))},
      {"action", ValueText(action)},
      {"changed_only", ValueText(backup.changedOnly)},
      {"summary", ValueText(summary)},
      {"unit", backup.unit ? UnitText(*backup.unit) : ValueText(QJsonValue())},
      {"before", WordsText(backup.before, "  ")},
      {"after", WordsText(backup.after, "  ")},
  };
  std::string text = "{";
  for (const auto& [key, value] : keys) {
    text += text.size() == 1 ? "\n" : ",\n";
    text += std::string("  \"") + key + "\": " + value;
  }
  return text + "\n}\n";
}

std::variant<Backup, std::string> BackupFromJson(std::span<const char> bytes) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject())
    return std::string("not a JSON object");
  const QJsonObject object = document.object();
  if (object.value("format").toString() != QString::fromUtf8(kFormat))
    return std::string("not a backup (the format is not \"") + kFormat + "\")";
  const auto version = WholeNumber(object.value("version"));
  if (!version || *version < 1)
    return Bad("version");
  if (*version > kBackupVersion) {
    return "written by a newer program (version " + std::to_string(*version) + "; this one reads " +
           std::to_string(kBackupVersion) + ")";
  }

  Backup backup;
  backup.id = object.value("id").toString().toStdString();
  if (!IsBackupId(backup.id))
    return Bad("id");
  const auto model = ModelOf(object.value("model"));
  if (!model)
    return Bad("model");
  backup.model = *model;
  if (!object.value("port").isString())
    return Bad("port");
  backup.port = object.value("port").toString().toStdString();
  const QString time = object.value("time").toString();
  if (!QDateTime::fromString(time, Qt::ISODateWithMs).isValid())
    return Bad("time");
  backup.time = time.toStdString();
  const auto operation = config::OperationNamed(object.value("operation").toString().toStdString());
  if (!operation)
    return Bad("operation");
  backup.operation = *operation;
  const QJsonValue action = object.value("action");
  if (!action.isNull()) {
    const auto code = WholeNumber(action);
    if (!code || *code < 0 || *code > 0xFF)
      return Bad("action");
    backup.action = static_cast<std::uint8_t>(*code);
  }
  const QJsonValue changedOnly = object.value("changed_only");
  if (!changedOnly.isUndefined() && !changedOnly.isBool())
    return Bad("changed_only");
  backup.changedOnly = changedOnly.toBool(false);
  const auto summary = LinesOf(object.value("summary"));
  if (!summary)
    return Bad("summary");
  backup.summary = *summary;
  const QJsonValue unit = object.value("unit");
  if (!unit.isUndefined() && !unit.isNull()) {
    backup.unit = UnitOf(unit, backup.model);
    if (!backup.unit)
      return Bad("unit");
  }
  const auto before = WordsOf(object.value("before"));
  if (!before)
    return Bad("before");
  const auto after = WordsOf(object.value("after"));
  if (!after)
    return Bad("after");
  if (!SameAddressesOnce(*before, *after))
    return std::string("\"before\" and \"after\" do not hold the same words once each");
  backup.before = *before;
  backup.after = *after;
  return backup;
}

}  // namespace zelto::keep
