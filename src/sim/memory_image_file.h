#pragma once

#include "sim/transmitter.h"

#include <string>

namespace zelto::sim {

enum class ImageFileStatus { kLoaded, kMissing, kUnreadable, kWrongSize };

// Reads a 512-byte memory image; the image is left alone unless the whole file was read.
ImageFileStatus LoadMemoryImage(const std::string& path, MemoryImage& image);

// Writes the image through a temporary file, so that the file holds either the old image or
// the new one whatever happens meanwhile.
bool SaveMemoryImage(const std::string& path, const MemoryImage& image);

}  // namespace zelto::sim
