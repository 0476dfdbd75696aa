// Input during a balloon move puts the balloon back where it stood and ends the line.
#include <gtest/gtest.h>

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::PlaceOf;
using scenario_test::LayerPlace;

TEST(BalloonMoveInput, AClickDuringAMoveReturnsTheBalloonHomeAndFinishesTheLine) {
  struct Case {
    int thought;
    int firstLayer;
    int parts;
  } cases[] = {{0, 11, 2}, {1, 14, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.thought);
    scenario_test::ScenarioScene scene;
    scenario_test::WindowSize();
    scenario_test::ShowFace(1, 10, 0, 0, 100, 100);
    scenario_test::Script({"[フキ移動]", "next"});
    ConvertScriptLine();  // the line in progress is the move (an action, not balloon text)
    LineState.CurrentSlot = 1;
    LineState.BalloonMoveThought = c.thought;
    for (int i = 0; i < c.parts; ++i) {
      scenario_test::PrepareShown(c.firstLayer + i, 300 + i, 300 + i, 20, 20);  // mid-move
      VoiceSettings.BalloonHomeX[i] = 100 + 10 * i;
      VoiceSettings.BalloonHomeY[i] = 50 + 10 * i;
    }
    FrameClock.WaitActive = -1;  // the move's loop is running
    AnimationRun.WaitKind = kWaitBalloonMove;
    InputEvent.MouseButton = 1;
    int window = -1;
    MouseDownHandler(0, window);
    for (int i = 0; i < c.parts; ++i) {
      EXPECT_EQ(PlaceOf(c.firstLayer + i), (LayerPlace{100 + 10 * i, 50 + 10 * i})) << i;
      EXPECT_EQ(tq::ThePlatform().Screen().Layer(c.firstLayer + i).image.Width(), 20);
    }
    EXPECT_EQ(AnimationRun.WaitKind, 0);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  }
}

}  // namespace
