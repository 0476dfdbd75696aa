// The Skelvane title screen run by the engine: the intro and the menu that opens on a
// click, the click resolution over the pages, quit and start, the system menu's
// title and quit rows, the story's return to the title, and two animation details.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/script_store.h"
#include "skelvane/title_screen.h"
#include "support/engine_harness.h"

namespace {

using tq::testing::EngineHarness;

using tq::testing::WindowLayer;

// Where the menu stands after an input: scene, state, step, page and the shown
// button layers.
struct MenuView {
  int scene = 0, state = 0, step = 0, page = -1;
  std::vector<int> buttons;
  bool operator==(const MenuView&) const = default;
};
std::ostream& operator<<(std::ostream& os, const MenuView& v) {
  os << "scene " << v.scene << " state " << v.state << " step " << v.step << " page " << v.page << " buttons";
  for (int b : v.buttons) os << " " << b;
  return os;
}
MenuView ViewNow() {
  MenuView v{SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep, TitleMenuState.TitleMenuPage, {}};
  for (int layer = 10; layer <= 29; ++layer) {
    if (WindowLayer(layer).visible) v.buttons.push_back(layer);
  }
  return v;
}

// Boots the Skelvane game and opens its title at 500 ms as the system menu's title
// row does; the intro ends before 20 s, and the click at kMenuClick opens the menu.
constexpr uint32_t kEnter = 500;
constexpr uint32_t kMenuClick = 20000;
constexpr uint32_t kMenuReady = 23000;

// Button centres: every row bounces in centred, one button per 50 pixels from y 395.
constexpr int kButtonX = 460;
int ButtonY(int k) { return 416 + 50 * k; }

class SkelvaneTitle : public ::testing::Test {
 protected:
  SkelvaneTitle() {
    h.Platform().At(kEnter, [this] { h.EnterScreen(kTitleScene, -10, 0, tq::testing::EntryTick::kNow); });
    ::testing::internal::CaptureStderr();  // the title's pictures are missing here
    h.Start();
  }
  ~SkelvaneTitle() override { ::testing::internal::GetCapturedStderr(); }

  void OpenMenu() { h.ClickAt(kMenuClick, 5, 5); }
  // The system menu opened at (100, 100) and the row at panel offset y clicked.
  void SystemMenuRow(uint32_t at, int rowY) {
    h.ClickAt(at, 100, 100, tq::kButtonRight);
    h.MoveAt(at + 100, 130, 100 + rowY);
    h.ClickAt(at + 200, 130, 100 + rowY);
  }

  EngineHarness h{kModeSkelvane};
};

TEST_F(SkelvaneTitle, IntroPlaysItsThreeCodesThenTheMenuOpensOnAClick) {
  MenuView idle, open;
  h.Platform().At(kMenuClick - 100, [&] { idle = ViewNow(); });
  OpenMenu();
  h.Platform().At(kMenuReady, [&] { open = ViewNow(); });
  const tq::SessionResult r = h.RunUntil(kMenuReady + 100);

  EXPECT_FALSE(r.ended);
  std::vector<std::string> loops = h.TraceOf("loop");
  loops.erase(loops.begin(), std::find(loops.begin(), loops.end(), "loop 110"));  // the conversation's own
  EXPECT_EQ(loops, (std::vector<std::string>{"loop 110", "loop 121", "loop 900", "loop 901", "loop 903", "loop 905"}));
  // Code 903 ends without re-arming: nothing runs until the click.
  const std::vector<uint32_t> ended903 = h.TimesOf("endloop 903");
  ASSERT_EQ(ended903.size(), 1u);
  EXPECT_LT(ended903[0], kMenuClick);
  EXPECT_EQ(h.TimesOf("loop 905"), std::vector<uint32_t>{kMenuClick});
  EXPECT_EQ(idle, (MenuView{99, 1, 6, 0, {}}));
  EXPECT_EQ(open, (MenuView{99, 10, 0, 0, {10, 11, 12}}));
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(WindowLayer(10 + k).y, 395 + 50 * k);
    EXPECT_EQ(WindowLayer(10 + k).x, 460 - WindowLayer(10 + k).image.Width() / 2);
  }
}

