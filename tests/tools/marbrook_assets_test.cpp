// The stand-in table holds every file the Marbrook catalogues name, under the very
// names the game builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "assets/asset_table.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

const std::set<std::string>& TablePaths() {
  static const std::set<std::string> paths = [] {
    std::set<std::string> out;
    for (const assets::AssetFile& f : assets::ExpandAssets()) out.insert(Lower(f.path));
    return out;
  }();
  return paths;
}

bool InTable(const std::string& path) { return TablePaths().count(Lower(path)) != 0; }

// A numbered kind's stand-ins carry the numbers the screens and stages ask for; the
// name pattern must agree with the game's for at least one of the numbers 0 to 99.
// Event kinds (100 to 199) have stand-ins only where a stage or gallery shows them.
TEST(MarbrookAssets, EveryPictureKindHasStandInsUnderTheGamesNames) {
  int eventKinds = 0;
  for (const MarbrookPictureKind& k : MarbrookPictureKinds()) {
    SCOPED_TRACE("kind " + std::to_string(k.kind));
    if (k.kind >= 100 && k.kind <= 199) {
      for (int n = 0; n <= 99; ++n) {
        if (InTable(MarbrookPicturePath(k.kind, n))) {
          ++eventKinds;
          break;
        }
      }
      continue;
    }
    if (!k.numbered) {
      EXPECT_TRUE(InTable(MarbrookPicturePath(k.kind, 0))) << MarbrookPicturePath(k.kind, 0);
      continue;
    }
    int found = 0;
    for (int n = 0; n <= 99; ++n) found += InTable(MarbrookPicturePath(k.kind, n)) ? 1 : 0;
    EXPECT_GT(found, 0) << MarbrookPicturePath(k.kind, 1);
  }
  EXPECT_GT(eventKinds, 20);  // the story's event pictures are named as the game names them
}

TEST(MarbrookAssets, EverySoundRowAndVoiceHasAStandIn) {
  for (const MarbrookSoundTable& table : MarbrookSoundTables()) {
    for (const MarbrookSoundRow& row : table.rows) {
      const std::string path = std::string("Tanselr_Data/TanselrSnd/") + table.folder + row.file;
      EXPECT_TRUE(InTable(path)) << path;
    }
  }
  for (int voice : {1000, 1234, 3777}) EXPECT_TRUE(InTable(MarbrookVoicePath(voice))) << MarbrookVoicePath(voice);
}

}  // namespace

namespace {

// Rows are added by every game; two rows naming one file would leave one of them
// silently unused (the generator never overwrites), so each file has one row.
TEST(AssetTable, EachFileHasOneRow) {
  std::set<std::string> seen;
  for (const assets::AssetFile& f : assets::ExpandAssets()) {
    EXPECT_TRUE(seen.insert(Lower(f.path)).second) << f.path;
  }
}

}  // namespace
