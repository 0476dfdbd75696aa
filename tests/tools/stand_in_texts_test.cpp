// Every stand-in picture of the table, of every game, held to what a new player
// reads from it: each text inside its box and its picture, clear of the picture's
// edge, at a readable size, and never a name with a file number after it or a
// number standing for nothing.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "support/stand_in_texts.h"

namespace {

using assets::AssetFile;
using assets::Look;
using assets::TextRecord;
using tq::testing::DrawnStandIn;

// Every picture of the table drawn once, with the texts its drawing placed.
const std::vector<DrawnStandIn>& AllPictures() {
  static const std::vector<AssetFile> files = assets::ExpandAssets();
  static const std::vector<DrawnStandIn> drawn = [] {
    std::vector<DrawnStandIn> out;
    for (const AssetFile& f : files) {
      if (assets::IsPicture(f.row->look)) out.push_back(tq::testing::DrawStandIn(f));
    }
    return out;
  }();
  return drawn;
}

// The one place where a bare number is the whole message: a playing card's rank, the
// slot machine's lucky seven and the settings bars' end marks. Everywhere else a
// number alone, or after a name, says nothing to a player.
bool BareNumberMeansItself(const AssetFile& f, const std::string& text) {
  if (f.row->look == Look::Card || f.row->look == Look::Reels) return true;
  return f.row->look == Look::Settings && (text == "0" || text == "9");
}

TEST(StandInTexts, EveryTextFitsItsBoxAndPictureWithAMargin) {
  int texts = 0;
  for (const DrawnStandIn& d : AllPictures()) {
    for (const TextRecord& t : d.texts) {
      SCOPED_TRACE(d.file->path + ": " + t.text);
      ++texts;
      // Two pixels clear of every edge: a caption that touches its border reads as cut.
      EXPECT_TRUE(tq::testing::RectInside(t.drawn, {2, 2, t.pictureWidth - 4, t.pictureHeight - 4}))
          << "runs past or touches its picture's edge";
      EXPECT_TRUE(tq::testing::RectInside(t.drawn, t.box)) << "runs past its box";
      EXPECT_GE(t.pointSize, 7) << "too small to read";
    }
  }
  EXPECT_GT(texts, 2000);
}

TEST(StandInTexts, NoTextIsANameWithAFileNumberOrANumberAlone) {
  for (const DrawnStandIn& d : AllPictures()) {
    for (const TextRecord& t : d.texts) {
      if (BareNumberMeansItself(*d.file, t.text)) continue;
      SCOPED_TRACE(d.file->path + ": " + t.text);
      EXPECT_FALSE(tq::testing::NameAndNumber(t.text));
    }
  }
}

// Pictures that carry words carry them: a banner, notice, rules page, panel, sheet of
// buttons or tiles with no text at all would leave a player guessing.
TEST(StandInTexts, EveryWordedPictureHasItsWords) {
  for (const DrawnStandIn& d : AllPictures()) {
    const Look look = d.file->row->look;
    const bool worded = look == Look::Notice || look == Look::Rules || look == Look::Buttons ||
                        look == Look::Tiles || look == Look::Sheet || look == Look::EffectBanner;
    if (!worded || *d.file->row->shows == '\0') continue;
    SCOPED_TRACE(d.file->path);
    EXPECT_FALSE(d.texts.empty());
  }
}

}  // namespace

namespace {

// Skelvane's stage 2 builds its title card from cells of one picture on a green
// ground (0, 197, 0), then shows the picture itself over that ground: the picture's
// ground is that green, and each cell the build cuts holds a piece with its words.
TEST(StandInTexts, TheSkelvaneTitleCardIsTheGroundAndThePiecesItIsBuiltFrom) {
  const DrawnStandIn* card = nullptr;
  for (const DrawnStandIn& d : AllPictures()) {
    if (d.file->path == "bmp_data/Event/Title01_(s800_16Bit).BMP") card = &d;
  }
  ASSERT_NE(card, nullptr);
  const uint32_t green = assets::Rgb(0, 197, 0);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{5, 5}, {900, 300}, {40, 560}, {600, 450}}) {
    EXPECT_EQ(card->picture.Get(x, y), green) << x << "," << y;
  }
  const tq::PixelRect cells[] = {{214, 42, 365, 42},  {80, 92, 213, 209}, {300, 92, 213, 209},
                                 {520, 92, 213, 209}, {300, 310, 199, 239}, {0, 570, 920, 30}};
  for (const tq::PixelRect& cell : cells) {
    SCOPED_TRACE(std::to_string(cell.x) + "," + std::to_string(cell.y));
    EXPECT_NE(card->picture.Get(cell.x + cell.w / 2, cell.y + 2), green);
    int words = 0;
    for (const TextRecord& t : card->texts) words += tq::testing::RectInside(t.drawn, cell) ? 1 : 0;
    EXPECT_EQ(words, 1);
  }
}

}  // namespace
