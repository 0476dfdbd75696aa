// Picture files: BMP, JPEG or PNG, recognised by content whatever the extension.
#pragma once

#include <string>

#include "platform/pixels.h"

namespace tq {

// Loads the picture at path (the original's form; resolved case-insensitively).
// A missing or unreadable file, or one whose header claims a picture beyond the
// bounds of platform/media_files.h, gives false and an empty surface, reported once
// per path on standard error with the reason.
bool LoadPictureFile(const std::string& path, Surface& out);

// Writes the surface as a PNG file (screenshots and test images); false on failure.
bool SavePngFile(const Surface& image, const std::string& path);

}  // namespace tq
