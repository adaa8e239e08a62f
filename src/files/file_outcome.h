#pragma once

#include "link/translatable.h"

#include <string_view>

namespace zelto::files {

// How a service file operation ended.
enum class FileOutcome {
  kDone,
  kCannotOpen,  // "Error open file": nothing was read or written
  kWriteFailed,  // "Ошибка записи файла": an existing file keeps its old contents, unless it
                 // had to be written in place (WriteFileSafely)
  kBadFormat,  // "Неверный формат файла": a short or malformed file, loaded as far as it went
};

inline constexpr std::string_view kStatusFileWritten = QT_TRANSLATE_NOOP("status", "Файл записан");
inline constexpr std::string_view kStatusFileOpenError = "Error open file";
inline constexpr std::string_view kStatusFileWriteError =
    QT_TRANSLATE_NOOP("status", "Ошибка записи файла");
inline constexpr std::string_view kStatusFileFormatError =
    QT_TRANSLATE_NOOP("status", "Неверный формат файла");

// The status text of a failure; empty for kDone, whose text depends on the operation.
std::string_view FileFailureStatus(FileOutcome outcome);

}  // namespace zelto::files
