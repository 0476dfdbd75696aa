// Golden images for the scenario drawing tests: drawings a person has looked at and
// approved, kept as PNG files in tests/data/golden/. A missing golden image is written
// and the test fails asking for a review; a mismatch writes the drawing beside it as
// <name>-actual.png.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/pictures.h"
#include "platform/pixels.h"

namespace tq::testing {

inline constexpr int kGoldenTolerance = 8;  // per channel: font rasterisers differ slightly between versions

inline bool SavePng(const tq::Surface& image, const std::string& path) { return tq::SavePngFile(image, path); }

inline bool LoadPng(const std::string& path, tq::Surface& out) { return tq::LoadPictureFile(path, out); }

inline void ExpectMatchesGolden(const tq::Surface& image, const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(THORNQUILL_TEST_DATA) / "golden";
  const std::string golden = (folder / (name + ".png")).string();
  const std::string actual = (folder / (name + "-actual.png")).string();
  if (!std::filesystem::exists(golden)) {
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(SavePng(image, golden));
    FAIL() << "wrote a new golden image " << golden << ": look at it, and keep it if it is right";
  }
  tq::Surface want;
  ASSERT_TRUE(LoadPng(golden, want)) << golden;
  int worst = 0, worstX = 0, worstY = 0;
  const bool sameSize = want.Width() == image.Width() && want.Height() == image.Height();
  if (sameSize) {
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) {
        const uint32_t a = image.Get(x, y), b = want.Get(x, y);
        for (int shift : {0, 8, 16}) {
          const int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
          if (d > worst) worst = d, worstX = x, worstY = y;
        }
      }
    }
  }
  if (!sameSize || worst > kGoldenTolerance) {
    SavePng(image, actual);
    FAIL() << name << " differs from its golden image (size " << image.Width() << "x" << image.Height() << " vs "
           << want.Width() << "x" << want.Height() << ", worst channel difference " << worst << " at " << worstX << ","
           << worstY << "); the drawing is in " << actual;
  }
  std::error_code ec;
  std::filesystem::remove(actual, ec);
}

}  // namespace tq::testing
