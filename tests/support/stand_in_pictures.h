// Stand-in pictures for tests that need the real picture sizes but not their looks,
// and the look-up of any stand-in file by its path.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace assets {
struct AssetFile;
}

namespace tq::testing {

// A program folder of this test process's own (the test folder named `folder`)
// holding every picture of the asset table whose path contains `pathPart`, plain
// black at its stand-in size, except that a face shows where the stand-in puts its
// name strip and its eyes and mouth, in the two colours below. The pictures are
// linked in from a folder that test processes share, so they are written once per
// machine and asset table; save files the game writes there stay the process's own.
std::string StandInPictureRoot(const std::string& folder, const std::string& pathPart);
inline constexpr uint32_t kStandInLabelPixel = 0xFF0000;     // the name strip
inline constexpr uint32_t kStandInFeaturesPixel = 0x0000FF;  // eyes and mouth
// The same for every file of the asset table that `keep` accepts.
std::string StandInPictureRoot(const std::string& folder, const std::function<bool(const assets::AssetFile&)>& keep);

// The stand-in of a file below the program folder (matched without regard to case,
// as the games look files up), or null when the asset table has none.
const assets::AssetFile* StandInFile(const std::string& path);

}  // namespace tq::testing
