// The extras area (scene 45): the scene replay, the bonus pictures and the picture
// gallery, each entered from a stand-in extras menu and left back to it, driven by
// clicks, moves and keys at virtual times over the stand-in pictures they cut.
#include "marbrook/extras_area.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <filesystem>
#include <string>
#include <vector>

#include "app/screen_entry.h"
#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/marbrook_mode.h"
#include "games/screen_buttons.h"
#include "marbrook/marbrook_pictures.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "scenario/auto_reading.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"
#include "support/stand_ins.h"

namespace {

using tq::testing::EngineHarness;
using tq::testing::WindowLayer;
using Strings = std::vector<std::string>;

constexpr int kEnterAt = 400;

// The stand-in extras menu (scene 99): at start-up it opens the entry under test;
// the extras area's exits come back here and are counted.
struct Entry {
  int state, step, stage;
};
Entry entry{0, 1, 0};
Strings returns;
bool rotate = false;  // each return opens the next viewer
int turns = 0;

void MenuStep() {
  if (rotate && SceneCursor.SceneState != 0) {
    static constexpr Entry kEntries[] = {{100, 0, 0}, {200, 0, 7}, {0, 1, 0}};
    entry = kEntries[turns++ % 3];
    GoTo(0, 0);
  }
  if (SceneCursor.SceneState == 0 && SceneCursor.SceneStep == 0) {
    tq::EnterScreen(45, entry.state, entry.step);
    SceneCursor.StageNumber = entry.stage;
    Wait(-1, 10);
    return;
  }
  returns.push_back(std::to_string(SceneCursor.SceneState) + " " + std::to_string(SceneCursor.SceneStep));
}

using tq::testing::WriteStandIns;

class ExtrasArea_ : public tq::testing::ScreenTest {
 protected:
  void Boot(Entry e) {
    entry = e;
    returns.clear();
    ScreenTest::Boot(kModeMarbrook, "", [this](EngineHarness& h) {
      WriteStandIns(h.Root(), {"Tanselr_Data/TanselrCG/EroMachi/", "Tanselr_Data/TanselrCG/Title/T00_60",
                               "Tanselr_Data/TanselrCG/G08/BotuCG_"});
      saved_ = MarbrookScreen(99);
      MarbrookScreen(99) = ScreenHookSet{};
      MarbrookScreen(99).Step = MenuStep;
    });
    GameConfig.Settings[2] = 9;
    GameConfig.VoiceLevel = 9;
  }
  void TearDown() override {
    MarbrookScreen(99) = saved_;
    ScreenTest::TearDown();
  }

  void Run(uint32_t until) { h_->RunUntil(until); }
  // The middle of a layer in window coordinates.
  static int CX(int layer) { return tq::testing::LayerMiddle(layer).x; }
  static int CY(int layer) { return tq::testing::LayerMiddle(layer).y; }
  // The sound files loaded so far whose trace line names `part`.
  int Loads(const std::string& part) {
    int n = 0;
    for (const std::string& line : h_->Trace()) n += line.find(part) != std::string::npos && line.find("STRead") != std::string::npos;
    return n;
  }
  Strings VoicesPlayed() {
    Strings out;
    for (const std::string& line : h_->TraceOf("STReadMP3File")) {
      const size_t at = line.find("Voice_");
      if (at != std::string::npos) out.push_back(line.substr(at + 6, 4));
    }
    return out;
  }
  // The channel of the first sound file loaded whose trace line names `part`, -1 none.
  int ChannelOf(const std::string& part) {
    for (const std::string& line : h_->Trace()) {
      if (line.find("STRead") == std::string::npos || line.find(part) == std::string::npos) continue;
      std::istringstream words(line);
      std::string at, call;
      int channel = -1;
      words >> at >> call >> channel;
      return channel;
    }
    return -1;
  }
  void ExpectScene(int code, int state, int step) {
    EXPECT_EQ(SceneCursor.SceneCode, code);
    EXPECT_EQ(SceneCursor.SceneState, state);
    EXPECT_EQ(SceneCursor.SceneStep, step);
  }

