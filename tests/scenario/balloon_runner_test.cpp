// A Skelvane conversation of faces, speech, thought and narration balloons played
// through the headless runner with clicks, from a script file: it runs to its end,
// and the screenshots show each balloon at its place.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/layers.h"
#include "face_picture.h"
#include "support/golden_image.h"
#include "support/save_files.h"

namespace {

namespace fs = std::filesystem;

// The click-wait picture the conversation shows at the bottom: a small marker.
void WriteClickWaitPicture(const fs::path& root) {
  const fs::path path = root / "Tanselr_Data" / "TanselrCG" / "ETC" / "ClickWait_Fs16.JPG";
  fs::create_directories(path.parent_path());
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 24, 16, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(s, nullptr);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 40, 40, 60));
  for (int y = 3; y < 13; ++y) {
    const int half = (13 - y) / 2 + 2;
    SDL_Rect row{12 - half, y, 2 * half, 1};
    SDL_FillRect(s, &row, SDL_MapRGB(s->format, 255, 220, 90));
  }
  ASSERT_EQ(SDL_SaveBMP(s, path.string().c_str()), 0);  // read by content, whatever the extension
  SDL_FreeSurface(s);
}

std::string ReadAll(const fs::path& path) { return tq::testing::ReadFileBytes(path.string()); }

struct Probe {
  int x, y;
  int grey;  // the expected R = G = B
  const char* what;
};

struct Shot {
  uint32_t at;
  std::vector<Probe> probes;
};

TEST(BalloonRunner, SkelvaneScriptOfBalloonsRunsToItsEndWithEachBalloonInPlace) {
  const fs::path dir = fs::temp_directory_path() /
                       ("thornquill-balloons-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  const fs::path root = dir / "root";
  fs::create_directories(root);
  // Faces 100 and 110 of the Skelvane catalogue, drawn.
  const std::string faces = (root / "bmp_data" / "Face").string();
  scenario_test::WriteFaceBmp(faces + "/整備02_s250x176_0.BMP", 250, 176, {255, 240, 200}, {90, 60, 30});
  scenario_test::WriteFaceBmp(faces + "/通信01_高さ調整1_s250x175.BMP", 250, 175, {220, 240, 255}, {30, 30, 40});
  WriteClickWaitPicture(root);

  // A click each second from 1.5 s; each screenshot 50 ms before a click. Slot 1's
  // face stands at (30, 40), slot 2's at (640, 440), both 250 wide.
  const std::vector<Shot> shots = {
      {1450, {{234, 384, 50, "narration box, centred"}, {219, 345, 0, "left of the narration box"}}},
      {2450, {{700, 250, 255, "slot 1's speech balloon right of its face"}, {255, 190, 200, "its tail box"}}},
      {3450, {{700, 250, 204, "slot 1's balloon greyed"}, {250, 600, 255, "slot 2's speech balloon left of its face"}}},
      {5450, {{650, 640, 255, "slot 2's thought balloon"}, {250, 600, 0, "slot 2's erased speech balloon"}}},
      {6450, {{300, 262, 160, "slot 1's thought balloon over its speech balloon"}, {700, 250, 204, "slot 1's speech"}}},
      {7450, {{300, 262, 0, "the erased thought balloon"}, {700, 250, 255, "slot 1's speech balloon, written again"}}},
      {8450, {{250, 600, 255, "slot 2's balloon open again"}}},
      {10450, {{250, 600, 0, "slot 2's balloon closed by the multiple erase"}, {700, 250, 204, "slot 1's kept balloon"}}},
  };
  {
    std::ofstream timeline(dir / "input.txt", std::ios::binary);
    for (int i = 1; i <= 10; ++i) timeline << 1000 * i + 500 << " click 460 400\n";
  }
  const fs::path script = fs::path(THORNQUILL_TEST_DATA) / "scripts" / "balloons_skelvane.txt";
  std::string command = std::string("'") + THORNQUILL_RUNNER + "' --mode 'Skelvane２' --root '" + root.string() +
                        "' --script '" + script.string() + "' --input '" + (dir / "input.txt").string() +
                        "' --until 12000 --trace '" + (dir / "trace").string() + "'";
  for (const Shot& s : shots) {
    command += " --shot " + std::to_string(s.at) + ":'" + (dir / (std::to_string(s.at) + ".png")).string() + "'";
  }
  command += " --dump 9450:'" + (dir / "dump").string() + "'";
  command += " 2>'" + (dir / "err").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);

  const std::string trace = ReadAll(dir / "trace");
  const std::string err = ReadAll(dir / "err");
  const std::string dump = ReadAll(dir / "dump");
  std::vector<std::string> loops;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    const size_t at = line.find(" loop ");
    if (at != std::string::npos) loops.push_back(line.substr(at + 6));
  }
  EXPECT_EQ(loops, (std::vector<std::string>{"1020", "1020", "1017", "1019", "1010", "1010", "1011", "1015", "1011",
                                              "1015", "1011", "1010", "1060", "1017", "1019"}))
      << trace;
  EXPECT_NE(err.find("line 20 is past the end of the script (20 lines)"), std::string::npos) << err;
  // The caption box of variant 11 stands 25 pixels above the bottom edge.
  EXPECT_NE(dump.find("layer 19 1 359 608 202 57 "), std::string::npos) << dump;

  for (const Shot& s : shots) {
    SCOPED_TRACE(s.at);
    tq::Surface image;
    ASSERT_TRUE(tq::testing::LoadPng((dir / (std::to_string(s.at) + ".png")).string(), image));
    for (const Probe& p : s.probes) {
      EXPECT_EQ(tq::ColorFromPixel(image.Get(p.x, p.y)), Grey(p.grey)) << p.what << " at " << p.x << "," << p.y;
    }
  }
  fs::remove_all(dir);
}

}  // namespace
