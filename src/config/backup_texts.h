#pragma once

#include <string>
#include <string_view>

namespace zelto::config {

// What the backups and the restore show in the status panel.
inline constexpr std::string_view kStatusBackingUp = "Резервная копия. Ждите!";
// The restore's check of the device with backups off: the same reads, nothing kept.
inline constexpr std::string_view kStatusCheckingDevice = "Проверка прибора. Ждите!";
inline constexpr std::string_view kStatusBackupNotSaved = "Резервная копия не сохранена";
inline constexpr std::string_view kStatusDeviceDiffers = "Прибор содержит другую конфигурацию";
inline constexpr std::string_view kStatusOtherModelBackup = "Резервная копия другого прибора";
inline constexpr std::string_view kStatusNothingToUndo = "Нет записи для отмены";

// "Резервная копия сохранена: 20261207-141502-123-ttyUSB0-1", so that the user knows what to
// restore.
inline std::string BackupSavedStatus(const std::string& id) {
  return "Резервная копия сохранена: " + id;
}

// "Восстановление 20261207-141502-123-ttyUSB0-1": which backup goes back onto the device.
inline std::string RestoringStatus(const std::string& id) {
  return "Восстановление " + id;
}

}  // namespace zelto::config
