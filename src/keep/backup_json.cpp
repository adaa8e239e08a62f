#include "calib/unit_identity.h"
#include "config/memory_map.h"
#include "config/write_settings.h"
#include "files/kept_ids.h"
#include "keep/backup.h"
#include "keep/kept_json.h"
#include "keep/profile_file.h"
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
constexpr int kLastAddress = 508;
constexpr int kWordBytes = 4;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
  const auto address = WholeJsonNumber(pair[0]);
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
      {"format", JsonValueText(QString::fromUtf8(kFormat))},
      {"version", JsonValueText(kBackupVersion)},
      {"id", JsonValueText(FromUtf8(backup.id))},
      {"model", JsonValueText(ModelJson(backup.model))},
      {"port", JsonValueText(FromUtf8(backup.port))},
      {"time", JsonValueText(FromUtf8(backup.time))},
      {"operation", JsonValueText(FromUtf8(std::string(config::OperationName(backup.operation))))},
      {"action", JsonValueText(action)},
      {"changed_only", JsonValueText(backup.changedOnly)},
      {"summary", JsonValueText(summary)},
      {"unit", backup.unit ? UnitText(*backup.unit) : JsonValueText(QJsonValue())},
      {"before", WordsText(backup.before, "  ")},
      {"after", WordsText(backup.after, "  ")},
  };
  return KeptFileText(keys);
}

std::variant<Backup, std::string> BackupFromJson(std::span<const char> bytes) {
  auto file = KeptFileObject(bytes, kFormat, "a backup", kBackupVersion);
  if (auto* reason = std::get_if<std::string>(&file))
    return std::move(*reason);
  const QJsonObject& object = std::get<QJsonObject>(file);

  Backup backup;
  backup.id = object.value("id").toString().toStdString();
  if (!IsBackupId(backup.id))
    return BadKeyText("id");
  const auto model = ModelFromJson(object.value("model"));
  if (!model)
    return BadKeyText("model");
  backup.model = *model;
  if (!object.value("port").isString())
    return BadKeyText("port");
  backup.port = object.value("port").toString().toStdString();
  const QString time = object.value("time").toString();
  if (!QDateTime::fromString(time, Qt::ISODateWithMs).isValid())
    return BadKeyText("time");
  backup.time = time.toStdString();
  const auto operation = config::OperationNamed(object.value("operation").toString().toStdString());
  if (!operation)
    return BadKeyText("operation");
  backup.operation = *operation;
  const QJsonValue action = object.value("action");
  if (!action.isNull()) {
    const auto code = WholeJsonNumber(action);
    if (!code || *code < 0 || *code > 0xFF)
      return BadKeyText("action");
    backup.action = static_cast<std::uint8_t>(*code);
  }
  const QJsonValue changedOnly = object.value("changed_only");
  if (!changedOnly.isUndefined() && !changedOnly.isBool())
    return BadKeyText("changed_only");
  backup.changedOnly = changedOnly.toBool(false);
  const auto summary = LinesOf(object.value("summary"));
  if (!summary)
    return BadKeyText("summary");
  backup.summary = *summary;
  const QJsonValue unit = object.value("unit");
  if (!unit.isUndefined() && !unit.isNull()) {
    backup.unit = UnitOf(unit, backup.model);
    if (!backup.unit)
      return BadKeyText("unit");
  }
  const auto before = WordsOf(object.value("before"));
  if (!before)
    return BadKeyText("before");
  const auto after = WordsOf(object.value("after"));
  if (!after)
    return BadKeyText("after");
  if (!SameAddressesOnce(*before, *after))
    return std::string("\"before\" and \"after\" do not hold the same words once each");
  backup.before = *before;
  backup.after = *after;
  return backup;
}

}  // namespace zelto::keep
