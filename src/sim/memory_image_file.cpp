#include "sim/memory_image_file.h"

#include <cerrno>
#include <cstdio>
#include <fstream>

namespace zelto::sim {

ImageFileStatus LoadMemoryImage(const std::string& path, MemoryImage& image) {
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return errno == ENOENT ? ImageFileStatus::kMissing : ImageFileStatus::kUnreadable;
  MemoryImage read{};
  file.read(reinterpret_cast<char*>(read.data()), static_cast<std::streamsize>(read.size()));
  if (file.gcount() != static_cast<std::streamsize>(read.size()))
    return ImageFileStatus::kWrongSize;
  if (file.peek() != std::ifstream::traits_type::eof())
    return ImageFileStatus::kWrongSize;
  image = read;
  return ImageFileStatus::kLoaded;
}

bool SaveMemoryImage(const std::string& path, const MemoryImage& image) {
  const std::string temporary = path + ".new";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    if (!file.flush())
      return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace zelto::sim
