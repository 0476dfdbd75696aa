// The opening before the Marbrook title menu: the logo (1001), the presentation with
// its spoken line (1002), the title assembled piece by piece (1003), the letter tiles'
// return (1004) and the last slide, then the finished title screen. A click during
// the first part skips to the second, a click during the second to the title screen
// (C00_BreakWait, by WaitKind 1000 and 1001).
#include <algorithm>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/title_menu.h"
#include "games/timed_effects.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/motion_curves.h"

namespace {

enum : int {  // AnimationCode
  kLogo = 1001,
  kPresentation = 1002,
  kTitleBuild = 1003,
  kTilesReturn = 1004,
};
enum : int { kSkipToTitle = 5, kTitleScreen = 6, kBuildMenu = 10 };  // SceneStep of state 1

constexpr int kTitleKind = 5;
constexpr int kTileCount = 7;
constexpr int kTileSize = 16;
constexpr int kLogoLayer = 9;

// What the frames keep between frames: start rectangles of their moves and the tiles'
// landing flags.
struct OpeningScratch {
  Rect from[10];
  int tileDone[kTileCount] = {};
};
OpeningScratch scratch;

int Ease(int s, int e, int f, int l) {
  const double rest = l - f;
  return RoundHalfEven(l == 0 ? e : e - (e - s) * rest * rest / (static_cast<double>(l) * l));
}

void WindowGrey(int v) {
  LayerInfo(GameForm).BackColor = Grey(std::clamp(v, 0, 255));
  ClearLayerImage(GameForm);
}

void LoadInto(int layer, int number) {
  DrawState.CurrentLayer = layer;
  C00_LoadPicture(1, kTitleKind, number);
}

void Show(int layer, int x, int y) {
  MoveLayerKeepingSize(layer, x, y);
  ShowLayer(layer, true);
  LayerToFront(layer);
}

// A black layer with a white one-pixel edge, as the logo's frame shrinks and grows.
void OutlinedBlack(int layer, const Rect& r) {
  LayerInfo(layer).BackColor = 0;
  MoveLayer(layer, r.X, r.Y, r.Width, r.Height);
  ClearLayerImage(layer);
  tq::DrawBox(LayerImage(layer), 0, 0, r.Width - 1, r.Height - 1, tq::PixelFromColor(Grey(255)));
}

Rect LinRect(const Rect& a, const Rect& b, int f, int l) {
  return {InterpolateRounded(a.X, b.X, f, l, NoFrames::kEnd), InterpolateRounded(a.Y, b.Y, f, l, NoFrames::kEnd),
          InterpolateRounded(a.Width, b.Width, f, l, NoFrames::kEnd),
          InterpolateRounded(a.Height, b.Height, f, l, NoFrames::kEnd)};
}

// Ends a step of the frames: the next starts at frame 0 after `pauseMs` (0: a frame).
void NextStep(int step, int pauseMs) {
  if (pauseMs > 0) SetFrameLength(-1, pauseMs);
  AnimationRun.AnimationStep = step;
  AnimationRun.AnimationSubStep = 0;
  AnimationRun.AnimationFrame = 0;
}

// Frame f of a step counted here; true on the step's last frame `last`.
bool Tick(int last) { return AnimationRun.AnimationFrame++ >= last; }

void TileCell(int layer, int tile, int x, int y) {
  DrawState.CurrentLayer = layer;
  ClipCellToLayer(0, kTileSize * tile, 0, kTileSize, kTileSize);
  Show(layer, x, y);
}

int TileX(int i) { return WindowWidth() - 140 + 19 * i; }

// ---- 1001, the logo ----
void LogoFrame() {
  const int f = AnimationRun.AnimationFrame;
  switch (AnimationRun.AnimationStep) {
    case 0: {
      const int w = WindowWidth();
      const Rect start{0, CentreY(w / 2), w, w / 2};
      const Rect end{CentreX(400), CentreY(200), 400, 200};
      if (f == 0) {
        DrawState.CurrentLayer = kLogoLayer;
        DrawState.CurrentRect = start;
        PrepareLayer(kPreparePictureShown);
      }
      if (f == 10) TitleSound(1);
      WindowGrey(255 - 10 * f);
      OutlinedBlack(kLogoLayer, LinRect(start, end, f, 24));
      if (!Tick(24)) return;
      WindowGrey(0);
      DrawState.CurrentLayer = kLogoLayer;
      PrepareLayer(kPreparePictureShown);
      C00_LoadPicture(1, kTitleKind, 5);
      MoveLayerKeepingSize(kLogoLayer, CentreX(LayerWidth(kLogoLayer)), CentreY(LayerHeight(kLogoLayer)));
      scratch.from[0] = {CentreX(LayerWidth(kLogoLayer)), CentreY(LayerHeight(kLogoLayer)), 0, 0};
      NextStep(1, 0);
      break;
    }
    case 1: {
      // A shake about its place: wide for 11 frames, narrow for 11 more.
      const int a = AnimationRun.AnimationSubStep == 0 ? 2 : 1;
      const Rect& home = scratch.from[0];
      MoveLayerKeepingSize(kLogoLayer, home.X + RandomRange(0, 2 * a) - a, home.Y + RandomRange(0, 2 * a) - a);
      if (!Tick(10)) return;
      AnimationRun.AnimationFrame = 0;
      if (++AnimationRun.AnimationSubStep < 2) return;
      MoveLayerKeepingSize(kLogoLayer, home.X, home.Y);
      NextStep(2, 500);
      break;
    }
    case 2:
    case 3: {
      const bool rising = AnimationRun.AnimationStep == 2;
      const int k = AnimationRun.AnimationSubStep;
      if (rising && k == 0 && f == 0) {
        DrawState.SheetIndex = 0;
        for (int i = 0; i < kTileCount; ++i) TileCell(i, i, TileX(i), WindowHeight());
      }
      if (f == 0) TitleSound(3, 1);
      const int y0 = rising ? WindowHeight() : WindowHeight() - 21;
      const int y1 = rising ? WindowHeight() - 21 : WindowHeight();
      MoveLayerKeepingSize(k, TileX(k), InterpolateRounded(y0, y1, f, 10, NoFrames::kEnd));
      if (!Tick(10)) return;
      AnimationRun.AnimationFrame = 0;
      if (++AnimationRun.AnimationSubStep < kTileCount) return;
      NextStep(AnimationRun.AnimationStep + 1, rising ? 500 : 100);
      break;
    }
    case 4: {
      if (f == 0) {
        TitleSound(2);
        GetLayerRect(kRectIntoCurrent, kLogoLayer);
        scratch.from[0] = DrawState.CurrentRect;
      }
      WindowGrey(255 - 10 * f);
      const Rect end{CentreX(10), CentreY(5), 10, 5};
      OutlinedBlack(kLogoLayer, LinRect(scratch.from[0], end, f, 12));
      if (!Tick(12)) return;
      WindowGrey(0);
      ShowLayer(kLogoLayer, false);
      FrameClock.FrameLoopRunning = 0;
      break;
    }
    default: FrameClock.FrameLoopRunning = 0; break;
  }
}

// ---- 1002, the presentation ----
void PresentationFrame() {
  DrawState.CurrentLayer = 0;
  const int f = AnimationRun.AnimationFrame;
  const int barY[2] = {ScreenSize.ScreenHalfHeight - 140, ScreenSize.ScreenHalfHeight};
  switch (AnimationRun.AnimationStep) {
    case 0:
      if (f == 0) ShowLayer(0, false);
      WindowGrey(21 * f);
      if (!Tick(12)) return;
      WindowGrey(255);
      NextStep(1, 500);
      break;
    case 1:
      if (f == 0) {
        DrawState.SheetIndex = 1;
        C00_LoadPicture(2, kTitleKind, 1);
        for (int i = 0; i < 2; ++i) {
          DrawState.CurrentLayer = i;
          ClipCellToLayer(1, 0, 140 * i, 800, 140);
          Show(i, i == 0 ? -800 : WindowWidth(), barY[i]);
        }
      }
      MoveLayerKeepingSize(0, InterpolateRounded(-800, CentreX(800), f, 8, NoFrames::kEnd), barY[0]);
      MoveLayerKeepingSize(1, InterpolateRounded(WindowWidth(), CentreX(800), f, 8, NoFrames::kEnd), barY[1]);
      if (!Tick(8)) return;
      NextStep(2, 1000);
      break;
    case 2: {
      if (f == 0) {
        LoadInto(2, 2);
        Show(2, CentreX(LayerWidth(2)), WindowHeight());
      }
      const int x = CentreX(LayerWidth(2));
      MoveLayerKeepingSize(2, x, Ease(WindowHeight(), WindowHeight() - LayerHeight(2), f, 50));
      if (!Tick(50)) return;
      VoiceSettings.VoiceChannel = 0;
      TitleSound(5, VoiceSettings.VoiceChannel);
      NextStep(3, 0);
      break;
    }
    case 3:
      // The spoken line is heard out before the bars leave.
      if (tq::ThePlatform().Sound().STNumPlaying(VoiceSettings.VoiceChannel) >= 1) return;
      NextStep(4, 0);
      break;
    case 4: {
      if (f == 0) {
        for (int i = 0; i < 3; ++i) scratch.from[i] = {LayerLeft(i), LayerTop(i), 0, 0};
      }
      MoveLayerKeepingSize(0, InterpolateRounded(scratch.from[0].X, WindowWidth(), f, 8, NoFrames::kEnd), barY[0]);
      MoveLayerKeepingSize(1, InterpolateRounded(scratch.from[1].X, -LayerWidth(1), f, 8, NoFrames::kEnd), barY[1]);
      MoveLayerKeepingSize(2, scratch.from[2].X,
                           InterpolateRounded(scratch.from[2].Y, WindowHeight(), f, 8, NoFrames::kEnd));
      if (!Tick(8)) return;
      NextStep(5, 1000);
      break;
    }
    default: Wait(0, 0); break;
  }
}

// ---- 1003, the title, one function a step ----
constexpr int kLetterX[6] = {65, 118, 169, 223, 277, 331};
constexpr int kLetterY[6] = {101, 108, 90, 80, 88, 77};

// Step 0: picture 10 rises from below the window past its top and turns back; the
// window takes the picture over once it is on its way down again.
void BackdropRise(int f) {
  if (f == 0) {
    LoadInto(0, 10);
    Show(0, 0, WindowHeight());
    TitleSound(30);
  }
  const int y = Ease(WindowHeight(), -100, f, 25);
  MoveLayerKeepingSize(0, 0, y);
  ++AnimationRun.AnimationFrame;
  if (f <= 25 || y <= 0) return;
  C00_LoadPicture(0, kTitleKind, 10);
  ShowLayer(0, false);
  NextStep(1, 100);
}

// Step 1: picture 11 slides in from the right.
void PanelSlideIn(int f) {
  if (f == 0) {
    LoadInto(1, 11);
    Show(1, WindowWidth(), 0);
    TitleSound(31, 1);
  }
  MoveLayerKeepingSize(1, Ease(WindowWidth(), 0, f, 10), 0);
  if (!Tick(10)) return;
  NextStep(2, 200);
}

// Step 2: the six letters of picture 12 appear one by one, each shaking about its place.
void LettersShake(int f) {
  const int k = AnimationRun.AnimationSubStep;
  if (k == 0 && f == 0) {
    DrawState.SheetIndex = 1;
    C00_LoadPicture(2, kTitleKind, 12);
    for (int i = 0; i < 6; ++i) {
      DrawState.CurrentLayer = 2 + i;
      ClipCellToLayer(1, 50 * i, 0, 50, 50);
      MoveLayerKeepingSize(2 + i, kLetterX[i], kLetterY[i]);
      ShowLayer(2 + i, false);
    }
  }
  if (f == 0) {
    TitleSound(32, k);
    ShowLayer(2 + k, true);
    LayerToFront(2 + k);
  }
  MoveLayerKeepingSize(2 + k, kLetterX[k] + RandomRange(0, 20) - 10, kLetterY[k] + RandomRange(0, 20) - 10);
  if (!Tick(10)) return;
  MoveLayerKeepingSize(2 + k, kLetterX[k], kLetterY[k]);
  AnimationRun.AnimationFrame = 0;
  if (++AnimationRun.AnimationSubStep < 6) return;
  NextStep(3, 0);
}

// Step 3: a band (layer 8) opens from a two-pixel line.
void BandOpen(int f) {
  if (f == 0) {
    DrawState.CurrentLayer = 8;
    DrawState.CurrentRect = {0, 393, WindowWidth(), 2};
    PrepareLayer(kPreparePictureShown);
    TitleSound(33);
  }
  MoveLayer(8, 0, InterpolateRounded(393, 349, f, 10, NoFrames::kEnd), WindowWidth(),
            InterpolateRounded(2, 89, f, 10, NoFrames::kEnd));
  if (!Tick(10)) return;
  NextStep(4, 0);
}

// Step 4: picture 13 slides to the right along the band.
void BandPictureSlide(int f) {
  if (f == 0) {
    LoadInto(9, 13);
    Show(9, 148, 349);
  }
  MoveLayerKeepingSize(9, InterpolateRounded(148, 348, f, 5, NoFrames::kEnd), 349);
  if (!Tick(5)) return;
  NextStep(5, 0);
}

// Step 5: the band closes to a line about its middle and goes.
void BandClose(int f) {
  if (f == 0) scratch.from[8] = {0, LayerTop(8), WindowWidth(), LayerHeight(8)};
  const Rect& band = scratch.from[8];
  const int y = InterpolateRounded(band.Y, band.Y + band.Height / 2, f, 10, NoFrames::kEnd);
  MoveLayer(8, 0, y, WindowWidth(), InterpolateRounded(band.Height, 2, f, 10, NoFrames::kEnd));
  if (!Tick(10)) return;
  ShowLayer(8, false);
  NextStep(6, 0);
}

// Step 6: ten strips of picture 14 fly in from both sides and stack into it.
void StripsGather(int f) {
  if (f == 0) {
    DrawState.SheetIndex = 2;
    C00_LoadPicture(2, kTitleKind, 14);
    TitleSound(34, 1);
    for (int i = 0; i < 10; ++i) {
      DrawState.CurrentLayer = 10 + i;
      ClipCellToLayer(2, 0, 4 * i, 606, 4);
      scratch.from[i] = Rect{i % 2 == 0 ? 640 : -606, RandomRange(457, 600), 0, 0};
      Show(10 + i, scratch.from[i].X, scratch.from[i].Y);
    }
  }
  for (int i = 0; i < 10; ++i) {
    MoveLayerKeepingSize(10 + i, InterpolateRounded(scratch.from[i].X, 301, f, 20, NoFrames::kEnd),
                         InterpolateRounded(scratch.from[i].Y, 446 + 4 * i, f, 20, NoFrames::kEnd));
  }
  if (!Tick(20)) return;
  LoadInto(10, 14);
  MoveLayerKeepingSize(10, 301, 446);
  HideLayerRange(11, 19);
  NextStep(7, 0);
}

// Step 7: two rows a frame of picture 15 are painted onto the window: even rows from
// the top, odd rows from the bottom, until the picture stands whole; then a layer
// holds it.
void RowsPainted(int f) {
  SetFrameLength(-1, 5);
  if (f == 0) {
    LoadInto(18, 15);
    ShowLayer(18, false);
  }
  const int top = WindowHeight() - 368;
  BitBltCopy(18, GameForm, BlitCoords(0, f, 296, 1, 0, top + f));
  BitBltCopy(18, GameForm, BlitCoords(0, 367 - f, 296, 1, 0, top + 367 - f));
  AnimationRun.AnimationFrame += 2;
  if (AnimationRun.AnimationFrame < 368) return;
  DrawState.CurrentLayer = 8;
  DrawState.CurrentRect = {0, top, 296, 368};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kTitleKind, 15);
  NextStep(8, 0);
}