  ScreenHookSet saved_;
};

// ---- Scene replay ----

TEST_F(ExtrasArea_, ReplayMenuChoosesAHeroineByPointerAndLeavesByKey) {
  Boot({0, 1, 0});
  Run(3000);
  ExpectScene(45, 5, 0);
  EXPECT_EQ(SceneCursor.ButtonMode, 10);
  EXPECT_EQ(Loads("VP_またね"), 1);
  // The title has dropped to y 30, the buttons stand 80 apart about the middle.
  EXPECT_EQ(WindowLayer(0).y, 30);
  EXPECT_EQ(WindowLayer(5).y, 430);
  EXPECT_EQ(WindowLayer(6).x - (WindowLayer(5).x + WindowLayer(5).image.Width()), 80);
  EXPECT_EQ(WindowLayer(5).x + WindowLayer(6).x + WindowLayer(6).image.Width(), ScreenSize.ScreenWidth);

  MoveAt(3100, CX(6), CY(6));
  Run(3200);
  EXPECT_EQ(ScreenButtons.HoveredButton, 1);
  EXPECT_EQ(Loads("t26_pyo133"), 1);
  // The greeting has a channel of its own: the hover tick on channel 0 leaves it playing.
  EXPECT_EQ(ChannelOf("VP_またね"), 1);
  EXPECT_EQ(ChannelOf("t26_pyo133"), 0);
  EXPECT_TRUE(WindowLayer(9).visible);
  EXPECT_EQ(WindowLayer(9).x, WindowLayer(6).x - 8);
  MoveAt(3300, CX(6) + 1, CY(6));  // the same button: nothing new
  MoveAt(3400, 5, 680);            // off the buttons: the frame goes
  Run(3500);
  EXPECT_EQ(Loads("t26_pyo133"), 1);
  EXPECT_FALSE(WindowLayer(9).visible);
  EXPECT_EQ(ScreenButtons.HoveredButton, -1);

  MoveAt(3600, CX(6), CY(6));
  ClickAt(3700, CX(6), CY(6));
  Run(6000);
  EXPECT_EQ(Loads("VT_私のお話です"), 1);
  EXPECT_EQ(ExtrasArea.ReplayHeroine, 1);
  ExpectScene(45, 10, 5);  // the opening picture waits for a click

  // Back to the menu from the viewer, then out to the extras menu by key.
  ClickAt(6100, 460, 345);
  KeyAt(9000, tq::kKeyBack);
  Run(12000);
  ExpectScene(45, 5, 0);
  EXPECT_EQ(Loads("VP_またね"), 2);
  KeyAt(12100, tq::kKeyBack);
  Run(15000);
  EXPECT_EQ(returns, Strings{"-40 0"});
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
}

// A click on a heroine before any pointer move chooses that heroine (the pointer has
// marked nothing, so the click names the button).
TEST_F(ExtrasArea_, ReplayMenuClickBeforeAnyMoveChoosesTheClickedHeroine) {
  Boot({0, 1, 0});
  Run(3000);
  ClickAt(3100, CX(5), CY(5));
  Run(6000);
  EXPECT_EQ(Loads("VP_私のお話です"), 1);
  EXPECT_EQ(ExtrasArea.ReplayHeroine, 0);
  ExpectScene(45, 10, 5);
  EXPECT_FALSE(WindowLayer(5).visible);
  // Everything else has left the window: up, down, or down by half its height.
  EXPECT_LE(WindowLayer(1).y + WindowLayer(1).image.Height(), 0);
  EXPECT_EQ(WindowLayer(2).y, ScreenSize.ScreenHeight + 100);
  EXPECT_EQ(WindowLayer(6).y, 430 + ScreenSize.ScreenHalfHeight);
  EXPECT_LE(WindowLayer(7).y + WindowLayer(7).image.Height(), 0);
}

TEST_F(ExtrasArea_, ReplayViewerPagesVoicesAndWraps) {
  Boot({0, 1, 0});
  Run(3000);
  KeyAt(3100, tq::kKeyRight);  // heroine 1
  Run(6000);
  KeyAt(6000, tq::kKeyPad0 + 7);  // keys do nothing until the viewer is ready
  ClickAt(6100, 10, 10);
  Run(8000);
  ExpectScene(45, 10, 10);
  EXPECT_EQ(ExtrasArea.ExtrasLastPage, 32);
  EXPECT_EQ(ExtrasArea.ExtrasPage, 0);

  KeyAt(8100, tq::kKeyPad0 + 7);  // scene 7
  for (uint32_t t = 8500; t < 10000; t += 400) KeyAt(t, tq::kKeyRight);
  Run(11000);
  EXPECT_EQ(ExtrasArea.ExtrasPage, 16);
  const Strings voices = VoicesPlayed();
  ASSERT_GE(voices.size(), 6u);
  EXPECT_EQ(Strings(voices.end() - 5, voices.end()), (Strings{"4112", "4113", "4117", "4115", "4116"}));

  KeyAt(11100, 'E');  // scene 12, heroine 1's page 23
  Run(11500);
  EXPECT_EQ(ExtrasArea.ExtrasPage, 23);
  KeyAt(11600, 'G');  // scene 14
  for (uint32_t t = 12000; t < 14000; t += 400) KeyAt(t, tq::kKeyRight);
  Run(14500);
  EXPECT_EQ(ExtrasArea.ExtrasPage, 0);  // next on page 32
  KeyAt(14600, tq::kKeyLeft);
  Run(15000);
  EXPECT_EQ(ExtrasArea.ExtrasPage, 32);  // previous on page 0
  EXPECT_EQ(VoicesPlayed().back(), "4139");
}

// Each page picture stands where its number says: heroine 0's scene 1 left of centre,
// scenes 2 to 5 and heroine 1's scene 1 at the top left, scene 6 above the top. The
// pictures are narrower than half the window here, so every rule shows.
TEST_F(ExtrasArea_, ReplayPagePicturesStandWhereTheirNumbersSay) {
  Boot({0, 1, 0});
  for (int number : {51, 56, 61, 62, 67}) {
    assets::WriteFileAtomically(h_->Root() + "/" + MarbrookPicturePath(1500, number),
                                assets::EncodeBmp(tq::Surface(300, 200, 0)));
  }
  Run(1000);
  const int half = ScreenSize.ScreenHalfWidth;
  struct Case {
    const char* name;
    int heroine, page;
    int x;  // kCentred, kLeftOfCentre or a place
    int y;
  };
  constexpr int kCentred = -1000;
  constexpr int kLeftOfCentre = -2000;
  const Case cases[] = {
      {"picture 51", 0, 0, kLeftOfCentre, 0}, {"picture 61", 1, 0, 0, 0},     {"picture 62", 1, 2, 0, 0},
      {"picture 61 for scene 8", 1, 17, 0, 0}, {"picture 56", 0, 9, kCentred, -25},
      {"picture 67", 1, 12, kCentred, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExtrasArea.ReplayHeroine = c.heroine;
    C45_ReplayPages();
    ExtrasArea.ExtrasPage = c.page;
    C45_ReplayShowPage();
    const int centred = (ScreenSize.ScreenWidth - WindowLayer(0).image.Width()) / 2;
    const int x = c.x == kCentred ? centred : (c.x == kLeftOfCentre ? centred - half / 2 : c.x);
    EXPECT_EQ(WindowLayer(0).x, x);
    EXPECT_EQ(WindowLayer(0).y, c.y);
  }
}

TEST_F(ExtrasArea_, ReplayPageCaptionsAndRows) {
  Boot({0, 1, 0});
  Run(1000);
  ExtrasArea.ExtrasTextLayer = 15;
  struct Case {
    int heroine, page;
    const char* caption;
    int style;
  } cases[] = {
      {0, 0, "シーン１（１／２）", 0}, {0, 19, "シーン10（１／１）", 0}, {1, 19, "シーン10（１／２）", 0},
      {1, 20, "シーン10（２／２）", 0}, {1, 12, "シーン７（１／５）", 1}, {0, 32, "シーン14（５／５）", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    ExtrasArea.ReplayHeroine = c.heroine;
    C45_ReplayPages();
    ExtrasArea.ExtrasPage = c.page;
    SetPrintRecording(true);
    C45_ReplayShowPage();
    std::string caption;
    for (const PrintRecord& p : RecordedPrints()) {
      if (p.Layer == 16 && p.Color == RgbColor(255, 255, 255)) caption = p.Text;
    }
    EXPECT_EQ(caption, c.caption);
    EXPECT_EQ(WindowLayer(15).image.Width(), c.style == 0 ? 420 : 740);
    EXPECT_EQ(WindowLayer(16).x, c.style == 0 ? 460 : 10);
  }

  // A line fills rows of 17 (style 0) or 34 (style 1) characters; each line starts a row.
  auto faceRows = [] {
    std::vector<std::pair<int, int>> rows;  // (y, characters)
    for (const PrintRecord& p : RecordedPrints()) {
      if (p.Layer == 15 && p.Color == RgbColor(255, 255, 255)) rows.push_back({p.Y, tq::CodePointCount(p.Text)});
    }
    return rows;
  };
  const std::string s17 = "あいうえおかきくけこさしすせそたち";
  const std::string s18 = s17 + "つ";
  const std::string s34 = s17 + s17;
  using Rows = std::vector<std::pair<int, int>>;
  struct RowCase {
    const char* style;
    std::string text;
    Rows rows;
  } rowCases[] = {
      {"0", s17, {{15, 17}}},
      {"0", s18, {{15, 17}, {46, 1}}},
      {"0", s17 + "：" + s18, {{15, 17}, {46, 17}, {77, 1}}},
      {"0", s34 + "：：あ", {{15, 17}, {46, 17}, {77, 1}}},  // an empty line takes no row
      {"1", s34, {{12, 34}}},
      {"1", s34 + "つ", {{12, 34}, {38, 1}}},
  };
  for (const RowCase& c : rowCases) {
    SCOPED_TRACE(c.text);
    SetPrintRecording(true);
    C45_ReplayText(c.style, c.text);
    EXPECT_EQ(faceRows(), c.rows);
  }
  SetPrintRecording(false);
}

// Every page of both heroines has its text, and the texts keep to their boxes: 1 to 8
// lines, and no more rows than the box holds.
TEST(ExtrasTexts, EveryPageHasAFittingTextAndEveryCaptionFits) {
  int pages = 0;
  for (int h = 0; h <= 1; ++h) {
    for (int scene = 1; scene <= 14; ++scene) {
      for (int k = 1; k <= ReplayScenePages(h, scene); ++k) {
        const int code = 200 * h + 10 * scene + k;
        SCOPED_TRACE(code);
        ++pages;
        const ReplayTextRow* row = FindReplayText(code);
        ASSERT_NE(row, nullptr);
        const bool strip = scene == 6 || scene == 7 || scene == 13 || scene == 14;
        const int chars = strip ? 34 : 17;
        std::vector<std::string> lines;
        int count = 0;
        SplitFields(row->text, "：", 29, lines, count);
        EXPECT_GE(count, 1);
        EXPECT_LE(count, 8);
        int rows = 0;
        int length = 0;
        for (int i = 1; i <= count; ++i) {
          rows += static_cast<int>(SplitRows(lines[static_cast<size_t>(i)], chars).size());
          length += tq::CodePointCount(lines[static_cast<size_t>(i)]);
        }
        EXPECT_LE(rows, strip ? 4 : 16);
        EXPECT_GE(length, 52);
        EXPECT_LE(length, 247);
      }
    }
  }
  EXPECT_EQ(pages, 66);
  EXPECT_EQ(ReplayTexts().size(), 66u);
  ASSERT_EQ(BonusCaptions().size(), 14u);
  for (size_t n = 0; n < BonusCaptions().size(); ++n) {
    SCOPED_TRACE(n);
    std::vector<std::string> lines;
    int count = 0;
    SplitFields(BonusCaptions()[n], "：", 29, lines, count);
    const int expected = n == 0 ? 3 : (n == 13 ? 4 : 0);
    if (expected != 0) {
      EXPECT_EQ(count, expected);
      EXPECT_EQ(lines[2], "　");
    } else {
      EXPECT_GE(count, 1);
      EXPECT_LE(count, 2);
    }
    for (int i = 1; i <= count; ++i) {
      const int length = tq::CodePointCount(lines[static_cast<size_t>(i)]);
      EXPECT_LE(length, 26);
      if (expected == 0) {
        EXPECT_GE(length, 8);
      }
    }
  }
}

// No row of a replay page, as the viewer wraps it, starts with a mark that belongs at
// the end of the row before it: a stop, a comma, a bang, a query, a long-vowel bar or
// a small kana.
TEST(ExtrasTexts, NoReplayRowStartsWithAMarkThatEndsTheRowBefore) {
  const std::u32string marks = U"。、，．！？ーぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿ";
  for (const ReplayTextRow& row : ReplayTexts()) {
    SCOPED_TRACE(row.code);
    const int scene = (row.code % 200) / 10;
    const bool strip = scene == 6 || scene == 7 || scene == 13 || scene == 14;
    std::vector<std::string> lines;
    int count = 0;
    SplitFields(row.text, "：", 29, lines, count);
    for (int i = 1; i <= count; ++i) {
      for (const std::string& part : SplitRows(lines[static_cast<size_t>(i)], strip ? 34 : 17)) {
        size_t pos = 0;
        EXPECT_TRUE(marks.find(tq::NextCodePoint(part, pos)) == std::u32string::npos) << part;
      }
    }
  }
}

// ---- Bonus pictures ----

TEST_F(ExtrasArea_, BonusPicturesStepAroundSilentlyAndHighlightTheButtonUnderThePointer) {
  Boot({100, 0, 0});
  Run(1000);
  ExpectScene(45, 100, 10);
  EXPECT_EQ(SceneCursor.ButtonMode, 100);
  EXPECT_EQ(WindowLayer(0).x, 265);
  auto captionFirstRow = [] {
    for (const PrintRecord& p : RecordedPrints()) {
      if (p.Layer == 10) return p.Text;
    }
    return std::string();
  };
  SetPrintRecording(true);
  ClickAt(1100, CX(6), CY(6));  // previous on picture 0, before any move
  Run(1500);
  EXPECT_EQ(ExtrasArea.ExtrasPage, 13);
  EXPECT_EQ(captionFirstRow(), "ＣＧＮｏ.１３");
  KeyAt(1600, tq::kKeyRight);
  Run(2000);
  EXPECT_EQ(ExtrasArea.ExtrasPage, 0);
  ClickAt(2100, 30, 680);  // the window, off the buttons
  Run(2500);
  EXPECT_EQ(ExtrasArea.ExtrasPage, 0);

  const tq::Surface& button = WindowLayer(7).image;
  const uint32_t white = tq::PixelFromColor(RgbColor(255, 255, 255));
  MoveAt(2600, CX(7), CY(7));
  Run(2700);
  EXPECT_EQ(ScreenButtons.HoveredButton, 2);
  EXPECT_EQ(button.Get(3, 3), white);
  MoveAt(2800, 30, 680);
  Run(2900);
  EXPECT_EQ(ScreenButtons.HoveredButton, -1);
  EXPECT_NE(WindowLayer(7).image.Get(3, 3), white);
  EXPECT_TRUE(h_->TraceOf("STReadFile").empty());  // no sound on a click or a hover

  KeyAt(3000, tq::kKeyBack);
  Run(4000);
  EXPECT_EQ(returns, Strings{"-40 0"});
  SetPrintRecording(false);
}

// ---- Picture gallery ----

TEST_F(ExtrasArea_, GalleryCrossesNodesAndEveryButtonSounds) {
  Boot({200, 0, 12});
  Run(3000);
  ExpectScene(45, 200, 10);
  EXPECT_EQ(WindowLayer(0).y, 10);
  EXPECT_EQ(WindowLayer(9).x, 10);
  EXPECT_EQ(WindowLayer(5).y, ScreenSize.ScreenHeight - 55);
  struct Press {
    int key;
    int node, sub;
  } presses[] = {
      {tq::kKeyRight, 12, 1}, {tq::kKeyRight, 12, 2}, {tq::kKeyRight, 20, 0},  // next picture past node 12 slides to node 20
      {tq::kKeyLeft, 12, 0},  // back from node 20 lands on node 12's first
      {tq::kKeyUp, 11, 0}, {tq::kKeyDown, 12, 0}, {tq::kKeyDown, 20, 0},  // previous node, next node
  };
  uint32_t t = 3100;
  int presses_done = 0;
  for (const Press& p : presses) {
    SCOPED_TRACE(std::to_string(p.key) + " to node " + std::to_string(p.node));
    KeyAt(t, p.key);
    t += 1000;
    Run(t);
    ++presses_done;
    EXPECT_EQ(ExtrasArea.GalleryNode, p.node);
    EXPECT_EQ(ExtrasArea.GallerySub, p.sub);
    EXPECT_EQ(WindowLayer(0).y, 10);
    EXPECT_EQ(Loads("t36_Teki_Pi"), presses_done);
  }
  // A click before any move acts on the button clicked.
  ClickAt(t, CX(8), CY(8));  // previous node
  Run(t + 1000);
  EXPECT_EQ(ExtrasArea.GalleryNode, 12);
  EXPECT_EQ(Loads("t36_Teki_Pi"), presses_done + 1);
  KeyAt(t + 1000, tq::kKeyBack);
  Run(t + 3000);
  EXPECT_EQ(Loads("t36_Teki_Pi"), presses_done + 2);
  EXPECT_EQ(returns, Strings{"35 -1"});
}

TEST_F(ExtrasArea_, GalleryWrapsAtBothEnds) {
  struct Case {
    int start, key, node;
  } cases[] = {{0, tq::kKeyLeft, 52},  {0, tq::kKeyUp, 52},    {52, tq::kKeyDown, 0},  {52, tq::kKeyRight, 0},
               {41, tq::kKeyDown, 42}, {50, tq::kKeyUp, 42}, {99, tq::kKeyRight, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + " key " + std::to_string(c.key));
    Boot({200, 0, c.start});
    Run(3000);
    KeyAt(3100, c.key);
    Run(4500);
    EXPECT_EQ(ExtrasArea.GalleryNode, c.node);
    MarbrookScreen(99) = saved_;
  }
}

TEST_F(ExtrasArea_, GalleryEntryFromTheReplayEntryState) {
  Boot({0, 0, 3});
  Run(3000);
  ExpectScene(45, 200, 10);
  EXPECT_EQ(ExtrasArea.GalleryNode, 3);
}

// ---- Robustness ----

// Random input over all three viewers: the stand-in menu opens them in turn, and
// every viewer must come back to it and take input again.
TEST_F(ExtrasArea_, RandomInputNeitherCrashesNorHangs) {
  Boot({0, 1, 0});
  rotate = true;
  turns = 0;
  std::mt19937 random(7);
  const int keys[] = {tq::kKeyBack, tq::kKeyEnter, tq::kKeySpace, tq::kKeyLeft, tq::kKeyUp, tq::kKeyRight, tq::kKeyDown,
                      tq::kKeyA, 'C', 'G', tq::kKeyPad0 + 1, tq::kKeyPad0 + 4, tq::kKeyPad0 + 7};
  uint32_t t = 500;
  for (int i = 0; i < 6000; ++i, t += 20 + random() % 180) {
    const int what = static_cast<int>(random() % 10);
    if (what < 3) {
      KeyAt(t, keys[random() % std::size(keys)]);
    } else {
      // Half the pointer input aims at the buttons' corner strips.
      const int x = static_cast<int>(random() % 920);
      const int y = what % 2 == 0 ? static_cast<int>(random() % 690) : 630 + static_cast<int>(random() % 60);
      if (what < 6) MoveAt(t, x, y);
      else ClickAt(t, x, y);
    }
  }
  Run(t + 5000);
  rotate = false;
  EXPECT_GT(turns, 3);  // every viewer was left back to the menu at least once
  EXPECT_EQ(FrameClock.FrameLoopRunning, 0);
}

TEST(TimedEffectsLeave, LeavingTheExtras) {
  EngineHarness h(kModeMarbrook);
  h.Start();
  C40_LeaveToMenu(1);
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
  EXPECT_EQ(SceneCursor.SceneState, -40);
  EXPECT_EQ(SceneCursor.SceneStep, 0);
  C40_LeaveToMenu(5);
  EXPECT_EQ(SceneCursor.SceneState, 35);
  EXPECT_EQ(SceneCursor.SceneStep, -1);
  C40_LeaveToMenu(2);
  EXPECT_EQ(SceneCursor.SceneState, 35);
  EXPECT_EQ(h.TraceOf("timer").size(), 3u) << "start-up's, then one each";
}

}  // namespace
