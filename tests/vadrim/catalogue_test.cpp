// The Vadrim picture catalogue and sound tables: names by kind and number, loading
// into the targets, and what each sound number plays at which volume.
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/drawing_fixture.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "games/motion_slot_store.h"
#include "scenario/motion_curves.h"

namespace {

using drawing_test::DrawingTest;
using drawing_test::WriteBmp;

TEST(VadrimPictures, NamesByKindAndNumber) {
  const std::string a = kHeroineA, b = kHeroineB, c = kHeroineC, d = kHeroineD;
  struct Case {
    int kind, number;
    std::string path;  // below Kespa_Data/, "" for kind 0
  } cases[] = {
      {11, 99, "KespaCG/Title99.jpg"},
      {11, 5, "KespaCG/Title05.jpg"},
      {11, 123, "KespaCG/Title.jpg"},
      {11, -1, "KespaCG/Title-1.jpg"},
      {11, -10, "KespaCG/Title.jpg"},
      {1, 7, "KespaCG/Logo1.jpg"},
      {10, 2, "KespaCG/Title0-02.jpg"},
      {14, 21, "KespaCG/AllClear21.jpg"},
      {15, 3, "KespaETC/ACM_03.dat"},
      {16, 0, "KespaETC/Kan00.dat"},
      {17, 9, "KespaETC/Ti.dat"},
      {22, 4, "KespaCG/Back/左側B.jpg"},
      {35, 7, "KespaCG/Face/O-Face_05.jpg"},
      {44, 0, "KespaCG/Face/O-Face_14.jpg"},
      {40, 3, "KespaCG/Face/" + a + "s200.jpg"},
      {41, 0, "KespaCG/Face/" + c + "s200.jpg"},
      {42, 0, "KespaCG/Face/" + d + "s200.jpg"},
      {43, 0, "KespaCG/Face/" + b + "s200.jpg"},
      {54, 9, "KespaCG/SelectO01_50B.jpg"},
      {65, 0, "KespaCG/Staff05.jpg"},
      {81, 0, "KespaCG/Game/Kan_GAME START.jpg"},
      {90, 4, "KespaCG/Game/Mini04_s96.jpg"},
      {102, 250, "KespaCG/Game/EventKan250.jpg"},
      {102, -15, "KespaCG/Game/EventKan-15.jpg"},
      {102, 25, "KespaCG/Game/EventKan.jpg"},
      {142, 0, "KespaCG/Event/" + d + "02m2.jpg"},
      {152, 0, "KespaCG/Event/ふたり02m.jpg"},
      {170, 0, "KespaCG/Event/" + c + "Omake920.jpg"},
      // Kinds without a name keep their range's folder and name nothing.
      {27, 0, "KespaCG/Back/.jpg"},
      {104, 0, "KespaCG/Game/.jpg"},
      {113, 0, "KespaCG/Event/.jpg"},
      {5, 0, "KespaCG/.jpg"},
      {200, 0, "KespaCG/.jpg"},
      {-3, 0, "KespaCG/.jpg"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.kind) + ", " + std::to_string(k.number));
    EXPECT_EQ(VadrimPicturePath(k.kind, k.number), "Kespa_Data/" + k.path);
  }
  EXPECT_EQ(VadrimPicturePath(0, 0), "");

  std::set<int> kinds;
  for (const VadrimPictureKind& k : VadrimPictureKinds()) {
    SCOPED_TRACE(k.kind);
    EXPECT_TRUE(kinds.insert(k.kind).second) << "listed once";
    const std::string name = VadrimPicturePath(k.kind, std::string(k.numberPart) == "NNN" ? 100 : 1);
    EXPECT_EQ(name.find("/."), std::string::npos) << name;
  }
  EXPECT_EQ(kinds.size(), 115u);
}

class VadrimCatalogueLoad : public DrawingTest {
 protected:
  void SetUp() override { Boot(kModeVadrim); }
  // The file the sound library was handed for a play on a channel not used before.
  std::string Played(void (*table)(int, int&, float&), int number, float offset) {
    GameConfig.Settings[2] = 9;
    channel_ = channel_ % 90 + 1;
    int channel = channel_;
    table(number, channel, offset);
    return h_->Platform().Recorder().Loaded(channel_);
  }
  int LastVolume() { return h_->Platform().Recorder().Volume(channel_); }
  int channel_ = 0;
};

TEST_F(VadrimCatalogueLoad, TargetsAndEmptyPictures) {
  constexpr uint32_t kBlue = RgbColor(0, 0, 255);
  WriteBmp(Root(), "Kespa_Data/KespaCG/Title99.jpg", 8, 6, kBlue);
  WriteBmp(Root(), "Kespa_Data/KespaETC/ACM_03.dat", 5, 4, kBlue);
  DrawState.CurrentLayer = 20;
  D00_LoadPicture(1, 11, 99);
  EXPECT_EQ(Layer(20).image.Width(), 8);
  EXPECT_EQ(At(20, 7, 5), kBlue);
  DrawState.SheetIndex = 3;
  CurrentModeHooks().LoadPictureByKind(2, 15, 3);
  EXPECT_EQ(Sheets[3].Picture.Width(), 5) << "a .dat file is a picture by its content";
  D00_LoadPicture(0, 11, 99);
  EXPECT_EQ(tq::ColorFromPixel(LayerImage(GameForm).Get(7, 5)), kBlue);
  D00_LoadPicture(0, 0, 0);  // kind 0 clears the window's picture
  EXPECT_NE(tq::ColorFromPixel(LayerImage(GameForm).Get(7, 5)), kBlue);

  D00_LoadPicture(1, 27, 0);  // no name: an empty picture, the size stays
  EXPECT_EQ(Layer(20).image.Width(), 8);
  EXPECT_EQ(At(20, 7, 5), 0u);
  D00_LoadPicture(1, 11, 99);
  D00_LoadPicture(3, 11, 1);  // no such target
  EXPECT_EQ(At(20, 7, 5), kBlue);
}

