#include "cli/bash_completion.h"

#include <cstdio>

// Prints the bash completion of zelto-cli; the build installs what it prints.
int main() {
  const std::string script = zelto::cli::BashCompletionScript();
  return std::fwrite(script.data(), 1, script.size(), stdout) == script.size() &&
                 std::fflush(stdout) == 0
             ? 0
             : 1;
}
