#include "check/check_record_json.h"

#include "files/kept_ids.h"
#include "keep/kept_json.h"
#include "keep/profile_file.h"
#include "keep/unit_identity_json.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace zelto::check {
namespace {

using keep::BadKeyText;
using keep::JsonValueText;
using keep::ModelFromJson;
using keep::ModelJson;
using keep::WholeJsonNumber;

constexpr int kCurrentDecimals = 6;  // mA: nanoamperes, below any meter's resolution
constexpr int kErrorDecimals = 4;    // % of span
constexpr int kSignalDecimals = 4;
constexpr std::array<std::string_view, 3> kOutputs{"0-5", "0-20", "4-20"};
constexpr std::array kPointKeys{"percent",  "temperature", "signal", "unit",     "expected",
                                "measured", "error",       "result", "readings", "clamped_at_zero"};

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonValue Rounded(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double scaled = std::round(value * scale);
  // A number too large for its decimals has none to lose.
  return std::isfinite(scaled) ? scaled / scale : value;
}

// The shortest decimal that reads back as the same float, so that the file says what the unit's
// word holds and not the float's binary tail.
QJsonValue FloatJson(float value) {
  std::array<char, 32> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
  double shortest = 0.0;
  std::from_chars(text.data(), written.ptr, shortest);
  return shortest;
}

// The object's keys in the given order, on one line; those it does not have are left out.
template <std::size_t N>
std::string ObjectText(const QJsonObject& object, const std::array<const char*, N>& order) {
  std::string text;
  for (const char* key : order) {
    if (!object.contains(QLatin1String(key)))
      continue;
    text += text.empty() ? "{" : ", ";
    text += std::string("\"") + key + "\": " + JsonValueText(object.value(QLatin1String(key)));
  }
  return text.empty() ? "{}" : text + "}";
}

// The correction in the order a reader takes it in: before, after, and the backup that undoes it.
std::string AdjustmentText(const std::optional<Adjustment>& adjustment) {
  const QJsonValue value = AdjustmentJson(adjustment);
  if (value.isNull())
    return "null";
  const QJsonObject object = value.toObject();
  constexpr std::array kPairKeys{"Au", "Bu"};
  return "{\"before\": " + ObjectText(object.value("before").toObject(), kPairKeys) +
         ", \"after\": " + ObjectText(object.value("after").toObject(), kPairKeys) +
         ", \"backup\": " + JsonValueText(object.value("backup")) + "}";
}

std::string PointsText(const std::optional<std::vector<MeasuredPoint>>& points) {
  if (!points)
    return "null";
  if (points->empty())
    return "[]";
  std::string text = "[";
  for (const MeasuredPoint& point : *points)
    text += std::string(text.size() == 1 ? "\n" : ",\n") + "    " +
            ObjectText(PointJson(point), kPointKeys);
  return text + "\n  ]";
}

QJsonObject ConfigurationJson(const RecordedConfiguration& c) {
  QJsonObject object{
      {"sensor", c.sensor},
      {"range", QJsonArray{c.rangeMin, c.rangeMax}},
      {"output",
       QString::fromLatin1(kOutputs.at(static_cast<std::size_t>(std::clamp(c.outputRange, 0, 2))))},
      {"linear_emf", c.linearEmf}};
  if (c.coldJunction)
    object.insert("cold_junction", true);
  return object;
}

// Reading back.

std::optional<double> Number(const QJsonValue& value) {
  if (!value.isDouble() || !std::isfinite(value.toDouble()))
    return std::nullopt;
  return value.toDouble();
}

std::optional<std::string> TextOf(const QJsonValue& value) {
  if (!value.isString())
    return std::nullopt;
  return value.toString().toStdString();
}

template <class Key, std::size_t N>
std::optional<Key> KeyOf(const QJsonValue& value, const std::array<Key, N>& keys,
                         std::string_view (*name)(Key)) {
  for (const Key key : keys) {
    if (value.isString() && value.toString().toStdString() == name(key))
      return key;
  }
  return std::nullopt;
}

constexpr std::array kPointResults{PointResult::kPass, PointResult::kFail, PointResult::kUnstable};
constexpr std::array kSignalUnits{SignalUnit::kOhm, SignalUnit::kMillivolt,
                                  SignalUnit::kMilliampere};
constexpr std::array kCheckResults{CheckResult::kPass, CheckResult::kFail, CheckResult::kCancelled};
constexpr std::array kCheckStops{CheckStop::kUser, CheckStop::kMeter, CheckStop::kCalibrator,
                                 CheckStop::kTransmitter, CheckStop::kBackup};

std::optional<MeasuredPoint> PointOf(const QJsonValue& value) {
  if (!value.isObject())
    return std::nullopt;
  const QJsonObject o = value.toObject();
  MeasuredPoint p;
  const auto percent = Number(o.value("percent"));
  const auto signal = Number(o.value("signal"));
  const auto unit = KeyOf(o.value("unit"), kSignalUnits, SignalUnitKey);
  const auto expected = Number(o.value("expected"));
  const auto result = KeyOf(o.value("result"), kPointResults, PointResultKey);
  if (!percent || !signal || !unit || !expected || !result)
    return std::nullopt;
  p.point.percent = *percent;
  p.point.signal = *signal;
  p.point.signalUnit = *unit;
  p.point.expected = *expected;
  p.result = *result;
  const QJsonValue temperature = o.value("temperature");
  p.point.temperatureRange = !temperature.isNull();
  if (p.point.temperatureRange) {
    const auto t = Number(temperature);
    if (!t)
      return std::nullopt;
    p.point.temperature = *t;
  } else {
    p.point.temperature = *signal;
  }
  // Measured and error go together: both, or neither for a point that did not settle.
  const QJsonValue measured = o.value("measured");
  const QJsonValue error = o.value("error");
  if (measured.isNull() != error.isNull())
    return std::nullopt;
  if (!measured.isNull()) {
    p.measured = Number(measured);
    const auto e = Number(error);
    if (!p.measured || !e)
      return std::nullopt;
    p.error = *e;
  }
  if (const QJsonValue readings = o.value("readings"); !readings.isUndefined()) {
    if (!readings.isArray())
      return std::nullopt;
    for (const QJsonValue& reading : readings.toArray()) {
      const auto current = Number(reading);
      if (!current)
        return std::nullopt;
      p.readings.push_back(*current);
    }
  }
  p.point.clampedAtZero = o.value("clamped_at_zero").toBool(false);
  return p;
}

std::optional<std::vector<MeasuredPoint>> PointsOf(const QJsonValue& value) {
  if (!value.isArray())
    return std::nullopt;
  std::vector<MeasuredPoint> points;
  for (const QJsonValue& item : value.toArray()) {
    const auto point = PointOf(item);
    if (!point)
      return std::nullopt;
    points.push_back(*point);
  }
  return points;
}

std::optional<RecordedConfiguration> ConfigurationOf(const QJsonValue& value) {
  if (!value.isObject())
    return std::nullopt;
  const QJsonObject o = value.toObject();
  const auto sensor = WholeJsonNumber(o.value("sensor"));
  const QJsonArray range = o.value("range").toArray();
  const auto low = range.size() == 2 ? WholeJsonNumber(range[0]) : std::nullopt;
  const auto high = range.size() == 2 ? WholeJsonNumber(range[1]) : std::nullopt;
  const auto output =
      std::find(kOutputs.begin(), kOutputs.end(), o.value("output").toString().toStdString());
  if (!sensor || !low || !high || output == kOutputs.end() || !o.value("linear_emf").isBool())
    return std::nullopt;
  RecordedConfiguration c;
  c.sensor = *sensor;
  c.rangeMin = *low;
  c.rangeMax = *high;
  c.outputRange = static_cast<int>(output - kOutputs.begin());
  c.linearEmf = o.value("linear_emf").toBool();
  c.coldJunction = o.value("cold_junction").toBool(false);
  return c;
}

std::optional<CorrectionPair> PairOf(const QJsonValue& value) {
  const auto au = Number(value.toObject().value("Au"));
  const auto bu = Number(value.toObject().value("Bu"));
  if (!au || !bu)
    return std::nullopt;
  return CorrectionPair{static_cast<float>(*au), static_cast<float>(*bu)};
}

std::optional<std::optional<Adjustment>> AdjustmentOf(const QJsonValue& value) {
  if (value.isNull())
    return std::optional<Adjustment>();
  const auto before = PairOf(value.toObject().value("before"));
  const auto after = PairOf(value.toObject().value("after"));
  const QJsonValue backup = value.toObject().value("backup");
  if (!value.isObject() || !before || !after || !(backup.isNull() || backup.isString()))
    return std::nullopt;
  return Adjustment{*before, *after, backup.toString().toStdString()};
}

std::optional<std::vector<std::string>> TextsOf(const QJsonValue& value) {
  if (!value.isArray())
    return std::nullopt;
  std::vector<std::string> texts;
  for (const QJsonValue& item : value.toArray()) {
    const auto text = TextOf(item);
    if (!text)
      return std::nullopt;
    texts.push_back(*text);
  }
  return texts;
}

// The header's keys: who, what and where.
std::optional<std::string> ReadHeader(const QJsonObject& object, CheckRecord& record) {
  const auto id = TextOf(object.value("id"));
  if (!id || !files::IsKeptId(*id))
    return BadKeyText("id");
  record.id = *id;
  const auto time = TextOf(object.value("time"));
  if (!time || !QDateTime::fromString(FromUtf8(*time), Qt::ISODateWithMs).isValid())
    return BadKeyText("time");
  record.time = *time;
  for (const auto& [key, target] : {std::pair{"tag", &record.tag},
                                    {"engineer", &record.engineer},
                                    {"port", &record.port},
                                    {"firmware", &record.firmware}}) {
    const auto text = TextOf(object.value(key));
    if (!text)
      return BadKeyText(key);
    *target = *text;
  }
  const auto instruments = TextsOf(object.value("instruments"));
  if (!instruments)
    return BadKeyText("instruments");
  record.instruments = *instruments;
  const auto model = ModelFromJson(object.value("model"));
  if (!model)
    return BadKeyText("model");
  record.model = *model;
  if (const QJsonValue unit = object.value("unit"); !unit.isNull()) {
    record.unit = keep::UnitIdentityFromJson(unit, record.model);
    if (!record.unit)
      return BadKeyText("unit");
  }
  return std::nullopt;
}

// What was found: the configuration, the points, the correction and the verdict.
std::optional<std::string> ReadFindings(const QJsonObject& object, CheckRecord& record) {
  const auto configuration = ConfigurationOf(object.value("configuration"));
  if (!configuration)
    return BadKeyText("configuration");
  record.configuration = *configuration;
  const auto tolerance = Number(object.value("tolerance"));
  if (!tolerance || !IsValidTolerance(*tolerance))
    return BadKeyText("tolerance");
  record.tolerance = *tolerance;
  const auto asFound = PointsOf(object.value("as_found"));
  if (!asFound)
    return BadKeyText("as_found");
  record.asFound = *asFound;
  const auto adjustment = AdjustmentOf(object.value("adjustment"));
  if (!adjustment)
    return BadKeyText("adjustment");
  record.adjustment = *adjustment;
  if (const QJsonValue asLeft = object.value("as_left"); !asLeft.isNull()) {
    record.asLeft = PointsOf(asLeft);
    if (!record.asLeft)
      return BadKeyText("as_left");
  }
  const auto result = KeyOf(object.value("result"), kCheckResults, CheckResultKey);
  if (!result)
    return BadKeyText("result");
  record.result = *result;
  if (const QJsonValue stopped = object.value("stopped"); !stopped.isUndefined()) {
    const auto stop = KeyOf(stopped, kCheckStops, CheckStopKey);
    if (!stop)
      return BadKeyText("stopped");
    record.stopped = *stop;
  }
  return std::nullopt;
}

}  // namespace