TEST_F(VadrimCatalogueLoad, SoundsByNumber) {
  struct Case {
    const char* name;
    bool conversation;
    int number;
    float offset;
    const char* file;  // below Kespa_Data/KespaSnd/, "" for nothing played
    int volume;
  } cases[] = {
      {"capped at 1.0", false, 22, 0.10f, "t22_Syouten_Pyu.wav", 100},
      {"below the base", false, 22, -0.10f, "t22_Syouten_Pyu.wav", 90},
      {"the swapped digits of 90", false, 90, 0.0f, "G091_Eve_Huuin_Bomn.wav", 95},
      {"the swapped digits of 91", false, 91, 0.0f, "G090_Eve_Huuin_Bomn_s.wav", 95},
      {"the last of the table", false, 135, 0.0f, "G051_Kan_Buwa2.wav", 95},
      {"the balloon sound", true, 41, -0.02f, "Inter/Fu41_Pu_Choku.wav", 95},
      {"25 shares 40's file", true, 25, 0.0f, "Inter/Fu40_Pu_Timer.wav", 100},
      {"conversation 0", true, 0, 0.0f, "", 0},
      {"conversation -1", true, -1, 0.0f, "", 0},
      {"conversation unlisted", true, 56, 0.0f, "", 0},
      {"title 0", false, 0, 0.0f, "", 0},
      {"title -1", false, -1, 0.0f, "", 0},
      {"title 101 halts nothing", false, 101, 0.0f, "", 0},
      {"title 12 names no folder", false, 12, 0.0f, "", 0},
      {"title below -1", false, -7, 0.0f, "", 0},
      {"title above 135", false, 300, 0.0f, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string loaded = Played(c.conversation ? D20_PlaySound : D00_PlaySound, c.number, c.offset);
    if (c.file[0] == '\0') {
      EXPECT_EQ(loaded, "");
      continue;
    }
    EXPECT_EQ(tq::RelativeTo(loaded, tq::ResolvePath(tq::ThePlatform().ProgramFolder())),
              std::string("Kespa_Data/KespaSnd/") + c.file);
    EXPECT_EQ(LastVolume(), c.volume);
  }
  // Every listed number plays, and the conversation's PlaySound is the mode's.
  for (const VadrimSoundTable& table : VadrimSoundTables()) {
    for (const VadrimSoundRow& row : table.rows) {
      const bool conversation = std::string(table.folder).find("Inter") != std::string::npos;
      EXPECT_NE(Played(conversation ? D20_PlaySound : D00_PlaySound, row.number, 0.0f), "") << row.number;
    }
  }
  EXPECT_EQ(VadrimSoundTables()[0].rows.size(), 19u);
  EXPECT_EQ(VadrimSoundTables()[1].rows.size(), 72u);
  int channel = 95;
  float offset = 0.0f;
  GameConfig.Settings[2] = 0;
  D00_PlaySound(22, channel, offset);
  EXPECT_EQ(h_->Platform().Recorder().Loaded(95), "") << "effect level 0 plays nothing";
}

TEST(VadrimMotionStore, FillsTheSlotFromTheDrawingState) {
  ResetMotionState();
  MotionSlot[3].MotionStartWidth = 40;
  MotionSlot[3].MotionEndHeight = 60;
  DrawState.CurrentLayer = 12;
  DrawState.CurrentRect = {1, 2, 30, 40};
  DrawState.TargetRect = {5, 6, 70, 80};
  D50_StoreSprite(3);
  DrawState.CurrentLayer = 14;
  DrawState.CurrentRect = {-920, 100, 0, 0};
  DrawState.TargetRect = {0, 200, 0, 0};
  D50_StoreSprite(3);
  const MotionSlotRecord& s = MotionSlot[3];
  EXPECT_EQ(s.MotionLayer, 14) << "only the second store stays";
  EXPECT_EQ(s.MotionStartX, -920);
  EXPECT_EQ(s.MotionStartY, 100);
  EXPECT_EQ(s.MotionEndX, 0);
  EXPECT_EQ(s.MotionEndY, 200);
  EXPECT_EQ(s.MotionStartWidth, 40) << "sizes of an earlier zoom stay";
  EXPECT_EQ(s.MotionEndHeight, 60);
  for (int slot : {-1, 50}) D50_StoreSprite(slot);  // outside the store: nothing, no crash
  EXPECT_EQ(MotionSlot[0].MotionLayer, 0);
  EXPECT_EQ(MotionSlot[49].MotionLayer, 0);
}

}  // namespace
