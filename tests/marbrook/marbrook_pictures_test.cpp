// The Marbrook picture catalogue: names by kind and number, and loading into targets.
#include "marbrook/marbrook_pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/drawing_fixture.h"
#include "engine/layers.h"
#include "engine/modes.h"

namespace {

using drawing_test::DrawingTest;
using drawing_test::WriteBmp;

TEST(MarbrookPictures, NamesByKindAndNumber) {
  struct Case {
    int kind, number;
    const char* path;  // below Tanselr_Data/TanselrCG/, "" for no picture
  } cases[] = {
      {5, 3, "Title/T00_03.JPG"},
      {6, 12, "Title/Sys_12.JPG"},
      {6, 0, "Title/Sys_00.JPG"},
      {34, 77, "ETC/ClickWait_Fs16.JPG"},
      {60, 0, "ETC/asehiya_60.JPG"},
      {100, 0, "Event/Event00-00.JPG"},
      {105, 3, "Event/Event05-03.JPG"},
      {199, 99, "Event/Event99-99.JPG"},
      {213, 4, "G_face/02Face_03.JPG"},
      {226, 0, "O_face/OFace_A02re.JPG"},
      {290, 4, "O_face/OFace_X04.JPG"},
      {302, 11, "Z_face/ZFace_C11.JPG"},
      {310, 2, "Z_face/Staff_02.JPG"},
      {1106, 2, "G01/G1_Kan05.JPG"},
      {1100, 3, "G01/G1_Title3.JPG"},
      {1112, 1, "G01/G1_TGu01-x2.JPG"},
      {1113, 10, "G01/G1_TGu10-x3.JPG"},
      {1215, 0, "G02/GAMEOVER.JPG"},
      {1230, 1, "G03/G3_Syukai01.JPG"},
      {1242, 0, "G09/ADV_Logo02.JPG"},
      {1265, 0, "G05/BO_s51SideB.JPG"},
      {1283, 52, "G06/Card52.JPG"},
      {1301, 3, "G07/RPG_Parts03.JPG"},
      {1400, 7, "G08/ADV2_CG_007.JPG"},
      {1401, 7, "G08/BotuCG_07.JPG"},
      {1500, 1, "EroMachi/EroMachi_01.JPG"},
      // Numbers beyond the two-digit names keep their digits: distinct files.
      {1400, 123, "G08/ADV2_CG_123.JPG"},
      {1300, 100, "G07/RPG_Map100.JPG"},
      {120, 150, "Event/Event20-150.JPG"},
      {5, 100, "Title/T00_100.JPG"},
      // Kinds without a name.
      {0, 0, ""},
      {4, 1, ""},
      {37, 0, ""},
      {203, 0, ""},
      {1310, 0, ""},
      {1600, 0, ""},
      {-5, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + ", " + std::to_string(c.number));
    const std::string expected = c.path[0] == '\0' ? "" : std::string("Tanselr_Data/TanselrCG/") + c.path;
    EXPECT_EQ(MarbrookPicturePath(c.kind, c.number), expected);
  }
}

TEST(MarbrookPictures, EveryListedKindHasAName) {
  std::set<int> kinds;
  std::set<std::string> fixed;
  for (const MarbrookPictureKind& k : MarbrookPictureKinds()) {
    SCOPED_TRACE(k.kind);
    EXPECT_TRUE(kinds.insert(k.kind).second) << "listed once";
    const std::string path = MarbrookPicturePath(k.kind, 1);
    EXPECT_FALSE(path.empty());
    EXPECT_EQ(path.substr(path.size() - 4), ".JPG");
    EXPECT_EQ(MarbrookPicturePath(k.kind, 2) != path, k.numbered) << "numbered kinds name the number";
  }
  EXPECT_EQ(kinds.size(), 242u);  // 142 named kinds and the 100 event kinds
  EXPECT_TRUE(kinds.count(1106) && kinds.count(150) && kinds.count(34));
}

class MarbrookPictureLoad : public DrawingTest {
 protected:
  void SetUp() override { Boot(kModeMarbrook); }
};

TEST_F(MarbrookPictureLoad, TargetsAndEmptyPictures) {
  constexpr uint32_t kBlue = RgbColor(0, 0, 255);
  WriteBmp(Root(), "Tanselr_Data/TanselrCG/G01/G1_Kan05.JPG", 8, 6, kBlue);
  DrawState.CurrentLayer = 20;
  C00_LoadPicture(1, 1106, 2);
  EXPECT_EQ(Layer(20).image.Width(), 8);
  EXPECT_EQ(At(20, 7, 5), kBlue);

  DrawState.SheetIndex = 3;
  CurrentModeHooks().LoadPictureByKind(2, 1106, 2);
  EXPECT_EQ(Sheets[3].Picture.Height(), 6);

  C00_LoadPicture(1, 0, 0);  // kind 0 clears, the size stays
  EXPECT_EQ(Layer(20).image.Width(), 8);
  EXPECT_EQ(At(20, 7, 5), 0u);
  C00_LoadPicture(1, 1106, 2);
  C00_LoadPicture(1, 37, 0);  // no name: an empty picture, no crash
  EXPECT_EQ(At(20, 7, 5), 0u);
  C00_LoadPicture(7, 1106, 2);  // no such target
  EXPECT_EQ(At(20, 7, 5), 0u);
}

}  // namespace
