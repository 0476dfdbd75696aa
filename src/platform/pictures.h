// Picture files: BMP, JPEG or PNG, recognised by content whatever the extension.
#pragma once

#include <cstddef>
#include <string>

#include "platform/pixels.h"

namespace tq {

// Decoded pictures are kept, up to this many bytes with their files' bytes, so a
// picture loaded again (a flip-book's frames, a mark shown at every click) is
// copied rather than decoded. It holds a flip-book of six window-sized pictures.
inline constexpr size_t kPictureCacheBytes = size_t{16} << 20;

// Loads the picture at path (the original's form; resolved case-insensitively) into
// out, reusing out's buffer. The file is read at every load and its picture decoded
// again whenever its bytes differ from the kept ones.
// A missing or unreadable file, or one whose header claims a picture beyond the
// bounds of platform/media_files.h, gives false and an empty surface, reported once
// per path on standard error with the reason.
bool LoadPictureFile(const std::string& path, Surface& out);

// The bytes the kept pictures take now (at most kPictureCacheBytes).
size_t PictureCacheBytes();

// How the loads since start-up went: pictures given, files missing, files refused
// or undecodable. (The soak checks by them that its pictures are in place.)
struct PictureLoadCounts {
  size_t loaded = 0, missing = 0, failed = 0;
};
PictureLoadCounts PictureLoads();

// Writes the surface as a PNG file (screenshots and test images); false on failure.
bool SavePngFile(const Surface& image, const std::string& path);

}  // namespace tq
