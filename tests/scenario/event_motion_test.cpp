// Event motion records (what they write and what they leave) and the finale series:
// the banners and bands arriving, the pieces sliding in and out, everything leaving.
#include <gtest/gtest.h>

#include <vector>

#include "engine/layers.h"
#include "normal_event_fixture.h"
#include "scenario/event_motion.h"
#include "scenario/motion_curves.h"
#include "scenario/script_store.h"

namespace scenario_test {
namespace {

TEST_F(NormalEventTest, MotionRecordsWriteOnlyTheirFields) {
  PrepareShown(12, 30, 40, 50, 60);
  auto fresh = [] {
    MotionSlotRecord s;
    s.MotionLayer = 99;
    s.MotionStartX = s.MotionStartY = s.MotionEndX = s.MotionEndY = 7;
    s.MotionStartWidth = s.MotionStartHeight = s.MotionEndWidth = s.MotionEndHeight = 7;
    return s;
  };
  MotionSlot[49] = fresh();
  EventMotionMark(49);
  EXPECT_EQ(MotionSlot[49].MotionLayer, 12);
  EXPECT_EQ(MotionSlot[49].MotionStartX, 30);
  EXPECT_EQ(MotionSlot[49].MotionStartY, 40);
  EXPECT_EQ(MotionSlot[49].MotionStartWidth, 7);
  EXPECT_EQ(MotionSlot[49].MotionEndX, 7);
  EXPECT_EQ(DrawState.CurrentRect.Width, 50);

  MotionSlot[0] = fresh();
  EventMotionMarkSize(0);
  EXPECT_EQ(MotionSlot[0].MotionStartWidth, 50);
  EXPECT_EQ(MotionSlot[0].MotionStartHeight, 60);
  EXPECT_EQ(MotionSlot[0].MotionEndWidth, 7);
  EXPECT_EQ(MotionSlot[0].MotionEndY, 7);

  MotionSlot[3] = fresh();
  EventMotionSet(1, 2, 3, 4, 3);
  EXPECT_EQ(MotionSlot[3].MotionLayer, 12);
  EXPECT_EQ(MotionSlot[3].MotionEndY, 4);
  EXPECT_EQ(MotionSlot[3].MotionStartWidth, 7);

  // Slots outside 0 to 49 are ignored: no other slot changes.
  const auto before = MotionSlot;
  for (int slot : {-1, 50, 1000}) {
    EventMotionMark(slot);
    EventMotionMarkSize(slot);
    EventMotionSet(9, 9, 9, 9, slot);
  }
  for (size_t i = 0; i < MotionSlot.size(); ++i) EXPECT_EQ(MotionSlot[i].MotionStartX, before[i].MotionStartX) << i;
}

// The four finale events in a row, as the Skelvane opening plays them; the first
// banner is made 500 pixels wide as soon as it is built.
TEST_F(NormalEventTest, FinaleSeriesArrivesAndLeaves) {
  std::vector<int> bannerX;
  int bandHeight = 0;
  const int frames40 = RunEvent(40, 0, 0, [&](int n) {
    if (n == 1) MoveLayer(4, RectOf(4).X, RectOf(4).Y, 500, RectOf(4).Height);
    if (n == 6) bandHeight = RectOf(2).Height;
    if (n >= 7 && n <= 15) bannerX.push_back(RectOf(4).X);
  });
  EXPECT_EQ(frames40, 27);
  EXPECT_EQ(bandHeight, RectOf(4).Height);
  ASSERT_EQ(bannerX.size(), 9u);
  EXPECT_EQ(bannerX.front(), 690);
  EXPECT_EQ(bannerX.back(), 190);
  EXPECT_EQ(RectOf(3).X, 240 + 190);
  EXPECT_EQ(RectOf(3).Width, RectOf(5).Width);
  EXPECT_EQ(RectOf(3).Height, 690);
  EXPECT_EQ(RectOf(5).X, RectOf(3).X);
  EXPECT_EQ(RectOf(5).Y, 345 - RectOf(5).Height / 2);
  for (int layer = 2; layer <= 5; ++layer) EXPECT_TRUE(LayerVisible(layer)) << layer;

  EXPECT_EQ(RunEvent(41, 0, 0), 16);
  const int tops[4] = {444, 450, 454, 456};
  const int dx[4] = {0, 96, 180, 225};
  const int rowLeft = 460 - (225 + RectOf(9).Width) / 2 - 12;
  std::vector<Rect> pieces;
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    pieces.push_back(RectOf(6 + k));
    EXPECT_EQ(pieces[k].Y, tops[k]);
    EXPECT_EQ(pieces[k].X, rowLeft + dx[k]);
    EXPECT_TRUE(LayerVisible(6 + k));
  }

  // Each piece moves left by its width at 20 pixels a frame, hidden in its last frame.
  int expected = 0;
  for (const Rect& p : pieces) expected += (p.Width + 19) / 20;
  EXPECT_EQ(RunEvent(42, 0, 0), expected);
  for (int k = 0; k < 4; ++k) {
    EXPECT_FALSE(LayerVisible(6 + k)) << k;
    EXPECT_EQ(RectOf(6 + k).X, pieces[k].X - pieces[k].Width) << k;
  }

  EXPECT_GT(RunEvent(43, 0, 0), 4);
  for (int layer = 2; layer <= 5; ++layer) EXPECT_FALSE(LayerVisible(layer)) << layer;
  EXPECT_EQ(RectOf(2).Height, 0);
  EXPECT_EQ(RectOf(3).Width, 0);
  EXPECT_EQ(RectOf(4).X, 460 - 500 / 2 - 100);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 4);  // each event finished its line
}

}  // namespace
}  // namespace scenario_test
