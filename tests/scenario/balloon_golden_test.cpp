// The balloons as a player sees them: two drawn faces, a speech balloon with its tail
// and Japanese text, and a thought balloon with its bubbles, opened by their
// animations and composed over the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/drawing_fixture.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_store.h"
#include "scenario/skelvane_conversation.h"
#include "face_picture.h"
#include "support/golden_image.h"

namespace {

using drawing_test::DrawingTest;
using scenario_test::WriteFaceBmp;

// Face slot s on layer `layer` at (x, y), its picture from a BMP, its balloons on the
// default layers above it.
void PlaceFace(int s, int layer, int x, int y, const std::string& picture) {
  FaceSlot.FaceLayer[s] = layer;
  FaceSlot.BalloonLayer[s] = layer + 1;
  FaceSlot.ThoughtLayer[s] = layer + 4;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, 1, 1};
  PrepareLayer(kPreparePictureShown);
  LoadPictureIntoTarget(1, picture);
  MoveLayer(layer, x, y, 120, 160);
  // As "[顔の設定]" stacks them: the balloon's tail, then its body, then the thought
  // balloon's bubbles and body over the face.
  for (int part : {2, 1, 7, 6, 5, 4}) LayerToFront(layer + part);
}

void RunLine(const std::string& line) {
  ScriptStore.ScriptLineCount = 0;
  ScriptStore.CurrentScriptLine = 0;
  PushScriptLine(line);
  ExecuteScriptLine();
}

using BalloonGoldenTest = DrawingTest;

TEST_F(BalloonGoldenTest, FacesWithASpeechBalloonAndAThoughtBalloon) {
  GameMode = kModeSkelvane;
  SceneCursor.SceneCode = 10;
  SceneCursor.SceneState = 99;  // no conversation step of its own between the lines
  TextWindow.BalloonFrameThickness = 30;
  TextWindow.NarrationLayer = 19;
  SetDefaultThoughtLayout();

  // A sky-blue window with a grass-green ground.
  DrawState.CurrentLayer = 1;
  DrawState.CurrentRect = {0, 0, 920, 690};
  PrepareLayer(kPreparePictureShown);
  LayerToBack(1);
  tq::FillRect(LayerImage(1), {0, 0, 920, 520}, tq::PixelFromColor(RgbColor(170, 210, 240)));
  tq::FillRect(LayerImage(1), {0, 520, 920, 170}, tq::PixelFromColor(RgbColor(120, 180, 110)));

  const std::string a = (std::filesystem::path(Root()) / "face_a.bmp").string();
  const std::string b = (std::filesystem::path(Root()) / "face_b.bmp").string();
  WriteFaceBmp(a, 120, 160, {255, 240, 200}, {90, 60, 30});
  WriteFaceBmp(b, 120, 160, {220, 240, 255}, {30, 30, 40});
  PlaceFace(1, 20, 120, 330, a);
  PlaceFace(2, 40, 700, 60, b);

  RunLine("[フキA]：●1：フ種=(10,0,-1)：フ音=-1：こんにちは！：きょうは　いい　てんきですね。");
  RunLine("[フキA]：●2：フ種=(43,0,-1)：フ音=-1：おひるは　なにを　たべようかな？");
  ShowLayer(NoticeBoxLayer(), false);

  Screen().Compose();
  tq::testing::ExpectMatchesGolden(Screen().Frame(), "balloons_speech_and_thought");
}

}  // namespace