void TitleBuildFrame() {
  const int f = AnimationRun.AnimationFrame;
  switch (AnimationRun.AnimationStep) {
    case 0: BackdropRise(f); break;
    case 1: PanelSlideIn(f); break;
    case 2: LettersShake(f); break;
    case 3: BandOpen(f); break;
    case 4: BandPictureSlide(f); break;
    case 5: BandClose(f); break;
    case 6: StripsGather(f); break;
    case 7: RowsPainted(f); break;
    default: FrameClock.FrameLoopRunning = 0; break;
  }
}

// ---- 1004, the letter tiles come back and settle on their line ----
void TilesReturnFrame() {
  const int rest = WindowHeight() - 21;
  const int peak = rest - 20;
  const int f = AnimationRun.AnimationFrame;
  if (AnimationRun.AnimationStep != 0) {
    FrameClock.FrameLoopRunning = 0;
    return;
  }
  if (f == 0) {
    DrawState.SheetIndex = 0;
    for (int i = 0; i < kTileCount; ++i) {
      TileCell(13 + i, i, TileX(i), WindowHeight());
      scratch.tileDone[i] = 0;
    }
    TitleSound(36);
  }
  int done = 0;
  for (int i = 0; i < kTileCount; ++i) {
    const int t = f - 3 * i;
    if (scratch.tileDone[i] == 0 && t >= 0) {
      const double d = 20.0 - 2.0 * t;
      int y = RoundHalfEven(peak + (WindowHeight() - peak) * d * d / 400.0);
      if (t > 10 && y >= rest) {
        y = rest;
        scratch.tileDone[i] = 1;
      }
      MoveLayerKeepingSize(13 + i, TileX(i), y);
    }
    done += scratch.tileDone[i];
  }
  ++AnimationRun.AnimationFrame;
  if (done == kTileCount) AnimationRun.AnimationStep = 1;
}

