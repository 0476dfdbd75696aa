#include "engine/layers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/headless_session.h"
#include "engine/drawing_fixture.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"

namespace {

using drawing_test::DrawingTest;
using drawing_test::WriteBmp;

constexpr uint32_t kRed = RgbColor(255, 0, 0);
constexpr uint32_t kGreen = RgbColor(0, 255, 0);
const char* const kClickWaitFile = "Tanselr_Data/TanselrCG/ETC/ClickWait_Fs16.JPG";

using LayersTest = DrawingTest;

TEST_F(LayersTest, PrepareLayerKinds) {
  struct Case {
    int kind;
    bool visible;
    int fontSize;
    bool bold, italic;
  } cases[] = {
      {0, true, 12, false, true},   // the TextStyle font
      {1, false, 12, false, true},  // hidden, but still raised
      {10, true, 10, true, false},  // always 10-point bold
      {11, false, 10, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    Fill(5, 1, 2, 8, 8, kRed);
    LayerInfo(5).BackColor = kGreen;
    LayerInfo(5).AutoRedraw = false;
    Screen().SendToBack(5);
    DrawState.CurrentLayer = 5;
    DrawState.CurrentRect = {10, 20, 30, 40};
    DrawState.AutoRaiseOn = -1;
    TextStyle.TextFontSize = 12;
    TextStyle.TextBold = 0;
    TextStyle.TextItalic = -1;
    PrepareLayer(c.kind, -99);
    EXPECT_EQ(Layer(5).x, 10);
    EXPECT_EQ(Layer(5).y, 20);
    EXPECT_EQ(Layer(5).image.Width(), 30);
    EXPECT_EQ(Layer(5).image.Height(), 40);
    EXPECT_EQ(Layer(5).visible, c.visible);
    EXPECT_EQ(Screen().ZIndex(5), 99);
    for (auto [x, y] : {std::pair{0, 0}, {5, 5}, {29, 39}}) EXPECT_EQ(At(5, x, y), 0u) << x << "," << y;
    const LayerProps& p = LayerInfo(5);
    EXPECT_EQ(p.BackColor, 0u);
    EXPECT_TRUE(p.AutoRedraw);
    EXPECT_EQ(p.FontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(p.FontSize, c.fontSize);
    EXPECT_EQ(p.FontBold, c.bold);
    EXPECT_EQ(p.FontItalic, c.italic);
    EXPECT_EQ(DrawState.CurrentLayer, 5);
    EXPECT_EQ(DrawState.CurrentRect.Width, 30);
  }
}

TEST_F(LayersTest, PrepareLayerUnlistedKindChangesNothing) {
  for (int kind : {2, 9, 12, -1, 50}) {
    Fill(6, 3, 4, 5, 6, kRed);
    Screen().SetVisible(6, true);
    const int z = Screen().ZIndex(6);
    DrawState.CurrentLayer = 6;
    DrawState.CurrentRect = {100, 100, 50, 50};
    PrepareLayer(kind, 6);
    EXPECT_EQ(Layer(6).x, 3) << kind;
    EXPECT_EQ(Layer(6).image.Width(), 5) << kind;
    EXPECT_EQ(At(6, 2, 2), kRed) << kind;
    EXPECT_TRUE(Layer(6).visible) << kind;
    EXPECT_EQ(Screen().ZIndex(6), z) << kind;
  }
}

TEST_F(LayersTest, AutoRaiseIsAOneShotSwitchOfKinds10And11) {
  EXPECT_EQ(DrawState.AutoRaiseOn, -1) << "start-up sets it";
  DrawState.CurrentRect = {0, 0, 10, 10};
  DrawState.CurrentLayer = 7;
  Screen().BringToFront(8);
  const int z = Screen().ZIndex(7);

  DrawState.AutoRaiseOn = 0;
  PrepareLayer(kPreparePictureShown);
  EXPECT_EQ(Screen().ZIndex(7), z) << "kept its place once";
  EXPECT_EQ(DrawState.AutoRaiseOn, -1);
  PrepareLayer(kPreparePictureShown);
  EXPECT_EQ(Screen().ZIndex(7), 99) << "the next call raises it";

  // Kinds 0 and 1 raise whatever the switch holds, and leave it for the next 10/11.
  Screen().BringToFront(8);
  DrawState.AutoRaiseOn = 0;
  PrepareLayer(kPrepareTextShown);
  EXPECT_EQ(Screen().ZIndex(7), 99);
  EXPECT_EQ(DrawState.AutoRaiseOn, 0);
  Screen().BringToFront(8);
  PrepareLayer(kPreparePictureHidden);
  EXPECT_EQ(Screen().ZIndex(7), 98);
  EXPECT_EQ(DrawState.AutoRaiseOn, -1);
}

TEST_F(LayersTest, HiddenPreparedLayerComesUpInFront) {
  DrawState.CurrentRect = {0, 0, 10, 10};
  DrawState.CurrentLayer = 3;
  PrepareLayer(kPrepareTextHidden);
  Fill(4, 0, 0, 10, 10, kGreen);
  Screen().SetVisible(4, true);
  ShowLayer(3, true);
  Screen().Compose();
  EXPECT_EQ(Screen().HitTest(5, 5, nullptr, nullptr), 3);
}

TEST_F(LayersTest, GetLayerRectKinds) {
  Fill(12, -5, 7, 30, 20, kRed);
  DrawState.CurrentRect = {1, 1, 1, 1};
  DrawState.TargetRect = {2, 2, 2, 2};
  GetLayerRect(51, 12);
  EXPECT_EQ(DrawState.CurrentRect.X, 1);
  EXPECT_EQ(DrawState.TargetRect.X, 2);
  GetLayerRect(kRectIntoCurrent, 12);
  EXPECT_EQ(DrawState.CurrentRect.X, -5);
  EXPECT_EQ(DrawState.CurrentRect.Y, 7);
  EXPECT_EQ(DrawState.CurrentRect.Width, 30);
  EXPECT_EQ(DrawState.CurrentRect.Height, 20);
  EXPECT_EQ(DrawState.TargetRect.X, 2);
  GetLayerRect(kRectIntoTarget, 12);
  EXPECT_EQ(DrawState.TargetRect.X, -5);
  EXPECT_EQ(DrawState.TargetRect.Height, 20);
}

TEST_F(LayersTest, CentreTruncatesTowardZero) {
  struct Case {
    int size;
    int x, y;
  } cases[] = {{101, 410, 295}, {-101, 510, 395}, {75, 423, 308}, {920, 0, -115}, {1, 460, 345}};
  for (const Case& c : cases) {
    int w = c.size, h = c.size;
    EXPECT_EQ(CentreX(w), c.x) << c.size;
    EXPECT_EQ(CentreY(h), c.y) << c.size;
    EXPECT_EQ(w, c.size);
  }
  DrawState.CurrentRect = {0, 0, 200, 90};
  int w = 0, h = 0;
  EXPECT_EQ(CentreX(w), 360);
  EXPECT_EQ(w, 200) << "a 0 width is replaced and written back";
  EXPECT_EQ(CentreY(h), 300);
  EXPECT_EQ(h, 90);
  EXPECT_EQ(CentreX(0), 360);
}

TEST_F(LayersTest, HideAllLayersKeepsEverythingElse) {
  for (int i : {0, 44, 99}) {
    Fill(i, i, 1, 4, 4, kRed);
    Screen().SetVisible(i, true);
  }
  Screen().BringToFront(44);
  HideAllLayers();
  for (int i = 0; i < tq::kLayerCount; ++i) EXPECT_FALSE(Layer(i).visible) << i;
  EXPECT_EQ(Layer(44).x, 44);
  EXPECT_EQ(At(44, 1, 1), kRed);
  EXPECT_EQ(Screen().ZIndex(44), 99);
}

TEST_F(LayersTest, PictureSetsSizeAndAnEmptyPictureClearsToBackColour) {
  Fill(20, 5, 6, 40, 30, kRed);
  LayerInfo(20).BackColor = kGreen;
  tq::Surface picture(7, 3, tq::PixelFromColor(RgbColor(1, 2, 3)));
  SetLayerPicture(20, picture);
  EXPECT_EQ(Layer(20).image.Width(), 7);
  EXPECT_EQ(Layer(20).image.Height(), 3);
  EXPECT_EQ(Layer(20).x, 5);
  EXPECT_EQ(At(20, 6, 2), RgbColor(1, 2, 3));
  SetLayerPicture(20, tq::Surface());
  EXPECT_EQ(Layer(20).image.Width(), 7) << "an empty picture keeps the size";
  EXPECT_EQ(At(20, 6, 2), kGreen);
}

TEST_F(LayersTest, MoveKeepsWhatWasDrawnAndFillsNewPartsWithBackColour) {
  Fill(21, 0, 0, 4, 4, kRed);
  LayerInfo(21).BackColor = kGreen;
  MoveLayer(21, 10, 11, 6, 2);
  EXPECT_EQ(Layer(21).x, 10);
  EXPECT_EQ(At(21, 3, 1), kRed);
  EXPECT_EQ(At(21, 4, 1), kGreen);
  MoveLayer(21, 0, 0, 6, 5);
  EXPECT_EQ(At(21, 0, 1), kRed);
  EXPECT_EQ(At(21, 0, 2), kGreen) << "rows cut off by the smaller size are gone";
}

// However a layer that held a whole window comes to hold a small picture (prepared
// small, moved small, given a picture, a file or a cell), its buffer shrinks with it:
// a stage's many pictures do not leave every layer holding the largest it ever had.
TEST_F(LayersTest, ALayerMadeSmallGivesItsBufferBack) {
  WriteBmp(Root(), "pics/small.bmp", 40, 30, kRed);
  const std::string path = tq::ThePlatform().ProgramFolder() + "\\pics\\small.bmp";
  Sheets[2].Picture = tq::Surface(64, 64, 1);
  const struct Case {
    const char* name;
    void (*shrink)(const std::string& path);
  } cases[] = {
      {"prepared small", [](const std::string&) {
         DrawState.CurrentRect = {0, 0, 40, 30};
         PrepareLayer(kPreparePictureShown);
       }},
      {"moved small", [](const std::string&) { MoveLayer(DrawState.CurrentLayer, 0, 0, 40, 30); }},
      {"given a picture", [](const std::string&) { SetLayerPicture(DrawState.CurrentLayer, tq::Surface(40, 30)); }},
      {"given a file", [](const std::string& p) { LoadPictureIntoTarget(1, p); }},
      {"given a cell", [](const std::string&) { ClipCellToLayer(2, 0, 0, 40, 30); }},
      {"moved to nothing", [](const std::string&) { MoveLayer(DrawState.CurrentLayer, 0, 0, 0, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DrawState.CurrentLayer = 40;
    Fill(40, 0, 0, tq::kWindowWidth, tq::kWindowHeight, kGreen);
    c.shrink(path);
    ASSERT_LE(Layer(40).image.Width() * Layer(40).image.Height(), 40 * 30);
    EXPECT_LT(Layer(40).image.Capacity(), size_t{tq::kWindowWidth} * tq::kWindowHeight / 10);
  }
}

TEST_F(LayersTest, PictureTargets) {
  WriteBmp(Root(), "pics/a.bmp", 9, 5, kRed);
  const std::string path = tq::ThePlatform().ProgramFolder() + "\\pics\\A.BMP";  // any case
  DrawState.CurrentLayer = 30;
  Fill(30, 0, 0, 50, 50, kGreen);
  LoadPictureIntoTarget(1, path);
  EXPECT_EQ(Layer(30).image.Width(), 9);
  EXPECT_EQ(At(30, 8, 4), kRed);

  DrawState.SheetIndex = 3;
  LoadPictureIntoTarget(2, path);
  EXPECT_EQ(Sheets[3].Picture.Width(), 9);

  LoadPictureIntoTarget(0, path);
  EXPECT_EQ(tq::ColorFromPixel(Screen().Background().Get(8, 4)), kRed);
  EXPECT_EQ(Screen().Background().Get(9, 4), 0u);
  EXPECT_EQ(Screen().Background().Width(), 920) << "the window keeps its size";

  // A missing file is an empty picture: the layer keeps its size, cleared.
  LoadPictureIntoTarget(1, path + ".missing");
  EXPECT_EQ(Layer(30).image.Width(), 9);
  EXPECT_EQ(At(30, 8, 4), 0u);
  // Unlisted targets and a bad sheet number load nothing.
  DrawState.SheetIndex = 10;
  LoadPictureIntoTarget(2, path);
  LoadPictureIntoTarget(3, path);
}

TEST_F(LayersTest, IconCellTakesSixteenPixelCellsOfSheetZero) {
  tq::Surface strip(112, 16);
  for (int n = 0; n < 7; ++n) tq::FillRect(strip, {16 * n, 0, 16, 16}, tq::PixelFromColor(RgbColor(n * 30, 0, 0)));
  Sheets[0].Picture = strip;
  DrawState.CurrentLayer = 15;
  Fill(15, 0, 0, 40, 40, kGreen);
  IconCell(6, 0, 0);
  EXPECT_EQ(Sheets[0].ClipX, 96);
  EXPECT_EQ(Sheets[0].ClipWidth, 16);
  EXPECT_EQ(Layer(15).image.Width(), 16);
  EXPECT_EQ(At(15, 0, 0), RgbColor(180, 0, 0));
  EXPECT_EQ(At(15, 15, 15), RgbColor(180, 0, 0));
  IconCell(7);
  EXPECT_EQ(Sheets[0].ClipX, 0);
  EXPECT_EQ(Sheets[0].ClipWidth, 0);
  EXPECT_EQ(Sheets[0].ClipHeight, 0);
  EXPECT_EQ(Layer(15).image.Width(), 16) << "an empty cell keeps the size";
  EXPECT_EQ(At(15, 0, 0), 0u);
}

TEST_F(LayersTest, ClipCellBeyondThePictureIsBlackThere) {
  Sheets[2].Picture = tq::Surface(10, 10, tq::PixelFromColor(kRed));
  DrawState.CurrentLayer = 16;
  ClipCellToLayer(2, -2, 8, 4, 4);
  EXPECT_EQ(Layer(16).image.Width(), 4);
  EXPECT_EQ(At(16, 0, 0), 0u);
  EXPECT_EQ(At(16, 2, 0), kRed);
  EXPECT_EQ(At(16, 2, 2), 0u);
  ClipCellToLayer(10, 0, 0, 4, 4);  // no such sheet: nothing
  EXPECT_EQ(Sheets[2].ClipX, -2);
}

// The click-wait picture stands at the bottom centre, 2 pixels above the edge.
class NoticeBoxTest : public DrawingTest {
 protected:
  void SetUp() override { WriteBmp(Root(), kClickWaitFile, 120, 40, kRed); }
  void ExpectBoxAt(int layer) {
    EXPECT_EQ(DrawState.CurrentLayer, layer);
    EXPECT_EQ(DrawState.CurrentRect.X, 400);
    EXPECT_EQ(DrawState.CurrentRect.Y, 648);
    EXPECT_EQ(DrawState.CurrentRect.Width, 120);
    EXPECT_EQ(DrawState.CurrentRect.Height, 40);
    EXPECT_EQ(Layer(layer).x, 400);
    EXPECT_EQ(Layer(layer).y, 648);
    EXPECT_TRUE(Layer(layer).visible);
    EXPECT_EQ(At(layer, 119, 39), kRed);
    const std::string line = "layer " + std::to_string(layer) + " 1 400 648 120 40 99\n";
    EXPECT_NE(tq::LayerDump().find(line), std::string::npos) << tq::LayerDump();
  }
};

TEST_F(NoticeBoxTest, MarbrookModeUsesItsClickWaitLayer) {
  Boot("Marbrook");
  ASSERT_EQ(SystemLayerSet.ClickWaitLayer, 89);
  DrawState.CurrentRect = {1, 2, 3, 4};
  ShowNoticeBox();
  ExpectBoxAt(89);
}

TEST_F(NoticeBoxTest, ModesThatLeaveTheLayerAtZeroDoNotOverwriteLayerZero) {
  for (const char* mode : {"Skelvane２", "Test"}) {
    SCOPED_TRACE(mode);
    Boot(mode);
    ASSERT_EQ(SystemLayerSet.ClickWaitLayer, 0);
    Fill(0, 0, 0, 920, 690, kGreen);
    ShowNoticeBox();
    ExpectBoxAt(kDefaultClickWaitLayer);
    EXPECT_EQ(NoticeBoxLayer(), kDefaultClickWaitLayer);
    EXPECT_EQ(Layer(0).image.Width(), 920);
    EXPECT_EQ(At(0, 460, 670), kGreen);
  }
}

TEST_F(NoticeBoxTest, LoadsThroughTheMarbrookCrossing) {
  Boot("Skelvane２");
  static std::vector<int> calls;
  calls.clear();
  CrossingHooks.MarbrookLoadPicture = [](int target, int kind, int number) {
    calls = {target, kind, number};
    tq::Surface picture(60, 10);
    SetTargetPicture(target, picture);
  };
  ShowNoticeBox();
  EXPECT_EQ(calls, (std::vector<int>{1, 34, 0}));
  EXPECT_EQ(DrawState.CurrentRect.X, 430);
  EXPECT_EQ(DrawState.CurrentRect.Y, 678);
}

TEST_F(NoticeBoxTest, MissingPictureKeepsTheSizeItHad) {
  Boot("Marbrook");
  DrawState.CurrentRect = {0, 0, 50, 20};
  tq::ThePlatform().SetProgramFolder(Root() + "/elsewhere");
  ShowNoticeBox();
  EXPECT_EQ(Layer(89).x, 435);
  EXPECT_EQ(Layer(89).y, 668);
  EXPECT_EQ(Layer(89).image.Width(), 50);
}

}  // namespace