// Clicks two seconds apart from the open menu, each with the view it leads to.
TEST_F(SkelvaneTitle, ClicksMoveThroughThePagesAndBackOneRowAtATime) {
  struct Step {
    const char* name;
    int x, y;
    MenuView after;
  };
  const Step steps[] = {
      {"page 0, value 2 (settings): nothing", kButtonX, ButtonY(1), {99, 10, 0, 0, {10, 11, 12}}},
      {"page 0, outside the buttons: nothing", 60, 60, {99, 10, 0, 0, {10, 11, 12}}},
      {"page 0, value 0: page 1", kButtonX, ButtonY(0), {99, 10, 0, 1, {15, 16, 17}}},
      {"page 1, outside: back to page 0", 60, 60, {99, 10, 0, 0, {10, 11, 12}}},
      {"page 0 again, value 0: page 1", 480, 281, {99, 10, 0, 1, {15, 16, 17}}},
      {"page 1, value 5: page 3", kButtonX, ButtonY(1), {99, 10, 0, 3, {20, 21, 22, 23, 24, 25}}},
      {"page 3, outside: back to page 1", 60, 60, {99, 10, 0, 1, {15, 16, 17}}},
      {"page 1, value 6: page 4", kButtonX, ButtonY(2), {99, 10, 0, 4, {20, 21, 22, 23}}},
      {"page 4, a row-2 button: back to page 1", kButtonX, ButtonY(0), {99, 10, 0, 1, {15, 16, 17}}},
  };
  OpenMenu();
  std::vector<MenuView> seen;
  uint32_t t = kMenuReady;
  for (const Step& s : steps) {
    h.ClickAt(t, s.x, s.y);
    h.Platform().At(t + 1900, [&seen] { seen.push_back(ViewNow()); });
    t += 2000;
  }
  const tq::SessionResult r = h.RunUntil(t);
  EXPECT_FALSE(r.ended);
  ASSERT_EQ(seen.size(), std::size(steps));
  for (size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(steps[i].name);
    EXPECT_EQ(seen[i], steps[i].after);
  }
}

TEST_F(SkelvaneTitle, QuitBlinksItsCaptionAndEndsTheProgramWithStatusZero) {
  OpenMenu();
  h.ClickAt(kMenuReady, kButtonX, ButtonY(2));
  const tq::SessionResult r = h.RunUntil(kMenuReady + 5000);
  EXPECT_TRUE(r.ended);
  EXPECT_EQ(r.status, 0);
  const std::vector<std::string> loops = h.TraceOf("loop");
  ASSERT_FALSE(loops.empty());
  EXPECT_EQ(loops.back(), "loop 910");
  EXPECT_TRUE(h.TimesOf("loop 916").empty()) << "quit skips the leave sequence";
}

// The start item leaves through codes 910, 916, 917 and 920 into the conversation,
// which plays stages 1, 2 and 10 in that order.
TEST_F(SkelvaneTitle, StartLeavesThroughTheAnnouncementAndPlaysStagesOneTwoAndTen) {
  OpenMenu();
  h.ClickAt(kMenuReady, kButtonX, ButtonY(0));      // page 1
  h.ClickAt(kMenuReady + 2000, kButtonX, ButtonY(0));  // start
  std::vector<int> stages;
  for (uint32_t t = kMenuReady + 2100; t < 400000; t += 100) {
    h.Platform().At(t, [&stages] {
      if (SceneCursor.SceneCode != kConversationScene) return;
      if (stages.empty() || stages.back() != SceneCursor.StageNumber) stages.push_back(SceneCursor.StageNumber);
    });
  }
  for (uint32_t t = kMenuReady + 12000; t < 400000; t += 1000) h.ClickAt(t, 460, 345);
  const tq::SessionResult r = h.RunUntil(400000);

  EXPECT_FALSE(r.ended);
  const std::vector<std::string> loops = h.TraceOf("loop");
  const auto at = std::find(loops.begin(), loops.end(), "loop 910");
  ASSERT_NE(at, loops.end());
  EXPECT_EQ(std::vector<std::string>(at, at + 4),
            (std::vector<std::string>{"loop 910", "loop 916", "loop 917", "loop 920"}));
  EXPECT_EQ(stages, (std::vector<int>{1, 2, 10}));
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene) << "the story ends on the title";
}

TEST_F(SkelvaneTitle, SystemMenuQuitRowEndsTheProgramFromTheTitle) {
  OpenMenu();
  SystemMenuRow(kMenuReady, 45);  // "ゲームを終了する", the title's second row
  const tq::SessionResult r = h.RunUntil(kMenuReady + 5000);
  EXPECT_TRUE(r.ended);
  EXPECT_EQ(r.status, 0);
}

// One frame of a title code at a time, outside any loop.
void Frames(int code, int count) {
  FrameClock.AnimationCode = code;
  for (int i = 0; i < count; ++i) TitleFrameAnimations();
}
void StartCode(int code) {
  FrameClock.AnimationCode = code;
  AnimationRun.AnimationFrame = 0;
  AnimationRun.AnimationStep = 0;
  AnimationRun.AnimationSubStep = 0;
}

