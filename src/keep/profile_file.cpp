#include "keep/profile_file.h"

#include "config/record_validation.h"
#include "files/regular_file.h"
#include "files/safe_file.h"
#include "keep/printable_text.h"
#include "keep/profile_texts.h"
#include "link/status_translation.h"
#include "link/translatable.h"

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
    return ToolText(QT_TRANSLATE_NOOP("cli", "%1 только для Velmor-7"), {name});
  if (key == ProfileKey::kLinearEmf || key == ProfileKey::kColdJunction)
    return ToolText(QT_TRANSLATE_NOOP("cli", "%1 только для термопар (коды датчиков 9..14)"),
                    {name});
  return ToolText(QT_TRANSLATE_NOOP("cli", "%1 не предлагается для датчика с кодом %2"),
                  {name, std::to_string(profile.sensor)});
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
    const std::string reason =
        format.isUndefined()
            ? ToolText(QT_TRANSLATE_NOOP("cli", "не профиль: формат не назван, нужен %1"),
                       {std::string(kProfileFormat)})
            : ToolText(QT_TRANSLATE_NOOP("cli", "не профиль: формат %1, а нужен %2"),
                       {FileText(format), std::string(kProfileFormat)});
    return ProfileFileError{ProfileFileFault::kNotAProfile, reason};
  }
  const auto version = WholeNumber(object_.value(kVersionKey));
  if (!version || *version < 1) {
    return ProfileFileError{
        ProfileFileFault::kIncomplete,
        ToolText(QT_TRANSLATE_NOOP("cli", "у профиля нет версии (целого числа от 1)"))};
  }
  if (*version > kProfileVersion) {
    return ProfileFileError{ProfileFileFault::kNewerVersion,
                            ToolText(QT_TRANSLATE_NOOP("cli",
                                                       "версия профиля %1 новее той, что "
                                                       "читает эта программа (%2)"),
                                     {std::to_string(*version), std::to_string(kProfileVersion)})};
  }
  for (const ProfileKey key : {ProfileKey::kModel, ProfileKey::kSensor}) {
    if (!object_.contains(KeyString(key))) {
      return ProfileFileError{ProfileFileFault::kIncomplete,
                              ToolText(QT_TRANSLATE_NOOP("cli", "в профиле нет ключа %1"),
                                       {std::string(KeyName(key))})};
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
    Refuse(
        KeyString(ProfileKey::kModel), model,
        ToolText(QT_TRANSLATE_NOOP("cli", "недопустимая модель (0, 1, 2, dastra-2 или velmor-7)")));
  }
  const QJsonValue sensor = object_.value(KeyString(ProfileKey::kSensor));
  const auto code = WholeNumber(sensor);
  profile.sensor = code.value_or(-1);
  if (!code) {
    Refuse(KeyString(ProfileKey::kSensor), sensor,
           ToolText(QT_TRANSLATE_NOOP("cli", "недопустимый код датчика (нужно целое число)")));
  } else if (profile.model >= 0 && (*code < 0 || *code >= config::SensorListSize(profile.model))) {
    Refuse(KeyString(ProfileKey::kSensor), sensor,
           SensorNotListed(*code, config::SensorListSize(profile.model)));
  }
}

void Reader::ReadSetting(ProfileKey key, const QJsonValue& value) {
  Profile& profile = text_.profile;
  const QString name = KeyString(key);
  if (!KeyApplies(key, profile.model, profile.sensor)) {
    Refuse(name, value, NotOffered(key, profile));
    return;
  }
  const auto refuse = [&](const char* expected) {
    Refuse(name, value,
           ToolText(QT_TRANSLATE_NOOP("cli", "недопустимое значение %1 (%2)"),
                    {Utf8(name), ToolText(expected)}));
  };
  const auto flag = [&](bool& target) {
    if (value.isBool())
      target = value.toBool();
    else
      refuse(QT_TRANSLATE_NOOP("cli", "true или false"));
  };
  switch (key) {
    case ProfileKey::kRange:
      if (const auto range = RangeOf(value))
        profile.range = range;
      else
        refuse(QT_TRANSLATE_NOOP("cli", "[LO, HI], целые числа"));
      break;
    case ProfileKey::kOutput:
      if (const auto output = OutputNamed(Utf8(value.toString())); output && value.isString())
        profile.output = *output;
      else
        refuse(QT_TRANSLATE_NOOP("cli", "0-5, 0-20 или 4-20"));
      break;
    case ProfileKey::kScheme:
      if (const auto wires = WholeNumber(value); wires && SchemeOfWires(*wires))
        profile.scheme = *SchemeOfWires(*wires);
      else
        refuse(QT_TRANSLATE_NOOP("cli", "4, 3 или 2"));
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
      Refuse(entry.key(), entry.value(),
             ToolText(QT_TRANSLATE_NOOP("cli", "неизвестный ключ %1"),
                      {PrintableText(Utf8(entry.key()))}));
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
    return ProfileFileError{
        ProfileFileFault::kNotAProfile,
        ToolText(QT_TRANSLATE_NOOP("cli", "не профиль: файл больше любого файла профиля"))};
  }
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
  if (error.error != QJsonParseError::NoError) {
    return ProfileFileError{ProfileFileFault::kNotJson,
                            ToolText(QT_TRANSLATE_NOOP("cli", "не JSON: %1 в байте %2"),
                                     {Utf8(error.errorString()), std::to_string(error.offset)})};
  }
  if (!document.isObject()) {
    return ProfileFileError{
        ProfileFileFault::kNotAProfile,
        ToolText(QT_TRANSLATE_NOOP("cli", "не профиль: в файле нет объекта JSON"))};
  }
  const QJsonObject object = document.object();
  return Reader(object).Read();
}

std::variant<ProfileText, ProfileFileError> LoadProfile(const std::string& path) {
  const auto bytes = files::ReadFileStart(path, kLargestProfileFile + 1);
  if (!bytes)
    return ProfileFileError{ProfileFileFault::kCannotOpen,
                            ToolText(QT_TRANSLATE_NOOP("cli", "файл не читается"))};
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
