#include "assets/make_assets.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"
#include "platform/paths.h"

namespace assets {

namespace {

// Failures that every file of the folder would meet alike.
bool FolderWide(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == ENOSPC || error == EDQUOT ||
         error == ENOENT || error == ENOTDIR;
}

}  // namespace

GenerateResult GenerateAssets(const std::string& root) {
  GenerateResult result;
  // A folder that cannot be written fails thousands of files alike: the first such
  // failure stops the run, with its reason.
  for (const AssetFile& file : ExpandAssets()) {
    // The exact name first: resolving each component without regard to case lists
    // whole folders, which thousands of voices would make slow.
    std::error_code ec;
    std::string path = root + "/" + file.path;
    if (!std::filesystem::exists(path, ec)) path = tq::ResolvePath(path);
    if (std::filesystem::exists(path, ec)) {
      ++result.kept;
      continue;
    }
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::filesystem::create_directories(folder, ec);
    if (ec) {
      ++result.failed;
      result.stopped = true;
      std::fprintf(stderr, "make-assets: cannot make the folder %s: %s\n", folder.c_str(), ec.message().c_str());
      break;
    }
    const bool picture = IsPicture(file.row->look);
    const std::vector<uint8_t> bytes = picture ? EncodeBmp(DrawPicture(file)) : EncodeWav(SynthesizeSound(file));
    int error = 0;
    if (WriteFileAtomically(path, bytes, &error)) {
      ++result.written;
    } else {
      ++result.failed;
      std::fprintf(stderr, "make-assets: cannot write %s: %s\n", path.c_str(), std::strerror(error));
      if (FolderWide(error)) {
        result.stopped = true;
        break;
      }
    }
  }
  return result;
}

}  // namespace assets