QJsonObject PointJson(const MeasuredPoint& point) {
  const CheckPoint& p = point.point;
  QJsonObject object{
      {"percent", p.percent},
      {"temperature", p.temperatureRange ? Rounded(p.temperature, kSignalDecimals) : QJsonValue()},
      {"signal", Rounded(p.signal, kSignalDecimals)},
      {"unit", QString::fromLatin1(SignalUnitKey(p.signalUnit))},
      {"expected", Rounded(p.expected, kCurrentDecimals)},
      {"measured", point.measured ? Rounded(*point.measured, kCurrentDecimals) : QJsonValue()},
      {"error", point.measured ? Rounded(point.error, kErrorDecimals) : QJsonValue()},
      {"result", QString::fromLatin1(PointResultKey(point.result))}};
  if (!point.readings.empty()) {
    QJsonArray readings;
    for (const double reading : point.readings)
      readings.append(Rounded(reading, kCurrentDecimals));
    object.insert("readings", readings);
  }
  if (p.clampedAtZero)
    object.insert("clamped_at_zero", true);
  return object;
}

QJsonValue AdjustmentJson(const std::optional<Adjustment>& adjustment) {
  if (!adjustment)
    return QJsonValue();
  const auto pair = [](const CorrectionPair& p) {
    return QJsonObject{{"Au", FloatJson(p.au)}, {"Bu", FloatJson(p.bu)}};
  };
  return QJsonObject{
      {"before", pair(adjustment->before)},
      {"after", pair(adjustment->after)},
      {"backup", adjustment->backup.empty() ? QJsonValue() : FromUtf8(adjustment->backup)}};
}

