#pragma once

#include "check/check_record.h"

#include <QJsonObject>
#include <QJsonValue>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace zelto::check {

inline constexpr std::string_view kCheckFormat = "zelto-check";
inline constexpr int kCheckVersion = 1;
// A record of eleven points twice is a few kilobytes.
inline constexpr std::size_t kLargestCheckFile = 1 << 20;

// The record's file: UTF-8 JSON, the keys in the record's order, one point a line. Currents in
// mA to the nanoampere, errors in % of span to 0.0001, the correction as the unit's floats hold
// it; files never change with the interface's language.
std::string CheckToJson(const CheckRecord& record);

// A record file's contents, or why they are none: not JSON, another format, a newer version, or a
// key that is missing or holds what it may not.
std::variant<CheckRecord, std::string> CheckFromJson(std::span<const char> bytes);

// A point as the record holds it: "percent", "temperature" (null for a signal input), "signal",
// "unit", "expected", "measured" and "error" (null when it did not settle), "result", and where
// they apply "readings" (of a point that did not settle) and "clamped_at_zero" (an output that
// stops at 0 mA, where an error below zero cannot show).
QJsonObject PointJson(const MeasuredPoint& point);

// The correction as the record holds it: {"before": {"Au": …, "Bu": …}, "after": {…}, "backup":
// ID or null}, or null for none.
QJsonValue AdjustmentJson(const std::optional<Adjustment>& adjustment);

}  // namespace zelto::check
