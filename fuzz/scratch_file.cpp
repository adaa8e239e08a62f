#include "scratch_file.h"

#include "fuzz_check.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zelto::fuzz {

ScratchFile::ScratchFile()
    : path_((std::filesystem::temp_directory_path() /
             ("zelto-fuzz-" + std::to_string(getpid()) + ".input"))
                .string()) {}

ScratchFile::~ScratchFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

const std::string& ScratchFile::Write(std::span<const std::uint8_t> bytes) const {
  std::ofstream file(path_, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  ZELTO_FUZZ_CHECK(!file.fail());
  return path_;
}

const std::string& ScratchFile::Write(const std::string& text) const {
  return Write({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

}  // namespace zelto::fuzz
