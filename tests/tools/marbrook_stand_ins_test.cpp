// The Marbrook stand-ins with the games running over them: the largest number each
// panel is given stays inside the panel's frame and clear of its caption, the panels
// stand inside the window where the games put them, and the grids, boards and buttons
// say what they open and do.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "engine/frame_model.h"
#include "engine/modes.h"
#include "marbrook/minigames/casino.h"
#include "marbrook/minigames/last_boss_duel.h"
#include "platform/compositor.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/stand_in_pictures.h"
#include "support/stand_in_texts.h"
#include "support/stand_ins.h"
#include "support/test_folders.h"

namespace {

using assets::TextRecord;
using tq::testing::DrawnStandIn;

std::string StandInRoot() {
  static const std::string root = [] {
    const std::string dir = tq::testing::TestFolder("marbrook_stand_ins").string();
    tq::testing::WriteStandIns(dir, {"Tanselr_Data/TanselrCG/G06/", "Tanselr_Data/TanselrCG/Title/Sys_5"});
    return dir;
  }();
  return root;
}

const DrawnStandIn& Picture(const std::string& path) {
  static const std::vector<assets::AssetFile> files = assets::ExpandAssets();
  static std::map<std::string, DrawnStandIn> drawn;
  if (const auto it = drawn.find(path); it != drawn.end()) return it->second;
  for (const assets::AssetFile& f : files) {
    if (f.path == path) return drawn.emplace(path, tq::testing::DrawStandIn(f)).first->second;
  }
  ADD_FAILURE() << "no stand-in " << path;
  static const DrawnStandIn none;
  return none;
}

std::string AllText(const DrawnStandIn& d) {
  std::string out;
  for (const TextRecord& t : d.texts) out += t.text + "\n";
  return out;
}

class MarbrookOverStandIns : public ::testing::Test {
 protected:
  MarbrookOverStandIns() : h(kModeMarbrook, StandInRoot()) {
    ::testing::internal::CaptureStderr();  // the sounds are missing here
    h.Start();
  }
  ~MarbrookOverStandIns() override { ::testing::internal::GetCapturedStderr(); }

  // The number the game printed on a layer that shows the stand-in `path`: `margin`
  // px inside the panel's edges and clear of every word of the picture.
  static void ExpectReadable(int layer, const std::string& path, int margin = 4, bool named = true) {
    const tq::Surface& image = tq::ThePlatform().Screen().Layer(layer).image;
    tq::Surface picture;
    ASSERT_TRUE(tq::LoadPictureFile(StandInRoot() + "/" + path, picture));
    ASSERT_EQ(image.Width(), picture.Width());
    ASSERT_EQ(image.Height(), picture.Height());
    const tq::PixelRect ink = tq::testing::PrintedInk(image, picture, 0, 0);
    ASSERT_GT(ink.w, 0) << "the game printed its number";
    EXPECT_TRUE(tq::testing::RectInside(
        ink, {margin, margin, picture.Width() - 2 * margin, picture.Height() - 2 * margin}))
        << "runs past the panel's frame: " << ink.x << "," << ink.y << " " << ink.w << "x" << ink.h;
    const DrawnStandIn& d = Picture(path);
    EXPECT_EQ(!d.texts.empty(), named) << "the panel names its number";
    for (const TextRecord& t : d.texts) {
      EXPECT_FALSE(tq::testing::RectsOverlap(t.drawn, ink)) << t.text << " lies under the number";
    }
  }

