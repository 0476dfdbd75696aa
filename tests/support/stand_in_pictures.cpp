#include "support/stand_in_pictures.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"
#include "support/test_folders.h"

namespace tq::testing {

std::string StandInPictureRoot(const std::string& folder, const std::string& pathPart) {
  return StandInPictureRoot(folder, [&pathPart](const assets::AssetFile& f) {
    return f.path.find(pathPart) != std::string::npos && assets::IsPicture(f.row->look);
  });
}

namespace {

namespace fs = std::filesystem;

// A stand-in as the tests draw it: black, with a face's name strip and features.
tq::Surface TestPicture(const assets::AssetFile& f) {
  tq::Surface picture(f.row->width, f.row->height, 0);
  if (f.row->look == assets::Look::Face) {
    const assets::FaceParts parts = assets::FacePartsOf(f);
    tq::FillRect(picture, parts.features, kStandInFeaturesPixel);
    tq::FillRect(picture, parts.label, kStandInLabelPixel);
  }
  return picture;
}

std::string Text(const tq::PixelRect& r) {
  return std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.w) + "," + std::to_string(r.h);
}

// The folder of test pictures for `files`, shared by every test process that asks for
// the same pictures: its name comes from all that they are drawn from (path, size, a
// face's parts), so a changed table gets a folder of its own and never an older
// picture. Files are only ever added, each whole (written under a name of this
// process's, then renamed).
fs::path SharedPictures(const std::vector<const assets::AssetFile*>& files) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  auto mix = [&hash](const std::string& text) {
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  };
  for (const assets::AssetFile* f : files) {
    mix(f->path + ":" + std::to_string(f->row->width) + "x" + std::to_string(f->row->height) + ";");
    if (f->row->look == assets::Look::Face) {
      const assets::FaceParts parts = assets::FacePartsOf(*f);
      mix(Text(parts.label) + ";" + Text(parts.features) + ";");
    }
  }
  char name[40];
  std::snprintf(name, sizeof name, "thornquill-stand-ins-%016llx", static_cast<unsigned long long>(hash));
  const fs::path dir = fs::temp_directory_path() / name;
  for (const assets::AssetFile* f : files) {
    const fs::path path = dir / f->path;
    if (fs::exists(path)) continue;
    fs::create_directories(path.parent_path());
    assets::WriteFileAtomically(path.string(), assets::EncodeBmp(TestPicture(*f)));
  }
  return dir;
}

}  // namespace

std::string StandInPictureRoot(const std::string& folder, const std::function<bool(const assets::AssetFile&)>& keep) {
  std::vector<const assets::AssetFile*> files;
  static const std::vector<assets::AssetFile> all = assets::ExpandAssets();
  for (const assets::AssetFile& f : all) {
    if (keep(f)) files.push_back(&f);
  }
  const fs::path shared = SharedPictures(files);
  // The program folder is this process's own, so its save files are too; each entry
  // of the shared asset folders is linked in.
  const fs::path root = TestFolder(folder);
  std::error_code ec;
  for (const fs::directory_entry& top : fs::directory_iterator(shared, ec)) {
    if (!top.is_directory()) continue;
    const fs::path mine = root / top.path().filename();
    fs::create_directories(mine, ec);
    for (const fs::directory_entry& entry : fs::directory_iterator(top.path(), ec)) {
      const fs::path link = mine / entry.path().filename();
      if (entry.path().filename().string().find(".part") != std::string::npos || fs::exists(link)) continue;
      if (entry.is_directory()) {
        fs::create_directory_symlink(entry.path(), link, ec);
      } else {
        fs::create_symlink(entry.path(), link, ec);
      }
    }
  }
  return root.string();
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
