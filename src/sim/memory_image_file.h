#pragma once

#include "sim/transmitter.h"

#include <string>

namespace zelto::sim {

enum class ImageFileStatus { kLoaded, kMissing, kUnreadable, kWrongSize, kNotRegularFile };

// Reads a 512-byte memory image; the image is left alone unless the whole file was read.
// Anything that exists and is no regular file (a folder, a FIFO, a device) is refused without
// being opened for long: a FIFO would block the reader until someone writes into it.
ImageFileStatus LoadMemoryImage(const std::string& path, MemoryImage& image);

}  // namespace zelto::sim