// State 1, step 5: the title's build, the tiles and the last slide, each skipped once
// a click has cleared WaitKind.
void TitleBuildStep() {
  AnimationRun.WaitKind = kWaitTitleMenu;
  WindowGrey(255);
  Wait(kTitleBuild, 0);
  if (AnimationRun.WaitKind != 0) Wait(kTilesReturn, 0);
  if (AnimationRun.WaitKind != 0) {
    TitleSound(35);
    LoadInto(11, 17);
    LoadInto(12, 18);
    const int y = 497 + LayerHeight(11) / 2 - LayerHeight(12) / 2;
    StoreMove(0, 11, WindowWidth(), 497, 292, 497);
    StoreMove(1, 12, WindowWidth(), y, 216, y);
    LayerToFront(11);
    LayerToFront(12);
    SlideIn(10, 1);
  }
  if (AnimationRun.WaitKind != 0) {
    DrawState.CurrentLayer = 12;
    GetLayerRect(kRectIntoCurrent, 12);
    DrawState.TargetRect = DrawState.CurrentRect;
    DrawState.TargetRect.X -= 30;
    EffectParams.EffectFrames = 10;
    EffectParams.EffectMotionKind = kMotionArcEaseOut;
    RunEffect(kEffectMovePaused, EffectEnd::kReturn);
  }
  SceneCursor.SceneStep = kTitleScreen;
  Wait(0, 0);
}

}  // namespace

