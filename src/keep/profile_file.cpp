#include "keep/profile_file.h"

#include "config/record_validation.h"
#include "files/regular_file.h"
#include "files/safe_file.h"
#include "keep/printable_text.h"
#include "keep/profile_texts.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace zelto::keep {
namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");

QString KeyString(ProfileKey key) {
  const std::string_view name = KeyName(key);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

std::string Utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// The value as the file has it, for the refusal's line.
std::string FileText(const QJsonValue& value) {
  if (value.isString())
    return PrintableText(Utf8(value.toString()));
  QJsonArray wrapped{value};
  const QByteArray text = QJsonDocument(wrapped).toJson(QJsonDocument::Compact);
  return PrintableText(text.mid(1, text.size() - 2).toStdString());  // without the brackets
}

std::optional<int32_t> WholeNumber(const QJsonValue& value) {
  if (!value.isDouble())
    return std::nullopt;
  const double number = value.toDouble();
  if (number != std::trunc(number) || number < std::numeric_limits<int32_t>::min() ||
      number > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(number);
}

std::optional<int> ModelOf(const QJsonValue& value) {
  if (value.isString())
    return ModelNamed(Utf8(value.toString()));
  const auto position = WholeNumber(value);
  if (position && config::SensorListSize(*position) > 0)
    return position;
  return std::nullopt;
}

std::optional<WholeRange> RangeOf(const QJsonValue& value) {
  const QJsonArray ends = value.toArray();
  if (!value.isArray() || ends.size() != 2)
    return std::nullopt;
  const auto low = WholeNumber(ends[0]);
  const auto high = WholeNumber(ends[1]);
  if (!low || !high)
    return std::nullopt;
  return WholeRange{*low, *high};
}

// Why the window would not offer the key for the profile's model and sensor, as the tool says it
// of the matching option.
std::string NotOffered(ProfileKey key, const Profile& profile) {
  const std::string name(KeyName(key));
  if (profile.model != config::kDeviceVelmor7 &&
      KeyApplies(key, config::kDeviceVelmor7, profile.sensor))
    return name + " is for Velmor-7 only";
  if (key == ProfileKey::kLinearEmf || key == ProfileKey::kColdJunction)
    return name + " is for thermocouples only (sensor codes 9..14)";
  return name + " is not offered for sensor code " + std::to_string(profile.sensor);
}

// The model's name where it has one, else its position.
class Reader {
 public:
  explicit Reader(const QJsonObject& object) : object_(object) {}

  std::variant<ProfileText, ProfileFileError> Read();

 private:
  void Refuse(const QString& key, const QJsonValue& value, std::string reason) {
    text_.refused.push_back({PrintableText(Utf8(key)), FileText(value), std::move(reason)});
  }
  std::optional<ProfileFileError> ReadHeader();
  void ReadModelAndSensor();
  void ReadSetting(ProfileKey key, const QJsonValue& value);

  const QJsonObject& object_;
  ProfileText text_;
};

std::optional<ProfileFileError> Reader::ReadHeader() {
  const QJsonValue format = object_.value(kFormatKey);
  if (format.toString() !=
      QLatin1String(kProfileFormat.data(), static_cast<qsizetype>(kProfileFormat.size()))) {
    const std::string named =
        format.isUndefined() ? "it names no format" : "its format is " + FileText(format);
    return ProfileFileError{ProfileFileFault::kNotAProfile,
                            "not a profile: " + named + ", not " + std::string(kProfileFormat)};
  }
  const auto version = WholeNumber(object_.value(kVersionKey));
  if (!version || *version < 1) {
    return ProfileFileError{ProfileFileFault::kIncomplete,
                            "the profile has no version (a whole number from 1)"};
  }
  if (*version > kProfileVersion) {
    return ProfileFileError{ProfileFileFault::kNewerVersion,
                            "profile version " + std::to_string(*version) +
                                " is newer than this program reads (" +
                                std::to_string(kProfileVersion) + ")"};
  }
  for (const ProfileKey key : {ProfileKey::kModel, ProfileKey::kSensor}) {
    if (!object_.contains(KeyString(key))) {
      return ProfileFileError{ProfileFileFault::kIncomplete,
                              "the profile names no " + std::string(KeyName(key))};
    }
  }
  return std::nullopt;
}

void Reader::ReadModelAndSensor() {
  Profile& profile = text_.profile;
  const QJsonValue model = object_.value(KeyString(ProfileKey::kModel));
  if (const auto position = ModelOf(model)) {
    profile.model = *position;
  } else {
    profile.model = -1;
    Refuse(KeyString(ProfileKey::kModel), model, "invalid model (0, 1, 2, dastra-2 or velmor-7)");
  }
  const QJsonValue sensor = object_.value(KeyString(ProfileKey::kSensor));
  const auto code = WholeNumber(sensor);
  profile.sensor = code.value_or(-1);
  if (!code) {
    Refuse(KeyString(ProfileKey::kSensor), sensor, "invalid sensor code (a whole number)");
  } else if (profile.model >= 0 && (*code < 0 || *code >= config::SensorListSize(profile.model))) {
    Refuse(KeyString(ProfileKey::kSensor), sensor,
           "sensor " + std::to_string(*code) + " is not in the model's list (0.." +
               std::to_string(config::SensorListSize(profile.model) - 1) + ")");
  }
}

void Reader::ReadSetting(ProfileKey key, const QJsonValue& value) {
  Profile& profile = text_.profile;
  const QString name = KeyString(key);
  if (!KeyApplies(key, profile.model, profile.sensor)) {
    Refuse(name, value, NotOffered(key, profile));
    return;
  }
  const auto refuse = [&](std::string_view expected) {
    Refuse(name, value, "invalid " + Utf8(name) + " (" + std::string(expected) + ")");
  };
  const auto flag = [&](bool& target) {
    if (value.isBool())
      target = value.toBool();
    else
      refuse("true or false");
  };
  switch (key) {
    case ProfileKey::kRange:
      if (const auto range = RangeOf(value))
        profile.range = range;
      else
        refuse("[LO, HI], whole numbers");
      break;
    case ProfileKey::kOutput:
      if (const auto output = OutputNamed(Utf8(value.toString())); output && value.isString())
        profile.output = *output;
      else
        refuse("0-5, 0-20 or 4-20");
      break;
    case ProfileKey::kScheme:
      if (const auto wires = WholeNumber(value); wires && SchemeOfWires(*wires))
        profile.scheme = *SchemeOfWires(*wires);
      else
        refuse("4, 3 or 2");
      break;
    case ProfileKey::kLinearEmf:
      flag(profile.linearEmf);
      break;
    case ProfileKey::kColdJunction:
      flag(profile.coldJunction);
      break;
    case ProfileKey::kSqrt:
      flag(profile.squareRoot);
      break;
    case ProfileKey::kSensorBreak:
      flag(profile.sensorBreak);
      break;
    case ProfileKey::kModel:
    case ProfileKey::kSensor:
      break;
  }
}

std::variant<ProfileText, ProfileFileError> Reader::Read() {
  if (auto error = ReadHeader())
    return *error;
  ReadModelAndSensor();
  for (auto entry = object_.begin(); entry != object_.end(); ++entry) {
    if (entry.key() == kFormatKey || entry.key() == kVersionKey)
      continue;
    const auto key = KeyNamed(Utf8(entry.key()));
    if (!key) {
      Refuse(entry.key(), entry.value(), "unknown key " + PrintableText(Utf8(entry.key())));
    } else if (*key != ProfileKey::kModel && *key != ProfileKey::kSensor && text_.Applicable()) {
      // Without a model and a sensor there is nothing to judge a setting by.
      ReadSetting(*key, entry.value());
    }
  }
  return text_;
}

}  // namespace

bool ProfileText::Applicable() const {
  for (const ProfileRefusal& refusal : refused) {
    if (refusal.key == KeyName(ProfileKey::kModel) || refusal.key == KeyName(ProfileKey::kSensor))
      return false;
  }
  return true;
}

std::variant<ProfileText, ProfileFileError> ParseProfile(std::span<const char> bytes) {
  if (bytes.size() > kLargestProfileFile) {
    return ProfileFileError{ProfileFileFault::kNotAProfile,
                            "not a profile: larger than any profile file"};
  }
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
  if (error.error != QJsonParseError::NoError) {
    return ProfileFileError{ProfileFileFault::kNotJson,
                            "not valid JSON: " + Utf8(error.errorString()) + " at byte " +
                                std::to_string(error.offset)};
  }
  if (!document.isObject()) {
    return ProfileFileError{ProfileFileFault::kNotAProfile,
                            "not a profile: the file holds no JSON object"};
  }
  const QJsonObject object = document.object();
  return Reader(object).Read();
}

std::variant<ProfileText, ProfileFileError> LoadProfile(const std::string& path) {
  const auto bytes = files::ReadFileStart(path, kLargestProfileFile + 1);
  if (!bytes)
    return ProfileFileError{ProfileFileFault::kCannotOpen, "cannot read the file"};
  return ParseProfile(*bytes);
}

QJsonValue ModelJson(int model) {
  const std::string text = ModelText(model);
  if (ModelNamed(text))
    return QString::fromStdString(text);
  return model;
}

QJsonObject ProfileObject(const Profile& profile) {
  QJsonObject object;
  for (const ProfileKey key : ProfileKeys()) {
    if (!KeyApplies(key, profile.model, profile.sensor))
      continue;
    QJsonValue value;
    switch (key) {
      case ProfileKey::kModel:
        value = ModelJson(profile.model);
        break;
      case ProfileKey::kSensor:
        value = profile.sensor;
        break;
      case ProfileKey::kRange:
        if (const auto range = EffectiveRange(profile))
          value = QJsonArray{range->low, range->high};
        break;
      case ProfileKey::kOutput:
        value = QString::fromStdString(ToolValueText(key, profile));
        break;
      case ProfileKey::kScheme:
        value = SchemeWires(profile.scheme).value_or(profile.scheme);
        break;
      case ProfileKey::kLinearEmf:
        value = profile.linearEmf;
        break;
      case ProfileKey::kColdJunction:
        value = profile.coldJunction;
        break;
      case ProfileKey::kSqrt:
        value = profile.squareRoot;
        break;
      case ProfileKey::kSensorBreak:
        value = profile.sensorBreak;
        break;
    }
    if (!value.isUndefined() && !value.isNull())
      object.insert(KeyString(key), value);
  }
  return object;
}

std::string ProfileJson(const Profile& profile) {
  QJsonObject object = ProfileObject(profile);
  object.insert(kFormatKey, QString::fromLatin1(kProfileFormat.data(),
                                                static_cast<qsizetype>(kProfileFormat.size())));
  object.insert(kVersionKey, kProfileVersion);
  return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

files::FileOutcome SaveProfile(const std::string& path, const Profile& profile) {
  const std::string text = ProfileJson(profile);
  return files::WriteFileSafely(path, text);
}

}  // namespace zelto::keep
