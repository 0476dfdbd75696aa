#include "engine/menu_sequences.h"

#include <algorithm>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/motion_slots.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "platform/pixels.h"

namespace {

constexpr int kBlinkFrames = 14;
// The wipes cover the original's 640 by 480 picture area, whatever the window's size.
constexpr int kWipeWidth = 640;
constexpr int kWipeHeight = 480;
constexpr int kCellWidth = 80;
constexpr int kCellHeight = 96;

// Sequence 100: the bar blinks between its normal and confirmed look, then the
// panel collapses onto its centre, and the chosen row's command runs.
void ConfirmFrame() {
  AnimationRunRecord& run = AnimationRun;
  if (run.AnimationStep == 0) {
    SetFrameLength(50, 0);
    SystemMenu(run.AnimationFrame % 2 == 0 ? 11 : 12, SystemMenuState.MenuHoverItem);
    run.AnimationFrame += 1;
    if (run.AnimationFrame >= kBlinkFrames) {
      ShowLayer(SystemLayerSet.MenuHighlightLayer, false);
      run.AnimationStep = 1;
      SetFrameLength(0, 0);
    }
    return;
  }

  const int panel = SystemLayerSet.MenuPanelLayer;
  GetLayerRect(kRectIntoCurrent, panel);
  MotionSlotRecord& start = MotionSlot[0];
  if (run.AnimationSubStep == 0) {
    run.AnimationSubStep = 1;
    start.MotionStartX = DrawState.CurrentRect.X;
    start.MotionStartY = DrawState.CurrentRect.Y;
    start.MotionStartWidth = DrawState.CurrentRect.Width;
    start.MotionStartHeight = DrawState.CurrentRect.Height;
  }
  const int x0 = start.MotionStartX;
  const int y0 = start.MotionStartY;
  const int w0 = start.MotionStartWidth;
  const int h0 = start.MotionStartHeight;
  DrawState.StepDoneCount = 0;
  // A panel narrower than 8 pixels would never shrink: take at least one pixel a frame.
  auto shrink = [](int size, int full) {
    size -= std::max(1, full / 8);
    if (size <= 0) {
      DrawState.StepDoneCount += 1;
      return 0;
    }
    return size;
  };
  const int width = shrink(DrawState.CurrentRect.Width, w0);
  const int height = shrink(DrawState.CurrentRect.Height, h0);
  DrawState.CurrentLayer = panel;
  DrawState.CurrentRect = {x0 + w0 / 2 - width / 2, y0 + h0 / 2 - height / 2, width, height};
  ShowLayer(panel, false);
  MoveLayer(panel, DrawState.CurrentRect.X, DrawState.CurrentRect.Y, width, height);
  LayerToFront(panel);
  SystemMenu(25, 0);
  ShowLayer(panel, true);

  if (width == 0 && height == 0) {
    MenuAction(99);
    MenuAction(11);
    // Every command ends this loop; one that does nothing must not leave the menu
    // running its empty command every frame with all input blocked.
    FrameClock.FrameLoopRunning = 0;
  }
}

// Sequence 110, variant 0: line pairs closing in from the top and the bottom.
void LineWipeFrame() {
  tq::Surface& window = LayerImage(GameForm);
  const int f = AnimationRun.AnimationFrame;
  tq::DrawLine(window, 0, f, kWipeWidth, f, 0);
  tq::DrawLine(window, 0, kWipeHeight - 1 - f, kWipeWidth, kWipeHeight - 1 - f, 0);
  AnimationRun.AnimationFrame += 2;
  if (AnimationRun.AnimationFrame >= kWipeHeight) {
    SetLayerPicture(GameForm, tq::Surface());
    Wait(0, 0);
  }
}

// Sequence 110, variant 10: black cells spiralling inwards, one a frame. Column,
// row and lap are kept in AnimationFrame, AnimationSubStep and AnimationStep.
void SpiralWipeFrame() {
  int& c = AnimationRun.AnimationFrame;
  int& r = AnimationRun.AnimationSubStep;
  int& lap = AnimationRun.AnimationStep;
  int& direction = SystemMenuState.MenuSequencePhase;
  // The start is the only time all three are 0: every later lap is at least 1.
  if (c == 0 && r == 0 && lap == 0) direction = 1;
  tq::FillBox(LayerImage(GameForm), kCellWidth * c, kCellHeight * r, kCellWidth * c + kCellWidth,
              kCellHeight * r + kCellHeight, 0);
  bool endWipe = false;
  switch (direction) {
    case 1:
      c += 1;
      if (kCellWidth * c >= kWipeWidth - kCellWidth * lap) {
        c -= 1;
        direction = 2;
        endWipe = lap >= (kWipeHeight / kCellHeight) / 2;
      }
      break;
    case 2:
      r += 1;
      if (kCellHeight * r >= kWipeHeight - kCellHeight * lap) {
        r -= 1;
        direction = 3;
      }
      break;
    case 3:
      c -= 1;
      if (kCellWidth * c < kCellWidth * lap) {
        c += 1;
        direction = 0;
        lap += 1;
      }
      break;
    case 0:
      r -= 1;
      if (kCellHeight * r < kCellHeight * lap) {
        r += 1;
        direction = 1;
      }
      break;
    default:
      // A direction no frame sets: end rather than fill the same cell for ever.
      endWipe = true;
      break;
  }
  if (endWipe) {
    SetLayerPicture(GameForm, tq::Surface());
    Wait(0, 0);
  }
}

// Sequence 121: the music steps down a tenth of its start volume every 200 ms.
void MusicFadeFrame() {
  AnimationRunRecord& run = AnimationRun;
  if (run.AnimationStep == 0) {
    SetFrameLength(-1, 200);
    run.AnimationFrame += 1;
    // Never louder than the music plays now: muted or quieter music is not raised
    // for the fade.
    const int base = std::min(SoundState.MusicFadeBase, MusicLevelVolume());
    // At least one step a frame, so that a small base still reaches 0.
    int volume = base - std::max(1, base / 10) * run.AnimationFrame;
    if (volume < 0) volume = 0;
    SetMusicVolumeRaw(volume);
    if (volume == 0) {
      run.AnimationStep = 1;
      SetFrameLength(0, 0);
    }
    return;
  }
  StopChannel(MusicChannel);
  Wait(0, 0);
}

}  // namespace

bool MenuSequence() {
  switch (FrameClock.AnimationCode) {
    case kMenuClickConfirm:
      ConfirmFrame();
      return true;
    case kCloseWipe:
      if (SystemMenuState.SequenceVariant == 0) {
        LineWipeFrame();
        return true;
      }
      if (SystemMenuState.SequenceVariant == 10) {
        SpiralWipeFrame();
        return true;
      }
      return false;
    case kMenuMusicFade:
      MusicFadeFrame();
      return true;
    default:
      return false;
  }
}
