// The Vadrim game's stand-ins and the adventures' places, held to what a player reads
// from them: every text inside its box and its picture and more than a name and a
// number, places drawn as places (rooms inside, lands outside, no two alike), and,
// with the game running over them, the numbers it prints leaving their words clear,
// the notices and buttons saying what each board and attack does, and the stage
// gallery's thumbnails reading in story order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/picture_kit.h"
#include "assets/place_pictures.h"
#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/modes.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/stand_in_texts.h"
#include "support/stand_ins.h"
#include "support/test_folders.h"
#include "vadrim/board/layouts.h"
#include "vadrim/board/model.h"
#include "vadrim/board/progress.h"
#include "vadrim/board/screen.h"
#include "vadrim/board_screen_fixture.h"
#include "vadrim/vadrim_mode.h"

namespace {

using assets::AssetFile;
using assets::TextRecord;

const std::vector<AssetFile>& Files() {
  static const std::vector<AssetFile> files = assets::ExpandAssets();
  return files;
}

// The Vadrim pictures and the places of the Marbrook adventures.
bool Ours(const AssetFile& f) {
  return assets::IsPicture(f.row->look) && (f.path.rfind("Kespa_Data/", 0) == 0 || f.row->look == assets::Look::Place);
}

using Drawn = tq::testing::DrawnStandIn;
using tq::testing::NameAndNumber;

Drawn Draw(const AssetFile& f) { return tq::testing::DrawStandIn(f); }

// Each of our pictures drawn once, with the texts its drawing fitted.
const std::vector<Drawn>& OurPictures() {
  static const std::vector<Drawn> drawn = [] {
    std::vector<Drawn> out;
    for (const AssetFile& f : Files()) {
      if (Ours(f)) out.push_back(Draw(f));
    }
    return out;
  }();
  return drawn;
}

// One of our pictures, drawn on its own.
const Drawn& Picture(const std::string& path) {
  static std::map<std::string, Drawn> drawn;
  if (const auto it = drawn.find(path); it != drawn.end()) return it->second;
  for (const AssetFile& f : Files()) {
    if (f.path == path) return drawn.emplace(path, Draw(f)).first->second;
  }
  ADD_FAILURE() << "no stand-in " << path;
  static const Drawn none{nullptr, {}, {}};
  return none;
}

std::string AllText(const Drawn& d) {
  std::string out;
  for (const TextRecord& t : d.texts) out += t.text + "\n";
  return out;
}

bool Inside(const tq::PixelRect& inner, const tq::PixelRect& outer) { return tq::testing::RectInside(inner, outer); }
bool Overlap(const tq::PixelRect& a, const tq::PixelRect& b) { return tq::testing::RectsOverlap(a, b); }

TEST(VadrimStandIns, EveryTextFitsItsBoxAndPictureAtAReadableSize) {
  int texts = 0;
  for (const Drawn& d : OurPictures()) {
    for (const TextRecord& t : d.texts) {
      SCOPED_TRACE(d.file->path + ": " + t.text);
      ++texts;
      EXPECT_TRUE(Inside(t.drawn, {0, 0, t.pictureWidth, t.pictureHeight})) << "runs past its picture";
      EXPECT_TRUE(Inside(t.drawn, t.box)) << "runs past its box";
      EXPECT_GE(t.pointSize, 7);
    }
  }
  EXPECT_GT(texts, 500);
}

TEST(VadrimStandIns, NoTextIsANameWithAFileNumberOrARawBoardSymbol) {
  const std::set<std::string> raw = {"T1", "T2", "T3", "L1", "L2", "ﾍ0", "ﾍ1", "ﾍ2"};
  for (const Drawn& d : OurPictures()) {
    for (const TextRecord& t : d.texts) {
      SCOPED_TRACE(d.file->path + ": " + t.text);
      EXPECT_FALSE(NameAndNumber(t.text));
      EXPECT_EQ(raw.count(t.text), 0u);
      for (const std::string& p : assets::CodePoints(t.text)) {
        EXPECT_FALSE(p >= "\xEF\xBD\xA1" && p <= "\xEF\xBE\x9F" && p.size() == 3) << "half-width katakana";
      }
    }
  }
  // The drawings that add a file's number to its caption are not ours to use
  // where a row names several files.
  for (const assets::AssetRow& row : assets::AssetTable()) {
    if (std::strncmp(row.path, "Kespa_Data/", 11) != 0) continue;
    SCOPED_TRACE(row.path);
    EXPECT_FALSE(row.look == assets::Look::Scene && *row.numbers != '\0');
    EXPECT_FALSE(row.look == assets::Look::Panel && std::strpbrk(row.numbers, ",-") != nullptr);
  }
}

// ---- Places ----

std::vector<std::string> Words(const std::string& recipe) {
  std::vector<std::string> out;
  for (const std::string& w : assets::SplitCaptions(recipe, ' ')) {
    if (!w.empty()) out.push_back(w);
  }
  return out;
}

// The recipe of each cell of a place row.
std::vector<std::string> Recipes(const AssetFile& f) {
  std::vector<std::string> out;
  for (const std::string& cell : assets::SplitCaptions(f.row->shows)) out.push_back(cell.substr(0, cell.find(':')));
  return out;
}

TEST(PlaceStandIns, RecipesUseKnownWordsRoomsAreInsideAndNoTwoPlacesLookAlike) {
  for (const AssetFile& f : Files()) {
    if (f.row->look != assets::Look::Place) continue;
    for (const std::string& recipe : Recipes(f)) {
      SCOPED_TRACE(f.path + ": " + recipe);
      const std::vector<std::string> words = Words(recipe);
      ASSERT_FALSE(words.empty());
      EXPECT_TRUE(assets::IsPlaceSetting(words[0]));
      for (size_t i = 1; i < words.size(); ++i) EXPECT_TRUE(assets::IsPlaceThing(words[i])) << words[i];
    }
  }
  // The room adventure's pictures: the cell, its passage, the house, the tower, the
  // temple's machines, the ship and the cave are inside; every other place outside.
  const std::set<int> inside = {0, 1, 2, 3, 9, 10, 11, 16, 17, 26, 53, 54, 90, 93};
  const std::set<std::string> insideSettings = {"cell", "hall", "room", "temple", "lab", "cave", "dark"};
  std::map<std::string, std::string> seen;  // pixels of every place picture, by name
  int rooms = 0;
  for (const Drawn& d : OurPictures()) {
    if (d.file->row->look != assets::Look::Place) continue;
    const bool room = d.file->path.find("/G08/ADV2_CG_") != std::string::npos;
    if (room) {
      ++rooms;
      SCOPED_TRACE(d.file->path);
      EXPECT_EQ(insideSettings.count(Words(Recipes(*d.file)[0])[0]) != 0, inside.count(d.file->number) != 0);
    }
    // Every cell of every place picture differs from every other.
    const std::vector<std::string> recipes = Recipes(*d.file);
    for (size_t i = 0; i < recipes.size(); ++i) {
      const tq::PixelRect r = assets::SheetCell(d.picture.Width(), d.picture.Height(), d.file->row->cellWidth,
                                                d.file->row->cellHeight, static_cast<int>(i));
      if (recipes.size() > 1 && d.file->row->cellWidth == 0) continue;  // cells placed by hand
      std::string pixels;
      for (int y = r.y; y < r.y + r.h; ++y) {
        const uint32_t* row = d.picture.Row(y) + r.x;
        pixels.append(reinterpret_cast<const char*>(row), static_cast<size_t>(r.w) * 4);
      }
      const std::string name = d.file->path + "#" + std::to_string(i);
      for (const auto& [other, otherPixels] : seen) EXPECT_NE(pixels, otherPixels) << name << " looks like " << other;
      seen[name] = std::move(pixels);
    }
  }
  EXPECT_EQ(rooms, 62);
}

// ---- With the game running over the stand-ins ----

// A program folder with the board's and the stage gallery's stand-ins as drawn.
std::string StandInRoot() {
  static const std::string root = [] {
    const std::string dir = tq::testing::TestFolder("vadrim_stand_ins").string();
    tq::testing::WriteStandIns(dir, {"Kespa_Data/KespaCG/Game/", "Kespa_Data/KespaCG/CGSelect"});
    return dir;
  }();
  return root;
}

tq::Surface Load(const std::string& path) {
  tq::Surface s;
  tq::LoadPictureFile(StandInRoot() + "/" + path, s);
  return s;
}

class VadrimOverStandIns : public ::testing::Test {
 protected:
  VadrimOverStandIns() : h(kModeVadrim, StandInRoot()) {
    ::testing::internal::CaptureStderr();  // the sounds are missing here
    h.Start();
  }
  ~VadrimOverStandIns() override { ::testing::internal::GetCapturedStderr(); }
  static const tq::Surface& Layer(int layer) { return tq::ThePlatform().Screen().Layer(layer).image; }
  tq::testing::EngineHarness h;
};

using tq::testing::PrintedInk;

TEST_F(VadrimOverStandIns, TheNumbersTheBoardPrintsLeaveTheWordsOfTheirPicturesClear) {
  board_test::ReadyBoard(11);
  // Each prints a number as the board does and returns the layer it printed on.
  auto banner = [](int kind, int change) {
    return std::function<int()>([=] {
      BoardChoice.LuckChange = change;
      D50_EffectBanner(kind);
      return BoardLayers.BannerLayer;
    });
  };
  auto badge = [](int kind, int& counter, int row) {
    return std::function<int()>([=, &counter] {
      counter = 2;
      D50_CounterBadge(0, kind);
      return BoardLayers.BadgeLayer + row;
    });
  };
  auto picks = std::function<int()>([] {
    TurnFlow.PicksLeft = 4;
    D50_CountBadge();
    return BoardLayers.BannerLayer + 2;
  });
  struct Case {
    const char* name;
    const char* path;
    int sy;  // the row of the picture the layer shows
    std::function<int()> print;
  } cases[] = {
      // The largest amounts the boards give: 吉 and 幸 up to 22, 狂 on board 11 up to 45.
      {"吉 22", "Kespa_Data/KespaCG/Game/EventKan01.jpg", 0, banner(10, 22)},
      {"吉 1", "Kespa_Data/KespaCG/Game/EventKan01.jpg", 0, banner(10, 1)},
      {"狂 45", "Kespa_Data/KespaCG/Game/EventKan02.jpg", 0, banner(20, -45)},
      {"タ 6", "Kespa_Data/KespaCG/Game/EventKan11.jpg", 0, banner(110, 6)},
      {"攻 3", "Kespa_Data/KespaCG/Game/EventKan12.jpg", 0, banner(120, 3)},
      {"picks 4", "Kespa_Data/KespaCG/Game/ItemKan01.jpg", 0, picks},
      {"止 2", "Kespa_Data/KespaCG/Game/EventMini00.jpg", 0, badge(80, PieceCounters.StopTurns, 0)},
      {"封 2", "Kespa_Data/KespaCG/Game/EventMini00.jpg", 80, badge(100, PieceCounters.SealTurns, 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int layer = c.print();
    const tq::PixelRect ink = PrintedInk(Layer(layer), Load(c.path), 0, c.sy);
    ASSERT_GT(ink.w, 0) << "the game printed its number";
    const Drawn& d = Picture(c.path);
    ASSERT_FALSE(d.texts.empty());
    for (const TextRecord& t : d.texts) EXPECT_FALSE(Overlap(t.drawn, ink)) << t.text << " lies under the number";
  }
  // The sign stands just left of the amount.
  for (const char* path : {"Kespa_Data/KespaCG/Game/EventKan01.jpg", "Kespa_Data/KespaCG/Game/EventKan02.jpg"}) {
    const std::string text = AllText(Picture(path));
    EXPECT_NE(text.find(std::string(path).find("01") != std::string::npos ? "＋" : "－"), std::string::npos) << path;
  }
}

TEST_F(VadrimOverStandIns, TheEffectBannersTellTheirKindsApartByColour) {
  std::vector<uint32_t> backs;
  for (const char* n : {"01", "02", "11", "12"})
    backs.push_back(Load(std::string("Kespa_Data/KespaCG/Game/EventKan") + n + ".jpg").Get(20, 20));
  for (size_t i = 0; i < backs.size(); ++i) {
    for (size_t j = i + 1; j < backs.size(); ++j) {
      int distance = 0;
      for (int shift : {0, 8, 16})
        distance +=
            std::abs(static_cast<int>((backs[i] >> shift) & 0xFF) - static_cast<int>((backs[j] >> shift) & 0xFF));
      EXPECT_GE(distance, 120) << i << " and " << j;
    }
  }
}

// Each board's own rule, as its start shows it: the notice names its period and
// what changes, and the opening pick its count.
TEST_F(VadrimOverStandIns, TheRuleNoticesSayWhatEachBoardDoes) {
  auto notice = [](int n) {
    char path[64];
    std::snprintf(path, sizeof path, "Kespa_Data/KespaCG/Game/Kan_Mes%02d.jpg", n);
    return AllText(Picture(path));
  };
  auto period = [](int every) {
    return every == 1 ? std::string("毎ターン") : assets::WideNumber(every) + "ターンごと";
  };
  int rules = 0;
  for (int board : BoardNumbers()) {
    SCOPED_TRACE("board " + std::to_string(board));
    board_test::ReadyBoard(board);
    if (TurnFlow.GiftEvery > 0) {
      ++rules;
      const std::string text = notice(10 + TurnFlow.GiftEvery);
      EXPECT_NE(text.find(period(TurnFlow.GiftEvery)), std::string::npos) << text;
      EXPECT_NE(text.find("道具"), std::string::npos) << text;
    }
    if (PieceCounters.RerollEvery > 0) {
      ++rules;
      const std::string text = notice(20 + PieceCounters.RerollEvery);
      const std::string every =
          PieceCounters.RerollEvery == 1 ? "ターンが終わるたび" : period(PieceCounters.RerollEvery);
      EXPECT_NE(text.find(every), std::string::npos) << text;
      ASSERT_EQ(PieceCounters.RerollMode, 20) << "the notices speak of 凶 and 狂 only";
      EXPECT_NE(text.find("凶か狂"), std::string::npos) << text;
    }
    if (TurnFlow.OpeningPick == -1) {
      ++rules;
      EXPECT_NE(notice(1).find(assets::WideNumber(TurnFlow.PicksLeft) + "つ"), std::string::npos) << notice(1);
    }
  }
  EXPECT_EQ(rules, 5);  // boards 0, 5 and 11, and the opening picks of 9 and 10
  EXPECT_NE(notice(0).find("サイコロを振れる回数"), std::string::npos);
  EXPECT_NE(notice(2).find("盤の子がいなくなった"), std::string::npos);
}

// The attack buttons show how far each attack reaches and what it takes, as the
// game applies it, plain and while 力 lasts.
TEST_F(VadrimOverStandIns, TheAttackButtonsShowWhatEachAttackReachesAndTakes) {
  const std::vector<std::string> cells =
      assets::SplitCaptions(Picture("Kespa_Data/KespaCG/Game/com03_110.jpg").file->row->shows);
  ASSERT_EQ(cells.size(), 6u);
  for (int power = 0; power <= 1; ++power) {
    for (int button = 0; button < 3; ++button) {
      SCOPED_TRACE(std::to_string(button) + (power ? " with 力" : ""));
      board_test::ReadyBoard(1);
      PieceCounters.PowerTurns = power;
      PieceCounters.PiecePos = 2;  // the top row: the attack goes down into the grid
      BoardChoice.StrikeDir = 3;
      GoTo(kBoardAttack, 0);
      SceneCursor.ButtonMode = kButtonsAttack;
      TurnFlow.HoverIndex = button;
      InputEvent.InputSourceIndex = BoardLayers.ChoiceButtonFirstBox + button;
      D50_Step();
      const std::vector<std::string> parts = assets::SplitLines(cells[static_cast<size_t>(power * 3 + button)]);
      ASSERT_EQ(parts.size(), 3u);
      const int reach = std::atoi(parts[1].c_str());
      EXPECT_EQ(reach == 9 ? BoardState.GridLastY - 1 : reach, BoardChoice.StrikeRange);
      EXPECT_EQ(parts[2], assets::WideNumber(BoardChoice.StrikeDamage) + "ダメージ");
    }
  }
}

// Each kind's tile stands where the board copies that kind's tile from.
TEST_F(VadrimOverStandIns, EachTileShowsTheKindTheBoardTakesFromIt) {
  const std::vector<std::string> cells =
      assets::SplitCaptions(Picture("Kespa_Data/KespaCG/Game/Map05.jpg").file->row->shows);
  for (const char* symbol : {"吉", "幸", "凶", "狂", "具", "選", "逆", "連", "ワ", "止", "力",
                             "封", "タ", "攻", "T1", "T2", "T3", "L1", "L2", "ﾍ0", "ﾍ1", "ﾍ2"}) {
    for (int sealed = 0; sealed <= 1; ++sealed) {
      SCOPED_TRACE(std::string(symbol) + (sealed ? " sealed" : ""));
      PieceCounters.SealTurns = sealed * 2;
      D50_KindTile(CellKindCode(symbol));
      const size_t cell = static_cast<size_t>(BlitSpec.BlitSrcY / 100 * 8 + BlitSpec.BlitSrcX / 100);
      ASSERT_LT(cell, cells.size());
      const bool sealable = std::string(symbol) == "凶" || std::string(symbol) == "狂";
      EXPECT_EQ(cells[cell], (sealed && sealable ? "封" : "") + std::string(symbol));
    }
  }
}

// The stage gallery's thumbnails, as the gallery copies them onto its panel: each
// route's in the order of its story, the last stage alone.
TEST_F(VadrimOverStandIns, TheStageGalleryThumbnailsReadInStoryOrder) {
  h.Platform().At(500, [] {
    AnimationRun.WaitKind = 0;
    SceneCursor.SceneState = 120;
    SceneCursor.SceneStep = -5;
  });
  h.RunUntil(15000);  // the opening plays out first
  ASSERT_EQ(SceneCursor.SceneState, 120);
  ASSERT_EQ(SceneCursor.SceneStep, 0);
  const tq::Surface& panel = Layer(30);
  const tq::Surface sheet = Load("Kespa_Data/KespaCG/CGSelect02.jpg");
  const std::vector<std::string> cells =
      assets::SplitCaptions(Picture("Kespa_Data/KespaCG/CGSelect02.jpg").file->row->shows);
  auto captionAt = [&](int px, int py) -> std::string {
    for (size_t i = 0; i < cells.size(); ++i) {
      const int sx = static_cast<int>(i % 5) * 93, sy = static_cast<int>(i / 5) * 70;
      bool same = true;
      for (int y = 0; y < 70 && same; ++y) {
        for (int x = 0; x < 93 && same; ++x) same = panel.Get(px + x, py + y) == sheet.Get(sx + x, sy + y);
      }
      // A blank cell looks like the bare panel: no thumbnail stands there.
      if (same) return cells[i].empty() ? "" : cells[i].substr(cells[i].find(':') + 1);
    }
    return "";
  };
  auto row = [&](int y) {
    std::vector<std::string> out;
    for (int k = 0; k < 6; ++k) {
      const std::string caption = captionAt(40 + 113 * k, y);
      if (!caption.empty()) out.push_back(caption);
    }
    return out;
  };
  auto story = [](int first, int last) {
    std::vector<std::string> out;
    for (int n = first; n <= last; ++n) out.push_back("第" + assets::WideNumber(n) + "話");
    return out;
  };
  EXPECT_EQ(row(80), story(1, 4));   // 西の森
  EXPECT_EQ(row(215), story(1, 5));  // 東の丘
  EXPECT_EQ(row(350), story(1, 6));  // 中央広場
  EXPECT_EQ(row(430), story(7, 12));
  EXPECT_EQ(row(510), story(13, 16));
  EXPECT_EQ(captionAt(677, 20), "最終話");
}

}  // namespace