std::string CheckToJson(const CheckRecord& record) {
  QJsonArray instruments;
  for (const std::string& instrument : record.instruments)
    instruments.append(FromUtf8(instrument));
  const std::array<std::pair<const char*, std::string>, 18> keys{{
      {"format", JsonValueText(QString::fromLatin1(kCheckFormat))},
      {"version", JsonValueText(kCheckVersion)},
      {"id", JsonValueText(FromUtf8(record.id))},
      {"time", JsonValueText(FromUtf8(record.time))},
      {"tag", JsonValueText(FromUtf8(record.tag))},
      {"engineer", JsonValueText(FromUtf8(record.engineer))},
      {"instruments", JsonValueText(instruments)},
      {"model", JsonValueText(ModelJson(record.model))},
      {"port", JsonValueText(FromUtf8(record.port))},
      {"firmware", JsonValueText(FromUtf8(record.firmware))},
      {"unit", record.unit ? ObjectText(keep::UnitIdentityJson(*record.unit),
                                        std::array{"firmware", "calibration"})
                           : "null"},
      {"configuration",
       ObjectText(ConfigurationJson(record.configuration),
                  std::array{"sensor", "range", "output", "linear_emf", "cold_junction"})},
      {"tolerance", JsonValueText(record.tolerance)},
      {"as_found", PointsText(record.asFound)},
      {"adjustment", AdjustmentText(record.adjustment)},
      {"as_left", PointsText(record.asLeft)},
      {"result", JsonValueText(QString::fromLatin1(CheckResultKey(record.result)))},
      {"stopped", record.stopped == CheckStop::kNone
                      ? std::string()
                      : JsonValueText(QString::fromLatin1(CheckStopKey(record.stopped)))},
  }};
  return keep::KeptFileText(keys);
}

std::variant<CheckRecord, std::string> CheckFromJson(std::span<const char> bytes) {
  auto file = keep::KeptFileObject(bytes, kCheckFormat, "an output check", kCheckVersion);
  if (auto* reason = std::get_if<std::string>(&file))
    return std::move(*reason);
  const QJsonObject& object = std::get<QJsonObject>(file);
  CheckRecord record;
  if (auto reason = ReadHeader(object, record))
    return *reason;
  if (auto reason = ReadFindings(object, record))
    return *reason;
  return record;
}

}  // namespace zelto::check
