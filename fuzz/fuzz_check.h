#pragma once

#include <string_view>

namespace zelto::fuzz {

// A broken invariant is a finding like a crash: libFuzzer keeps the input that broke it. The
// message goes where the sanitizers report, which stays open while the fuzz script drops what
// the code under test prints.
[[noreturn]] void Fail(const char* what, const char* file, int line);

#define ZELTO_FUZZ_CHECK(condition)                        \
  do {                                                     \
    if (!(condition))                                      \
      ::zelto::fuzz::Fail(#condition, __FILE__, __LINE__); \
  } while (false)

// Every text the program shows goes to Qt as UTF-8; a cut or invented sequence would show as
// garbage in the memo and the status panel.
bool IsValidUtf8(std::string_view text);

}  // namespace zelto::fuzz