void TitleSequenceStep() {
  if (SceneCursor.SceneState == 0) {
    C01_InitVars();
    DrawState.SheetIndex = 0;
    C00_LoadPicture(2, kTitleKind, 0);
    AnimationRun.WaitKind = kWaitTitle;
    GoToNextTick(1, 0);
    return;
  }
  switch (SceneCursor.SceneStep) {
    case 0:
      AnimationRun.WaitKind = kWaitTitle;
      SceneCursor.SceneStep = kSkipToTitle;
      Wait(kLogo, 0);
      if (AnimationRun.WaitKind != 0) Wait(kPresentation, 0);
      break;
    case kSkipToTitle: TitleBuildStep(); break;
    case kTitleScreen:
      AnimationRun.WaitKind = 0;
      C00_LoadPicture(0, kTitleKind, 20);
      HideLayerRange(0, 19);
      VoiceSettings.VoiceChannel = 0;
      TitleSound(10, VoiceSettings.VoiceChannel);
      // No wait: a click or an advance key brings the menu.
      SceneCursor.SceneStep = kBuildMenu;
      break;
    default: break;
  }
}

bool C01_Frame() {
  const int code = FrameClock.AnimationCode;
  if (code < 1000) {
    C40_EffectStep();
    return true;
  }
  SetFrameLength(0, 0);
  switch (code) {
    case kLogo: LogoFrame(); return true;
    case kPresentation: PresentationFrame(); return true;
    case kTitleBuild: TitleBuildFrame(); return true;
    case kTilesReturn: TilesReturnFrame(); return true;
    default: return false;
  }
}

void ResetTitleSequenceState() { scratch = OpeningScratch{}; }
