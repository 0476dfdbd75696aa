#include "support/stand_in_pictures.h"

#include <filesystem>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"

namespace tq::testing {

std::string StandInPictureRoot(const std::string& folder, const std::string& pathPart) {
  return StandInPictureRoot(folder, [&pathPart](const assets::AssetFile& f) {
    return f.path.find(pathPart) != std::string::npos && assets::IsPicture(f.row->look);
  });
}

std::string StandInPictureRoot(const std::string& folder, const std::function<bool(const assets::AssetFile&)>& keep) {
  const std::string dir = (std::filesystem::temp_directory_path() / folder).string();
  for (const assets::AssetFile& f : assets::ExpandAssets()) {
    if (!keep(f)) continue;
    const std::string path = dir + "/" + f.path;
    if (std::filesystem::exists(path)) continue;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    assets::WriteFileAtomically(path, assets::EncodeBmp(tq::Surface(f.row->width, f.row->height, 0)));
  }
  return dir;
}

}  // namespace tq::testing
