#include "engine/picture_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/drawing_fixture.h"
#include "engine/layers.h"
#include "engine/modes.h"

namespace {

using drawing_test::DrawingTest;
using drawing_test::WriteBmp;

constexpr uint32_t kRed = RgbColor(255, 0, 0);
constexpr uint32_t kGreen = RgbColor(0, 255, 0);

class PictureCatalogueTest : public DrawingTest {
 protected:
  void SetUp() override { Boot("Skelvane２"); }
  std::string Under(const std::string& tail) { return tq::ThePlatform().ProgramFolder() + tail; }
};

TEST_F(PictureCatalogueTest, Paths) {
  struct Case {
    int number;
    std::string face, catalogue;
  } cases[] = {
      {1001, "\\bmp_data\\Event\\地球01_(512X177)_0.BMP", "\\bmp_data\\Event\\地球01_(512X177)_0.BMP"},
      {50, "\\bmp_data\\asetobi_60L.BMP", "\\bmp_data\\Event\\Opening00.BMP"},
      {60, "\\bmp_data\\asehiya_60.BMP", ""},
      {100, "\\bmp_data\\Face\\整備01_高さ調整2_s250x175.BMP", "\\bmp_data\\Face\\整備02_s250x176_0.BMP"},
      {130, "\\bmp_data\\Face\\ルーキー01_s250x176_0.BMP", "\\bmp_data\\Face\\ルーキー01_s250x176_0.BMP"},
      {40, "\\bmp_data\\Face\\顔_店の主人(s130)_決定.BMP", ""},
      {1018, "\\bmp_data\\Event\\都市破壊04_(s800→s640)_No08.BMP", "\\bmp_data\\Event\\都市破壊04_(s800→s640)_No08.BMP"},
      {1020, "", "\\bmp_data\\Event\\SkelvaneカードA.BMP"},
      {1104, "", "\\bmp_data\\Event\\Skelvane１_カード裏_横(80x50)_1.BMP"},
      {1102, "", "\\bmp_data\\Back\\Back_Base00_After.BMP"},
      {7, "", ""},
  };
  // A number a table does not list names no file.
  auto under = [this](const std::string& tail) { return tail.empty() ? tail : Under(tail); };
  for (const Case& c : cases) {
    EXPECT_EQ(FacePicturePath(c.number), under(c.face)) << c.number;
    EXPECT_EQ(CataloguePicturePath(c.number), under(c.catalogue)) << c.number;
  }
  EXPECT_EQ(CataloguePicturePath(0), "");
}

TEST_F(PictureCatalogueTest, LoadFacePictureLoadsIntoTheCurrentLayer) {
  WriteBmp(Root(), "bmp_data/Event/地球01_(512X177)_0.BMP", 12, 5, kRed);
  WriteBmp(Root(), "bmp_data/asetobi_60L.BMP", 6, 7, kGreen);
  DrawState.CurrentLayer = 14;
  Fill(14, 30, 40, 100, 100, 0);
  LoadFacePicture(1001);
  EXPECT_EQ(Layer(14).image.Width(), 12);
  EXPECT_EQ(Layer(14).x, 30) << "the layer keeps its position";
  EXPECT_EQ(At(14, 11, 4), kRed);
  LoadFacePicture(50);
  EXPECT_EQ(Layer(14).image.Height(), 7);
  EXPECT_EQ(At(14, 0, 0), kGreen);
  LoadFacePicture(0);
  EXPECT_EQ(At(14, 0, 0), kGreen) << "number 0 loads nothing";
  LoadFacePicture(999);  // no such entry: an empty picture, the size kept
  EXPECT_EQ(Layer(14).image.Height(), 7);
  EXPECT_EQ(At(14, 0, 0), 0u);
}

TEST_F(PictureCatalogueTest, CatalogueTargets) {
  WriteBmp(Root(), "bmp_data/Face/曹長01_s250x176_0.BMP", 4, 4, kRed);
  EXPECT_EQ(ModeHooksFor(ModeId::Skelvane).LoadPictureByKind, &LoadCataloguePicture);
  DrawState.SheetIndex = 4;
  CurrentModeHooks().LoadPictureByKind(2, 140, 0);
  EXPECT_EQ(Sheets[4].Picture.Width(), 4);
  LoadCataloguePicture(0, 140, 0);
  EXPECT_EQ(tq::ColorFromPixel(Screen().Background().Get(3, 3)), kRed);
  LoadCataloguePicture(0, 0, 0);
  EXPECT_EQ(Screen().Background().Get(3, 3), 0u) << "number 0 clears the window's picture";
  DrawState.CurrentLayer = 2;
  Fill(2, 0, 0, 9, 9, kGreen);
  LoadCataloguePicture(1, 0, 0);
  EXPECT_EQ(Layer(2).image.Width(), 9);
  EXPECT_EQ(At(2, 4, 4), 0u);
}

TEST_F(PictureCatalogueTest, MarbrookModeHandsFacesToItsCatalogue) {
  Boot("Marbrook");
  static std::vector<int> calls;
  calls.clear();
  auto* const registered = ModeHooksFor(ModeId::Marbrook).LoadPictureByKind;
  ModeHooksFor(ModeId::Marbrook).LoadPictureByKind = [](int target, int kind, int number) {
    calls.insert(calls.end(), {target, kind, number});
  };
  WriteBmp(Root(), "bmp_data/Face/顔_店の主人(s130)_決定.BMP", 4, 4, kRed);
  DrawState.CurrentLayer = 14;
  Fill(14, 0, 0, 9, 9, kGreen);
  LoadFacePicture(40);
  LoadFacePicture(0);
  EXPECT_EQ(calls, (std::vector<int>{1, 40, 0, 1, 0, 0}));
  EXPECT_EQ(At(14, 0, 0), kGreen) << "not the Skelvane file";
  ModeHooksFor(ModeId::Marbrook).LoadPictureByKind = registered;
}

TEST_F(PictureCatalogueTest, ClickWaitStandIn) {
  WriteBmp(Root(), "Tanselr_Data/TanselrCG/ETC/ClickWait_Fs16.JPG", 5, 3, kRed);
  DrawState.CurrentLayer = 11;
  Fill(11, 0, 0, 9, 9, kGreen);
  LoadClickWaitPicture(1, 33, 0);
  EXPECT_EQ(Layer(11).image.Width(), 9) << "other kinds load nothing";
  LoadClickWaitPicture(1, 34, 7);
  EXPECT_EQ(Layer(11).image.Width(), 5);
  EXPECT_EQ(At(11, 4, 2), kRed);
  LoadClickWaitPicture(1, 0, 0);
  EXPECT_EQ(At(11, 4, 2), 0u);
}

}  // namespace
