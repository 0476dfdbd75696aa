#include "assets/make_assets.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"
#include "platform/paths.h"

namespace assets {

GenerateResult GenerateAssets(const std::string& root) {
  GenerateResult result;
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
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const bool picture = IsPicture(file.row->look);
    const std::vector<uint8_t> bytes = picture ? EncodeBmp(DrawPicture(file)) : EncodeWav(SynthesizeSound(file));
    if (WriteFileAtomically(path, bytes)) {
      ++result.written;
    } else {
      ++result.failed;
      std::fprintf(stderr, "make-assets: cannot write %s\n", path.c_str());
    }
  }
  return result;
}

}  // namespace assets