  tq::testing::EngineHarness h;
};

std::string CasinoPanel(int n) { return "Tanselr_Data/TanselrCG/G06/Ca_Panel0" + std::to_string(n) + ".JPG"; }

// The largest values: credits just short of the goal plus the largest story win (a
// 1,000 bet at 1,255 times), the most the bet may reach, a hand of three face cards,
// that multiplier and that win; and the largest credits still printed at full size.
TEST_F(MarbrookOverStandIns, TheCasinoPanelsHoldTheirLargestNumbersClearOfTheirCaptions) {
  CasinoState.PanelFirstBox = 5;
  struct Case {
    const char* name;
    int kind, panel;
    void (*set)();
  } cases[] = {
      {"credits 1,354,999", 0, 0, [] { CasinoState.CasinoCredits = 99999.0f + 1255000.0f, CasinoState.CasinoBet = 0; }},
      {"credits 999,999", 0, 0, [] { CasinoState.CasinoCredits = 999999.0f, CasinoState.CasinoBet = 0; }},
      {"bet 1,000", 1, 1, [] { CasinoState.CasinoBet = 1000.0f; }},
      {"hand 30", 2, 2,
       [] {
         CardHand.CardDeck[0] = 12, CardHand.CardDeck[1] = 11, CardHand.CardDeck[2] = 10;
         CardHand.DealtLast = 2;
       }},
      {"multiplier 1255x", 5, 3, [] { CasinoState.CasinoMultiplier = 1255.0f; }},
      {"win 1,255,000", 6, 4, [] { CasinoState.CasinoWin = 1255000.0f; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.set();
    G04_NumberPanel(c.kind, 0);
    ExpectReadable(5 + c.panel, CasinoPanel(c.panel));
  }
  EXPECT_EQ(CardHand.HandTotal, 30);
  // The slot machine's row win, up to 999 for three Bs.
  SlotMachine.RowWin = {999, 0, 0};
  G04_LineWin(0);
  ExpectReadable(6, "Tanselr_Data/TanselrCG/G06/SL_Panel00.JPG");
}

// Where the games put the panels: the card game's result line ends the bet panel 10
// px left of x 430, the multiplier 10 px left of x 650 and starts the win at x 650;
// the credits stand at x 0 left of the first bet button (x 223); the slot machine's
// row wins slide to x 712, one a row 120 px apart.
TEST(MarbrookStandIns, TheCasinoPanelsStandInsideTheWindowSideBySide) {
  auto width = [](const std::string& path) { return Picture(path).picture.Width(); };
  const int bet = width(CasinoPanel(1)), multiplier = width(CasinoPanel(3)), win = width(CasinoPanel(4));
  EXPECT_GE(tq::kWindowWidth - 500 - bet, 0);
  EXPECT_LE(tq::kWindowWidth - 500, tq::kWindowWidth - 280 - multiplier) << "the bet and multiplier panels overlap";
  EXPECT_LE(tq::kWindowWidth - 270 + win, tq::kWindowWidth) << "the win panel runs past the window";
  EXPECT_LE(width(CasinoPanel(0)), 223) << "the credits run under the first bet button";
  const DrawnStandIn& row = Picture("Tanselr_Data/TanselrCG/G06/SL_Panel00.JPG");
  EXPECT_LE(712 + row.picture.Width(), tq::kWindowWidth);
  EXPECT_LE(row.picture.Height(), 120);
}

// The duel's hit points (at most 100) in their fixed panels: 120 by 60 at size 36 and
// 200 by 100 at size 70, centred. 100 fills them from side to side, so they carry no
// caption for the number to cover.
TEST_F(MarbrookOverStandIns, TheDuelHitPointsLeaveTheirCaptionsClear) {
  DuelState.HpPanelFirstBox = 8;
  for (int side = 0; side <= 1; ++side) {
    for (int hp : {100, 88, 7}) {
      SCOPED_TRACE("side " + std::to_string(side) + ", " + std::to_string(hp));
      DuelState.DuelHp[static_cast<size_t>(side)] = hp;
      G00_HpPanel(side, 0);
      // The boss's 100 (204 px bold in its 200 px panel) takes the panel's full width.
      ExpectReadable(8 + side, "Tanselr_Data/TanselrCG/Title/Sys_5" + std::to_string(side) + ".JPG",
                     side == 1 && hp == 100 ? 0 : 4, false);
    }
  }
}

// The casino's rules boards teach the game and its payouts as the games pay them.
TEST(MarbrookStandIns, TheCasinoRulesBoardsGiveThePayouts) {
  const std::string free = AllText(Picture("Tanselr_Data/TanselrCG/G06/Ca_GameRule00.JPG"));
  const std::string story = AllText(Picture("Tanselr_Data/TanselrCG/G06/Ca_GameRule01.JPG"));
  const std::string slot = AllText(Picture("Tanselr_Data/TanselrCG/G06/Ca_GameRule02.JPG"));
  for (const char* words : {"２１ … ５ばい", "２０ … １ばい", "２１いか … １０ばい", "５まい … ２４ばい", "５まい … ３０ばい",
                            "４まい … ５０ばい", "「ひく」", "「パス」"}) {
    EXPECT_NE(free.find(words), std::string::npos) << words;
  }
  for (const char* words : {"２１ … １０ばい", "２２いじょう … ８ばい", "４まい … ５０ばい", "♥が ある … ３０ばい",
                            "ボーナス … １００ばい", "スペシャル … １０００ばい"}) {
    EXPECT_NE(story.find(words), std::string::npos) << words;
  }
  // The reel symbols in the order the reel sheet holds them, and what three of each pay.
  const std::vector<std::string> symbols =
      assets::CodePoints(Picture("Tanselr_Data/TanselrCG/G06/SL_Reel.JPG").file->row->shows);
  const char* pays[] = {"４００", "５００", "３００", "２００", "１００", "９９９", "７７７"};
  for (size_t s = 0; s < 7; ++s) {
    const std::string three = symbols[s] + symbols[s] + symbols[s] + " … " + pays[s];
    EXPECT_NE(slot.find(three), std::string::npos) << three;
  }
  for (const char* words : {"♣が ２つ … ２０", "●が ２つ … １０", "●が １つ … １", "４ポイント"}) {
    EXPECT_NE(slot.find(words), std::string::npos) << words;
  }
}

// Buttons say what they do: stage 6's two picks, and the card game's cell that is
// both the new deal and the stand says neither "stop here" nor "deal".
TEST(MarbrookStandIns, ChoiceButtonsNameTheirChoices) {
  const std::vector<std::string> sheet =
      assets::SplitCaptions(Picture("Tanselr_Data/TanselrCG/Title/Sys_30.JPG").file->row->shows);
  ASSERT_EQ(sheet.size(), 10u);
  EXPECT_EQ(sheet[4], "強がる");  // row 2, the cells stage 6 shows
  EXPECT_EQ(sheet[5], "素直になる");
  EXPECT_EQ(sheet[0], "はい");  // the finale's two questions are answered yes or no
  EXPECT_EQ(sheet[1], "いいえ");
  const std::vector<std::string> buttons =
      assets::SplitCaptions(Picture("Tanselr_Data/TanselrCG/G06/Ca_BET_Button.JPG").file->row->shows);
  ASSERT_EQ(buttons.size(), 7u);
  EXPECT_EQ(buttons[4], "パス");
}

// The mini-games call things what the story and their buttons call them: the
// rock-paper-scissors opponents are the story's Mina, Rico and Sora (the clash and
// the last victory show the call, no one's face), the card game's prompt offers the
// two buttons by their words, and the memory game's cards, which hold letters and
// marks, are not called pictures.
TEST(MarbrookStandIns, TheMiniGamesNameWhatTheStoryAndButtonsDo) {
  const std::string rps = "Tanselr_Data/TanselrCG/G01/";
  const struct {
    const char* name;
    std::vector<int> pictures;  // kind 1105
  } opponents[] = {{"ミナ", {1, 2, 3, 4}}, {"リコ", {21, 22, 23, 24, 26}}, {"ソラ", {41, 42, 43, 44, 46, 50, 53}}};
  for (size_t o = 0; o < 3; ++o) {
    SCOPED_TRACE(opponents[o].name);
    const std::string title = Picture(rps + "G1_Title" + std::to_string(o + 1) + ".JPG").file->row->shows;
    EXPECT_NE(title.find(opponents[o].name), std::string::npos) << title;
    for (int n : opponents[o].pictures) {
      const char* digits[] = {"0", ""};
      const std::string path = rps + "G1_Mes" + digits[n >= 10 ? 1 : 0] + std::to_string(n) + ".JPG";
      EXPECT_EQ(std::string(Picture(path).file->row->shows), opponents[o].name) << path;
    }
  }
  for (const char* call : {"G1_Mes05.JPG", "G1_Mes06.JPG"}) {
    EXPECT_EQ(Picture(rps + call).file->row->look, assets::Look::Burst) << call;
  }

  const std::vector<std::string> buttons =
      assets::SplitCaptions(Picture("Tanselr_Data/TanselrCG/G06/Ca_BET_Button.JPG").file->row->shows);
  const std::vector<std::string> prompts =
      assets::SplitCaptions(Picture("Tanselr_Data/TanselrCG/G06/Ca_Kanban00.JPG").file->row->shows);
  ASSERT_EQ(prompts.size(), 2u);
  for (size_t cell : {6u, 4u}) {  // draw, stand
    EXPECT_NE(prompts[1].find("「" + buttons[cell] + "」"), std::string::npos) << prompts[1];
  }

  const std::string banner = Picture("Tanselr_Data/TanselrCG/G05/BO_Kanban01.JPG").file->row->shows;
  EXPECT_EQ(banner.find("絵"), std::string::npos) << banner;
}

// A character's conversation faces share one size, so her face and name stay put in
// their slot as her face changes; only the small faces of the event pictures differ.
TEST(MarbrookStandIns, EveryCharactersConversationFacesShareOneSize) {
  std::map<std::string, std::pair<int, int>> sizes;
  for (const assets::AssetFile& f : assets::ExpandAssets()) {
    const bool story = f.path.find("/O_face/") != std::string::npos || f.path.find("/G_face/") != std::string::npos;
    if (!story || f.row->look != assets::Look::Face || f.row->width <= 200) continue;
    const auto [it, first] = sizes.emplace(f.row->shows, std::make_pair(f.row->width, f.row->height));
    EXPECT_EQ(it->second, std::make_pair(f.row->width, f.row->height)) << f.path << " against " << it->first;
  }
  EXPECT_GE(sizes.size(), 6u);
}

// The grids show a picture and a name in each cell they copy: 22 chapters, 33
// gallery entries, 32 scenes, each a picture of the table.
TEST(MarbrookStandIns, EveryGridCellShowsAPictureAndAName) {
  const struct {
    const char* path;
    size_t cells;
  } grids[] = {{"Tanselr_Data/TanselrCG/Title/T00_70.JPG", 22},
               {"Tanselr_Data/TanselrCG/Title/T00_71.JPG", 33},
               {"Tanselr_Data/TanselrCG/Title/T00_72.JPG", 32}};
  for (const auto& g : grids) {
    SCOPED_TRACE(g.path);
    const DrawnStandIn& d = Picture(g.path);
    const std::vector<std::string> cells = assets::SplitCaptions(d.file->row->shows);
    ASSERT_EQ(cells.size(), g.cells);
    for (const std::string& cell : cells) {
      const size_t colon = cell.find(':');
      ASSERT_NE(colon, std::string::npos) << cell;
      EXPECT_GT(cell.size(), colon + 1) << "a name";
      EXPECT_NE(tq::testing::StandInFile(cell.substr(0, colon)), nullptr) << cell;
    }
  }
}

}  // namespace
