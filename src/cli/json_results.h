#pragma once

#include "calib/calib_block.h"
#include "keep/backup.h"
#include "keep/device_profile.h"
#include "keep/write_verification.h"
#include "link/monitor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelto::cli {

// The shapes of the tool's JSON objects: what the memo lines show, as a script wants it. Numbers
// are JSON numbers, never the memo's decimal comma.

// A float by the shortest decimal that reads back as the same float; null for NaN or infinity.
QJsonValue JsonNumber(float value);

QJsonArray LinesArray(const std::vector<std::string>& lines);

// The configuration words that read and identify take the firmware and configuration from.
std::vector<std::uint16_t> FirmwareAddresses();
std::vector<std::uint16_t> ConfigurationAddresses(int model);

// The word read at the address as a little-endian value; nothing when it was not read.
std::optional<std::uint32_t> WordValue(const keep::WordMap& words, std::uint16_t address);

// "firmware" ("02.04.0017") and "firmware_date" ("2022-03-14") of words read at
// FirmwareAddresses.
void AddFirmware(QJsonObject& object, int model, const keep::WordMap& words);

// What words read at ConfigurationAddresses say: "model", "configured", and for a configured
// device the keys a profile gives its settings ("sensor", "range", "output", "linear_emf", ...)
// with "sensor_name".
void AddConfiguration(QJsonObject& object, int model, const keep::WordMap& words);

// "gains", "offsets" and "references" of the model's family, as the device keeps them.
QJsonObject CalibrationObject(const calib::CalibBlock& block, int model);

// The backup as 'backups' lists it: id, time, model, port, operation, action and summary.
QJsonObject BackupObject(const keep::Backup& backup);

// Each word a check after a write found otherwise: address, written and read, the bytes as a
// backup writes them.
QJsonArray MismatchesArray(const std::vector<keep::WordMismatch>& mismatches);

// A monitor cycle: "time", its start, and "values" by address ("0x0500"), null for no reply.
QJsonObject MonitorObject(std::chrono::system_clock::time_point start, const MonitorCycle& cycle);

}  // namespace zelto::cli
