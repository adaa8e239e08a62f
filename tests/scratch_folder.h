#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <string>

namespace zelto::testing {

// A fresh folder of the system's temporary one, removed with all it holds at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zelto-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
  }
  ~ScratchFolder() { std::filesystem::remove_all(folder_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  // A file of the folder holding the contents; returns its path.
  std::string Write(const std::string& name, const std::string& contents) const {
    std::ofstream(PathOf(name), std::ios::binary) << contents;
    return PathOf(name);
  }

 private:
  std::filesystem::path folder_;
};

// Everything a file holds; nothing when it cannot be read.
inline std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace zelto::testing
