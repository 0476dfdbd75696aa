// Stand-in pictures for tests that need the real picture sizes but not their looks,
// and the look-up of any stand-in file by its path.
#pragma once

#include <functional>
#include <string>

namespace assets {
struct AssetFile;
}

namespace tq::testing {

// A program folder of this test process's own (the test folder named `folder`)
// holding every picture of the asset table whose path contains `pathPart`, plain
// black at its stand-in size: linked in from a folder that test processes share, so
// the pictures are written once per machine and asset table. Save files the game
// writes there stay the process's own.
std::string StandInPictureRoot(const std::string& folder, const std::string& pathPart);
// The same for every file of the asset table that `keep` accepts.
std::string StandInPictureRoot(const std::string& folder, const std::function<bool(const assets::AssetFile&)>& keep);

// The stand-in of a file below the program folder (matched without regard to case,
// as the games look files up), or null when the asset table has none.
const assets::AssetFile* StandInFile(const std::string& path);

}  // namespace tq::testing
