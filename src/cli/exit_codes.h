#pragma once

namespace zelto::cli {

// The tool's exit codes; scripts on production lines branch on them.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitSystemError = 1,     // what the system refused (no pseudo-terminal, no memory), said why
  kExitUsage = 2,           // bad arguments, or a value the configuration refuses
  kExitNoAnswer = 3,        // "Прибор не отвечает"
  kExitIdentifyFailed = 4,  // "Ошибка выбора прибора", "Ошибка приема"
  kExitFileError = 5,
  kExitPortError = 6,
  kExitDifferent = 7,    // diff: the device differs from the profile
  kExitCheckFailed = 8,  // check: the unit failed its output check, or the check was cancelled
};

}  // namespace zelto::cli
