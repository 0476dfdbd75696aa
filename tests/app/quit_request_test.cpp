// A quit request from outside the game (the window manager's close; SIGTERM and
// SIGINT, which the window's back end turns into the same request) ends the program
// from every game's title, conversation and board, idle or inside a frame loop,
// within a second and with status 0, as Escape does, and leaves every save file
// whole. (Loops inside loops and long frames: ShutdownTest.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/modes.h"
#include "platform/headless/headless_platform.h"
#include "support/engine_harness.h"
#include "support/save_files.h"
#include "support/soak.h"

namespace {

namespace fs = std::filesystem;
using tq::testing::EngineHarness;

struct Screen {
  const char* name;
  const char* mode;
  // The scene cursor set right after start-up, as the headless runner's --enter
  // does (code 0: the mode's own start); stage: the conversation's stage, as --stage
  // sets it; board: the Vadrim board, as --board sets it.
  int code = 0, state = 0, step = 0;
  int stage = 0;
  int board = 0;
};

const Screen kScreens[] = {
    {"Marbrook title", "Marbrook"},
    {"Marbrook conversation", "Marbrook", 10, 0, 10, 2},
    {"Marbrook board game", "Marbrook", 52, 0, 0},
    {"Vadrim title", "Vadrimの"},
    {"Vadrim conversation", "Vadrimの", 10, 0, 10, 1},
    {"Vadrim board", "Vadrimの", 51, 1, 0, 0, 1},
    {"Skelvane title", "Skelvane２", 99, 0, 0},
    {"Skelvane conversation", "Skelvane２"},
};

// How many frame loops run inside each other when the close arrives.
int LoopDepth(const std::vector<std::string>& trace) {
  int depth = 0;
  for (const std::string& line : trace) {
    const std::string what = line.substr(line.find(' ') + 1);
    if (what.rfind("loop ", 0) == 0) ++depth;
    if (what.rfind("endloop ", 0) == 0) --depth;
  }
  return depth;
}

TEST(QuitRequest, EndsEveryScreenIdleOrInALoopWithinASecondAndKeepsTheSavesWhole) {
  std::random_device rd;
  const fs::path base = fs::temp_directory_path() / ("tq-quit-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
  int closesAtDepth[2] = {};  // closes while idle, and inside a running frame loop
  for (const Screen& screen : kScreens) {
    const fs::path root = base / screen.name;
    fs::create_directories(root);
    tq::testing::PlaceStandIns(root.string());
    // Close at moments spread over the screen's first seconds, with clicks before
    // them so that handlers start frame loops inside running ones.
    for (uint32_t closeAt = 700; closeAt < 9000; closeAt += 617) {
      SCOPED_TRACE(std::string(screen.name) + ", close at " + std::to_string(closeAt));
      EngineHarness h(screen.mode, root.string());
      // Entered as the runner's --stage, --enter and --board enter it.
      if (screen.stage != 0) h.EnterConversationAt(screen.stage);
      else if (screen.code != 0) h.EnterScreen(screen.code, screen.state, screen.step);
      if (screen.board != 0) h.SetVadrimBoard(screen.board);
      for (uint32_t t = 450; t < closeAt; t += 89) {
        const int x = static_cast<int>(160 + (t * 37) % 600), y = static_cast<int>(120 + (t * 53) % 450);
        // Right clicks too: they open the system menus and their animations.
        h.ClickAt(t, x, y, t % 3 == 0 ? tq::kButtonRight : tq::kButtonLeft);
      }
      h.CloseAt(closeAt);
      int depth = -1;
      h.Platform().At(closeAt, [&] { depth = LoopDepth(h.Trace()); });
      h.Start();
      const tq::SessionResult result = h.RunUntil(closeAt + 5000);
      ASSERT_TRUE(result.ended);
      EXPECT_EQ(result.status, 0);
      EXPECT_LE(result.endedAt, closeAt + 1000);
      EXPECT_EQ(h.TimesOf("quit").size(), 1u);
      ASSERT_GE(depth, 0);
      ++closesAtDepth[std::min(depth, 1)];
      EXPECT_EQ(tq::testing::SaveFileFaults(root.string()), std::vector<std::string>{});
      EXPECT_EQ(tq::testing::LeftoverWritesUnder(root.string()), std::vector<std::string>{});
    }
  }
  // The closes came both to an idle program and to one inside a frame loop, whose
  // pump runs the close handler nested in the screen's own handlers.
  EXPECT_GT(closesAtDepth[0], 0);
  EXPECT_GT(closesAtDepth[1], 0);
  std::error_code ec;
  fs::remove_all(base, ec);
}

}  // namespace
