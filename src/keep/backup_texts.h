#pragma once

#include "link/translatable.h"

#include <string>
#include <string_view>

namespace zelto::keep {

// What the backups and the restore show in the status panel.
inline constexpr std::string_view kStatusBackingUp =
    QT_TRANSLATE_NOOP("status", "Резервная копия. Ждите!");
// The restore's check of the device with backups off: the same reads, nothing kept.
inline constexpr std::string_view kStatusCheckingDevice =
    QT_TRANSLATE_NOOP("status", "Проверка прибора. Ждите!");
inline constexpr std::string_view kStatusBackupNotSaved =
    QT_TRANSLATE_NOOP("status", "Резервная копия не сохранена");
inline constexpr std::string_view kStatusDeviceDiffers =
    QT_TRANSLATE_NOOP("status", "Прибор содержит другую конфигурацию");
inline constexpr std::string_view kStatusOtherModelBackup =
    QT_TRANSLATE_NOOP("status", "Резервная копия другого прибора");
inline constexpr std::string_view kStatusNothingToUndo =
    QT_TRANSLATE_NOOP("status", "Нет записи для отмены");
// The model is the backup's, the unit is not: its factory calibration or firmware differs.
inline constexpr std::string_view kStatusOtherUnitBackup =
    QT_TRANSLATE_NOOP("status", "Резервная копия снята с другого экземпляра прибора");
// Units written alike, whose backups nothing tells apart: the user names the one to restore.
inline constexpr std::string_view kStatusSeveralBackupsFit =
    QT_TRANSLATE_NOOP("status", "Несколько резервных копий подходят: укажите ID");
// A backup that names words or an action its operation does not write.
inline constexpr std::string_view kStatusBadBackup =
    QT_TRANSLATE_NOOP("status", "Неверный формат резервной копии");

// "Резервная копия сохранена: 20261207-141502-123-ttyUSB0-1", so that the user knows what to
// restore.
inline std::string BackupSavedStatus(const std::string& id) {
  return QT_TRANSLATE_NOOP("status", "Резервная копия сохранена:") + std::string(" ") + id;
}

// "Восстановление 20261207-141502-123-ttyUSB0-1": which backup goes back onto the device.
inline std::string RestoringStatus(const std::string& id) {
  return QT_TRANSLATE_NOOP("status", "Восстановление") + std::string(" ") + id;
}

}  // namespace zelto::keep