// Code 903's first step: the picture's top reaches 100 above the window at frame 25
// and the picture becomes the background at frame 34, when its top is below 0 again.
TEST(SkelvaneTitleFrames, BuildUpPictureRisesTo100AboveTheWindowThenSettlesAtFrame34) {
  EngineHarness h(kModeSkelvane);
  ::testing::internal::CaptureStderr();
  h.Start();
  StartCode(903);
  Frames(903, 26);  // frames 0 to 25
  EXPECT_EQ(WindowLayer(0).y, -100);
  EXPECT_TRUE(WindowLayer(0).visible);
  Frames(903, 8);  // frames 26 to 33
  EXPECT_LT(WindowLayer(0).y, 0);
  EXPECT_EQ(AnimationRun.AnimationStep, 0);
  Frames(903, 1);  // frame 34
  ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(WindowLayer(0).visible);
  EXPECT_EQ(AnimationRun.AnimationStep, 1);
}

// Code 920 measures the whole line once: the four parts follow each other from
// half its width left of the centre.
TEST(SkelvaneTitleFrames, AnnouncementCentresTheWholeLine) {
  EngineHarness h(kModeSkelvane);
  h.Start();
  StartCode(920);
  Frames(920, 40);
  std::vector<std::string> parts;
  std::string whole;
  const std::string text = kTitleAnnouncement;
  for (size_t from = 0;;) {
    const size_t at = text.find("：", from);
    parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    whole += parts.back();
    if (at == std::string::npos) break;
    from = at + std::string("：").size();
  }
  ASSERT_EQ(parts.size(), 4u);
  auto width = [](const std::string& s) {
    TextStyle.TextFontSize = 16;
    TextStyle.TextBold = 0;
    TextStyle.CurrentText = s;
    MeasureText(0);
    return TextStyle.MeasuredWidth;
  };
  int x = 460 - width(whole) / 2;
  for (int p = 0; p < 4; ++p) {
    SCOPED_TRACE(p);
    EXPECT_TRUE(WindowLayer(p).visible);
    EXPECT_EQ(WindowLayer(p).x, x);
    x += width(parts[static_cast<size_t>(p)]);
  }
}

// The Skelvane game as a player runs it from start-up, clicking every second.
TEST(SkelvaneStory, AClickEverySecondPlaysStage10ToItsLastLineThenReturnsToTheTitle) {
  EngineHarness h(kModeSkelvane);
  struct Seen {
    int scene, stage, line, count;
  };
  std::vector<Seen> seen;
  for (uint32_t t = 100; t < 300000; t += 100) {
    h.Platform().At(t, [&seen] {
      seen.push_back({SceneCursor.SceneCode, SceneCursor.StageNumber, ScriptStore.CurrentScriptLine,
                      ScriptStore.ScriptLineCount});
    });
  }
  for (uint32_t t = 1000; t < 300000; t += 1000) {
    h.ClickAt(t, 460, 345);
  }
  ::testing::internal::CaptureStderr();
  h.Start();
  const tq::SessionResult r = h.RunUntil(300000);
  ::testing::internal::GetCapturedStderr();

  EXPECT_FALSE(r.ended);
  const auto title = std::find_if(seen.begin(), seen.end(), [](const Seen& s) { return s.scene == 99; });
  ASSERT_NE(title, seen.end());
  ASSERT_NE(title, seen.begin());
  const Seen last = *(title - 1);
  EXPECT_EQ(last.scene, 10);
  EXPECT_EQ(last.stage, 10);
  EXPECT_EQ(last.count, 270);
  EXPECT_EQ(last.line, 270);
  EXPECT_FALSE(h.TimesOf("loop 900").empty()) << "the title plays its intro";
}

// The system menu's rows from the conversation: the title row opens the title (its
// two sequences, then the intro), the quit row ends the program with status 0.
TEST(SkelvaneStory, SystemMenuTitleAndQuitRowsFromTheConversation) {
  const struct {
    const char* name;
    int rowY;
    bool ends;
  } cases[] = {{"title", 145, false}, {"quit", 180, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h(kModeSkelvane);
    h.ClickAt(3000, 100, 100, tq::kButtonRight);
    h.MoveAt(3100, 130, 100 + c.rowY);
    h.ClickAt(3200, 130, 100 + c.rowY);
    ::testing::internal::CaptureStderr();
    h.Start();
    const tq::SessionResult r = h.RunUntil(10000);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(r.ended, c.ends);
    if (c.ends) {
      EXPECT_EQ(r.status, 0);
      continue;
    }
    EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
    const std::vector<std::string> loops = h.TraceOf("loop");
    const auto at = std::find(loops.begin(), loops.end(), "loop 110");
    ASSERT_NE(at, loops.end());
    EXPECT_EQ(std::vector<std::string>(at, std::min(at + 3, loops.end())),
              (std::vector<std::string>{"loop 110", "loop 121", "loop 900"}));
  }
}

}  // namespace
