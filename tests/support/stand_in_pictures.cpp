#include "support/stand_in_pictures.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"

namespace tq::testing {

namespace {

// Whether the file holds exactly these bytes (a stand-in written by an earlier run).
bool SameBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::vector<uint8_t> held((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return held == bytes;
}

}  // namespace

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
    tq::Surface picture(f.row->width, f.row->height, 0);
    if (f.row->look == assets::Look::Face) {
      const assets::FaceParts parts = assets::FacePartsOf(f);
      tq::FillRect(picture, parts.features, kStandInFeaturesPixel);
      tq::FillRect(picture, parts.label, kStandInLabelPixel);
    }
    const std::vector<uint8_t> bytes = assets::EncodeBmp(picture);
    if (SameBytes(path, bytes)) continue;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    assets::WriteFileAtomically(path, bytes);
  }
  return dir;
}

const assets::AssetFile* StandInFile(const std::string& path) {
  auto lower = [](std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
  };
  static const std::map<std::string, assets::AssetFile> files = [&] {
    std::map<std::string, assets::AssetFile> out;
    for (const assets::AssetFile& f : assets::ExpandAssets()) out.emplace(lower(f.path), f);
    return out;
  }();
  const auto it = files.find(lower(path));
  return it == files.end() ? nullptr : &it->second;
}

}  // namespace tq::testing
