#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zelto::fuzz {

// The loaders take a path, as the window's file dialogs give it: each input is written to one
// file of this process in the temporary directory, removed again at exit.
class ScratchFile {
 public:
  ScratchFile();
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // Replaces the file's contents; returns its path.
  const std::string& Write(std::span<const std::uint8_t> bytes) const;
  const std::string& Write(const std::string& text) const;

 private:
  std::string path_;
};

}  // namespace zelto::fuzz
