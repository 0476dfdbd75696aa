// Stand-in pictures written into a test's program folder, as make-assets draws them.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"

namespace tq::testing {

// Writes the stand-ins of the pictures whose paths start with one of the prefixes.
inline void WriteStandIns(const std::string& root, std::initializer_list<const char*> prefixes) {
  for (const assets::AssetFile& f : assets::ExpandAssets()) {
    for (const char* prefix : prefixes) {
      if (f.path.rfind(prefix, 0) != 0 || !assets::IsPicture(f.row->look)) continue;
      const std::string path = root + "/" + f.path;
      std::filesystem::create_directories(std::filesystem::u8path(path).parent_path());
      assets::WriteFileAtomically(path, assets::EncodeBmp(assets::DrawPicture(f)));
    }
  }
}

}  // namespace tq::testing
