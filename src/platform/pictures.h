// Picture files: BMP or JPEG, recognised by content whatever the extension.
#pragma once

#include <string>

#include "platform/pixels.h"

namespace tq {

// Loads the picture at path (the original's form; resolved case-insensitively).
// A missing or unreadable file gives false and an empty surface, reported once
// per path on standard error.
bool LoadPictureFile(const std::string& path, Surface& out);

// Writes the surface as a PNG file (screenshots and test images); false on failure.
bool SavePngFile(const Surface& image, const std::string& path);

}  // namespace tq
