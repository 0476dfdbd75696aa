// The Skelvane title's animation codes (the Frame hook of scene 99).
#include <string>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/motion_curves.h"
#include "skelvane/title_screen.h"

namespace {

void WindowGrey(int n) {
  LayerInfo(GameForm).BackColor = Grey(n < 0 ? 0 : (n > 255 ? 255 : n));
  ClearLayerImage(GameForm);
}

void Place(int layer, int x, int y) {
  const tq::Surface& image = LayerImage(layer);
  MoveLayer(layer, x, y, image.Width(), image.Height());
}

int Ease(int s, int e, int f, int l) {
  const double rest = l - f;
  return RoundHalfEven(l == 0 ? e : e - (e - s) / (static_cast<double>(l) * l) * rest * rest);
}

void Prepare(int layer, int x, int y, int w, int h, bool shown) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(shown ? kPreparePictureShown : kPreparePictureHidden);
}

void Outline(int layer) {
  tq::Surface& image = LayerImage(layer);
  tq::DrawBox(image, 0, 0, image.Width() - 1, image.Height() - 1, tq::PixelFromColor(RgbColor(255, 255, 255)));
  image.MarkChanged();
}

// The next step; without a pause, the step's first frame also drops any length the
// step before set for itself.
void NextStep(int pauseMs) {
  NextAnimationStep(pauseMs);
  if (pauseMs <= 0) SetFrameLength(0, 0);
}

void Icon(int layer, int cell, int x, int y) {
  Prepare(layer, x, y, 16, 16, true);
  IconCell(cell);
  Place(layer, x, y);
}

// 900: the logo box, its jitter, the icons rising and dropping, the box closing.
void Logo() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  switch (r.AnimationStep) {
    case 0: {
      constexpr int kL = 24;
      const int w = InterpolateRounded(800, 300, f, kL, NoFrames::kEnd),
                h = InterpolateRounded(400, 150, f, kL, NoFrames::kEnd);
      if (f == 0) Prepare(9, WindowWidth() / 2 - 400, WindowHeight() / 2 - 200, 800, 400, true);
      WindowGrey(255 - 10 * f);
      MoveLayer(9, WindowWidth() / 2 - w / 2, WindowHeight() / 2 - h / 2, w, h);
      ClearLayerImage(9);
      Outline(9);
      if (f >= kL) {
        WindowGrey(0);
        ClearLayerImage(9);
        TextStyle.CurrentText = "制作";
        TextStyle.TextFontSize = 100;
        TextStyle.TextX = 19;
        TextStyle.TextY = 8;
        TextStyle.TextColor = Grey(255);
        TextStyle.ShadeColor1 = Grey(210);
        TextStyle.ShadeColor2 = Grey(170);
        TextStyle.ShadeColor3 = Grey(145);
        TextStyle.ShadeColor4 = Grey(140);
        TextStyle.ShadeColor5 = Grey(120);
        PrintText(11, 9);
        NextStep(0);
        return;
      }
      break;
    }
    case 1: {
      const int x = WindowWidth() / 2 - 150, y = WindowHeight() / 2 - 75;
      if (f < 22) {
        const int spread = f < 11 ? 2 : 1;
        Place(9, x + RandomRange(0, 2) - spread, y + RandomRange(0, 2) - spread);
      } else {
        Place(9, x, y);
        NextStep(500);
        return;
      }
      break;
    }
    case 2:
    case 3: {
      const int k = f / 11, t = f % 11;
      if (k >= 7) {
        NextStep(r.AnimationStep == 2 ? 500 : 100);
        return;
      }
      const int x = WindowWidth() - 140 + 19 * k;
      if (r.AnimationStep == 2 && t == 0) Icon(k, k, x, WindowHeight());
      const int h = WindowHeight();
      Place(k, x,
            r.AnimationStep == 2 ? InterpolateRounded(h, h - 21, t, 10, NoFrames::kEnd)
                                 : InterpolateRounded(h - 21, h, t, 10, NoFrames::kEnd));
      break;
    }
    case 4: {
      constexpr int kL = 12;
      if (f == 0) ClearLayerImage(9);
      const int w = InterpolateRounded(300, 10, f, kL, NoFrames::kEnd),
                h = InterpolateRounded(150, 5, f, kL, NoFrames::kEnd);
      MoveLayer(9, WindowWidth() / 2 - w / 2, WindowHeight() / 2 - h / 2, w, h);
      ClearLayerImage(9);
      Outline(9);
      WindowGrey(255 - 10 * f);
      if (f >= kL) {
        WindowGrey(0);
        ShowLayer(9, false);
        for (int k = 0; k < 7; ++k) ShowLayer(k, false);
        Wait(0, 0);
        return;
      }
      break;
    }
    default: Wait(0, 0); return;
  }
  r.AnimationFrame += 1;
}

// 901: the prelude: white, two strips, a picture rising, all leaving.
void Prelude() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  switch (r.AnimationStep) {
    case 0:
      if (f == 0) ShowLayer(0, false);
      WindowGrey((256 / 64) * f);
      if (f >= 64) {
        WindowGrey(255);
        NextStep(500);
        return;
      }
      break;
    case 1:
      if (f == 0) {
        DrawState.SheetIndex = 1;
        LoadTitlePicture(2, 10);
        Prepare(0, -800, WindowHeight() / 2 - 140, 800, 140, true);
        ClipCellToLayer(1, 0, 0, 800, 140);
        Prepare(1, WindowWidth(), WindowHeight() / 2, 800, 140, true);
        ClipCellToLayer(1, 0, 140, 800, 140);
      }
      Place(0, InterpolateRounded(-800, 0, f, 8, NoFrames::kEnd), WindowHeight() / 2 - 140);
      Place(1, InterpolateRounded(WindowWidth(), 0, f, 8, NoFrames::kEnd), WindowHeight() / 2);
      if (f >= 8) {
        NextStep(1000);
        return;
      }
      break;
    case 2: {
      if (f == 0) {
        Prepare(2, 0, WindowHeight(), 1, 1, true);
        LoadTitlePicture(1, 11);
      }
      const tq::Surface& image = LayerImage(2);
      Place(2, WindowWidth() / 2 - image.Width() / 2, Ease(WindowHeight(), WindowHeight() - image.Height(), f, 50));
      if (f >= 50) {
        NextStep(1500);
        return;
      }
      break;
    }
    case 3:
      Place(0, InterpolateRounded(0, WindowWidth(), f, 8, NoFrames::kEnd), LayerTop(0));
      Place(1, InterpolateRounded(0, -LayerImage(1).Width(), f, 8, NoFrames::kEnd), LayerTop(1));
      Place(2, LayerLeft(2),
            InterpolateRounded(WindowHeight() - LayerImage(2).Height(), WindowHeight(), f, 8, NoFrames::kEnd));
      if (f >= 8) {
        NextStep(1500);
        return;
      }
      break;
    default:
      for (int layer = 0; layer <= 2; ++layer) ShowLayer(layer, false);
      Wait(0, 0);
      return;
  }
  r.AnimationFrame += 1;
}

// ---- 903: the title builds up and waits for a click ----
// One function per step, given the step's frame. Each returns whether its frame is
// counted: false once it has moved the build-up on (to the next step, or to the next
// cell of its own step).

// The sky flies up past the window's top and settles as the background.
bool SkyRises(int f) {
  if (f == 0) {
    Prepare(0, 0, WindowHeight(), 1, 1, true);
    LoadTitlePicture(1, 12);
  }
  const int y = Ease(WindowHeight(), -100, f, 25);
  Place(0, 0, y);
  if (f > 25 && y > 0) {
    LoadTitlePicture(0, 12);
    ShowLayer(0, false);
    NextStep(100);
    return false;
  }
  return true;
}

// The band slides in from the right at y 32.
bool BandSlidesIn(int f) {
  if (f == 0) {
    Prepare(1, WindowWidth(), 32, 1, 1, true);
    LoadTitlePicture(1, 13);
  }
  Place(1, Ease(WindowWidth(), 0, f, 10), 32);
  if (f >= 10) {
    NextStep(200);
    return false;
  }
  return true;
}

// The six cells appear one after another, each jittering before it settles.
bool CellsSettle(int f) {
  static constexpr int kCellPlace[6][2] = {{5, 114}, {58, 121}, {109, 103}, {163, 93}, {217, 101}, {271, 90}};
  AnimationRunRecord& r = AnimationRun;
  if (f == 0 && r.AnimationSubStep == 0) {
    DrawState.SheetIndex = 1;
    LoadTitlePicture(2, 14);
    for (int k = 0; k < 6; ++k) {
      Prepare(2 + k, kCellPlace[k][0], kCellPlace[k][1], 50, 50, false);
      ClipCellToLayer(1, 50 * k, 0, 50, 50);
    }
  }
  const int k = r.AnimationSubStep;
  if (k >= 6) {
    NextStep(0);
    return false;
  }
  ShowLayer(2 + k, true);
  if (f < 11) {
    Place(2 + k, kCellPlace[k][0] + RandomRange(0, 20) - 10, kCellPlace[k][1] + RandomRange(0, 20) - 10);
    return true;
  }
  Place(2 + k, kCellPlace[k][0], kCellPlace[k][1]);
  r.AnimationSubStep += 1;
  r.AnimationFrame = 0;
  return false;
}

// The black band opens to 89 pixels high (step 3) or closes again (step 5).
bool BlackBand(int f, bool opening) {
  if (opening && f == 0) {
    Prepare(8, 0, 412, 800, 2, true);
  }
  const int h =
      opening ? InterpolateRounded(2, 89, f, 10, NoFrames::kEnd) : InterpolateRounded(89, 2, f, 10, NoFrames::kEnd);
  const int y = opening ? InterpolateRounded(412, 368, f, 10, NoFrames::kEnd)
                        : InterpolateRounded(368, 412, f, 10, NoFrames::kEnd);
  MoveLayer(8, 0, y, 800, h);
  if (f >= 10) {
    if (!opening) ShowLayer(8, false);
    NextStep(0);
    return false;
  }
  return true;
}

// A picture slides along inside the open black band.
bool SlideInBand(int f) {
  if (f == 0) {
    Prepare(9, 69, 368, 1, 1, true);
    LoadTitlePicture(1, 15);
  }
  Place(9, InterpolateRounded(69, 269, f, 5, NoFrames::kEnd), 368);
  if (f >= 5) {
    NextStep(0);
    return false;
  }
  return true;
}

// The logo gathers from ten 4-pixel slices flying in from either side.
bool LogoGathers(int f) {
  if (f == 0) {
    DrawState.SheetIndex = 2;
    LoadTitlePicture(2, 16);
    for (int k = 0; k < 10; ++k) {
      Prepare(10 + k, k % 2 == 0 ? 640 : -606, RandomRange(457, 600), 606, 4, true);
      ClipCellToLayer(2, 0, 4 * k, 606, 4);
      MotionSlot[static_cast<size_t>(k)].MotionStartX = LayerLeft(10 + k);
      MotionSlot[static_cast<size_t>(k)].MotionStartY = LayerTop(10 + k);
    }
  }
  for (int k = 0; k < 10; ++k) {
    const MotionSlotRecord& m = MotionSlot[static_cast<size_t>(k)];
    Place(10 + k, InterpolateRounded(m.MotionStartX, 194, f, 20, NoFrames::kEnd),
          InterpolateRounded(m.MotionStartY, 477 + 4 * k, f, 20, NoFrames::kEnd));
  }
  if (f >= 20) {
    Prepare(10, 194, 477, 606, 40, true);
    LoadTitlePicture(1, 16);
    Place(10, 194, 477);
    for (int k = 11; k <= 19; ++k) ShowLayer(k, false);
    NextStep(0);
    return false;
  }
  return true;
}

// The emblem is copied onto the window's bottom left two rows a frame, from its top
// and its bottom towards the middle.
bool EmblemDrawn(int f) {
  SetFrameLength(-1, 5);
  if (f == 0) {
    Prepare(18, 0, 0, 1, 1, false);
    LoadTitlePicture(1, 18);
  }
  const tq::Surface& emblem = LayerImage(18);
  const int row = f * 2;
  if (row >= 274) {
    NextStep(0);
    return false;
  }
  for (int y : {row, 273 - row}) {
    if (y < 0 || y >= emblem.Height()) continue;
    tq::CopyRect(LayerImage(GameForm), 0, WindowHeight() - 274 + y, emblem, 0, y, 220, 1);
  }
  LayerImage(GameForm).MarkChanged();
  return true;
}

// The seven icons hop up one after another and land at the bottom right; then the
// finished title picture replaces every layer.
bool IconsLand(int f) {
  TitleSlideRecord& s = TitleSlide;
  if (f == 0) {
    s.SlideTargetTop = WindowHeight() - 21;
    for (int k = 0; k < 7; ++k) {
      Icon(11 + k, k, WindowWidth() - 140 + 19 * k, WindowHeight());
      s.TitleSlideDone[k] = 0;
    }
  }
  const int start = WindowHeight(), end = s.SlideTargetTop - 20;
  constexpr int kL = 20;
  bool all = true;
  for (int k = 0; k < 7; ++k) {
    if (s.TitleSlideDone[k] == 1) continue;
    all = false;
    const int t = f - 3 * k;
    if (t < 0) continue;
    const double rest = kL - 2.0 * t;
    int y = RoundHalfEven(end - (end - start) / static_cast<double>(kL * kL) * rest * rest);
    if (t > kL / 2 && y >= s.SlideTargetTop) {
      y = s.SlideTargetTop;
      s.TitleSlideDone[k] = 1;
    }
    Place(11 + k, WindowWidth() - 140 + 19 * k, y);
  }
  if (all) {
    LoadTitlePicture(0, 17);
    for (int layer = 0; layer <= 18; ++layer) ShowLayer(layer, false);
    NextStep(0);
    return false;
  }
  return true;
}

void BuildUp() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  bool counted = false;
  switch (r.AnimationStep) {
    case 0: counted = SkyRises(f); break;
    case 1: counted = BandSlidesIn(f); break;
    case 2: counted = CellsSettle(f); break;
    case 3: counted = BlackBand(f, true); break;
    case 4: counted = SlideInBand(f); break;
    case 5: counted = BlackBand(f, false); break;
    case 6: counted = LogoGathers(f); break;
    case 7: counted = EmblemDrawn(f); break;
    case 8: counted = IconsLand(f); break;
    default: FrameClock.FrameLoopRunning = 0; return;
  }
  if (counted) r.AnimationFrame += 1;
}

// 905: the window darkens four times as the four menu pictures slide in, and the
// first row of buttons bounces in.
void MenuAppears() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  if (r.AnimationStep == 1) {
    AnimateTitleButton(20);
    return;
  }
  if (f == 0) {
    for (int k = 0; k < 4; ++k) {
      Prepare(9, 0, 0, 800, 600, false);
      AlphaBlendCopy(9, GameForm, 30, BlitCoords(0, 0, 800, 600, 0, 0, 800, 600));
      Prepare(k + 1, k % 2 == 0 ? -400 : WindowWidth(), 50 + 130 * k, 400, 100, true);
      LoadTitlePicture(1, 20 + k);
      Outline(k + 1);
    }
  }
  for (int k = 0; k < 4; ++k) {
    Place(k + 1, Ease(k % 2 == 0 ? -400 : WindowWidth(), WindowWidth() / 2 - 200, f > 25 ? 25 : f, 25), 50 + 130 * k);
  }
  r.AnimationFrame += 1;
  if (f >= 25) {
    // Then the first row of buttons bounces in over the pictures.
    r.AnimationArgA = 0;
    r.AnimationArgB = TitleMenuState.TitleLastItem;
    r.AnimationStep = 1;
    r.AnimationFrame = 0;
  }
}

// 910: the chosen caption blinks.
void ChoiceBlink() {
  AnimationRunRecord& r = AnimationRun;
  AnimateTitleButton(16);
  if (r.AnimationFrame == 0) r.AnimationFrame = 24;
  r.AnimationFrame += 1;
  if (r.AnimationFrame >= 32) Wait(0, 0);
}

// 911, 915, 916: the clicked button moves left and is hidden.
void ButtonLeaves(int distance, int length) {
  AnimationRunRecord& r = AnimationRun;
  const int layer = TitleMenuState.TitleHighlightLayer;
  MotionStateRecord& ms = MotionState;
  if (r.AnimationFrame == 0) {
    ms.CurrentMotionSlot = 0;
    MotionSlotRecord& m = MotionSlot[0];
    m.MotionLayer = layer;
    m.MotionStartX = LayerLeft(layer);
    m.MotionStartY = LayerTop(layer);
    m.MotionEndX = m.MotionStartX - distance;
    m.MotionEndY = m.MotionStartY;
    ShowLayer(layer, true);
  }
  r.AnimationLength = length;
  ms.CurrentMotionSlot = 0;
  AnimateTitleButton(10);
  r.AnimationFrame += 1;
  if (r.AnimationFrame > length) {
    ShowLayer(layer, false);
    Wait(0, 0);
  }
}

// 912: the clicked button drops away as the next row bounces in.
void PageLeft() {
  AnimationRunRecord& r = AnimationRun;
  const int f = r.AnimationFrame;
  const int layer = TitleMenuState.TitleHighlightLayer;
  if (f == 0) {
    GetLayerRect(kRectIntoCurrent, layer);
    // One row stands at a time: the row left behind goes with its clicked button.
    for (int k = 0; k <= r.AnimationArgB && k < 10; ++k) ShowLayer(TitleRowFirstLayer(r.AnimationArgA) + k, false);
    ShowLayer(layer, false);
    DrawState.CurrentLayer = 9;
    const int caption = TitleSlotCaption(r.AnimationArgA == 0 ? 0 : (r.AnimationArgA == 1 ? 1 : 3),
                                         layer - TitleRowFirstLayer(r.AnimationArgA));
    DrawState.AutoRaiseOn = -1;
    DrawTitleMenuCaption(caption, 1, 2);
    MotionSlot[9].MotionStartY = DrawState.CurrentRect.Y;
    // The row that bounces in is the chosen page's, which is laid out only after
    // this loop: take its row and item count from the page itself.
    r.AnimationArgA = TitlePageRow(TitleMenuState.TitleMenuPage);
    r.AnimationArgB = TitlePageLastItem(TitleMenuState.TitleMenuPage);
  }
  if (f <= 10) Place(9, LayerLeft(9), InterpolateRounded(MotionSlot[9].MotionStartY, 600, f, 10, NoFrames::kEnd));
  else ShowLayer(9, false);
  AnimateTitleButton(20);  // counts the frame and ends the loop with the row
}

// 913: the row's buttons slide left one after another and vanish.
void RowLeaves() {
  AnimationRunRecord& r = AnimationRun;
  const int row = r.AnimationArgA;
  const int k = r.AnimationFrame / 4, t = r.AnimationFrame % 4;
  if (k > r.AnimationArgB) {
    Wait(0, 0);
    return;
  }
  const int layer = TitleRowFirstLayer(row) + k;
  if (t == 0) MotionSlot[0].MotionStartX = LayerLeft(layer);
  Place(layer, InterpolateRounded(MotionSlot[0].MotionStartX, MotionSlot[0].MotionStartX - 50, t, 3, NoFrames::kEnd),
        LayerTop(layer));
  if (t == 3) ShowLayer(layer, false);
  r.AnimationFrame += 1;
}

// 914: the row being entered comes back to its places.
void RowReturns() {
  AnimationRunRecord& r = AnimationRun;
  const int row = TitleMenuState.TitleMenuRow;
  const int first = TitleRowFirstLayer(row);
  const int f = r.AnimationFrame;
  for (int k = 0; k <= TitleMenuState.TitleLastItem && k < 10; ++k) {
    MotionSlotRecord& m = MotionSlot[static_cast<size_t>(10 + k)];
    if (f == 0) {
      m.MotionStartX = LayerLeft(first + k);
      m.MotionStartY = LayerTop(first + k);
      ShowLayer(first + k, true);
    }
    // Row 0 returns to its own origin; the other rows have none and return to the
    // places they bounced in to.
    const int tx =
        row == 0 ? TitleMenuState.TitleRowX[0] - 10 * k : WindowWidth() / 2 - LayerImage(first + k).Width() / 2;
    const int ty = row == 0 ? TitleMenuState.TitleRowY[0] + 42 * k : WindowHeight() / 2 + 50 + 50 * k;
    Place(first + k, InterpolateRounded(m.MotionStartX, tx, f, 4, NoFrames::kEnd),
          InterpolateRounded(m.MotionStartY, ty, f, 4, NoFrames::kEnd));
  }
  r.AnimationFrame += 1;
  if (f >= 4) Wait(0, 0);
}

// 917: the window fades to black.
void LeaveFade() {
  AnimationRunRecord& r = AnimationRun;
  WindowGrey(256 - 4 * r.AnimationFrame);
  r.AnimationFrame += 1;
  if (r.AnimationFrame > 64) Wait(0, 0);
}

// 920: the announcement glows in part by part, the whole line centred.
void Announcement() {
  AnimationRunRecord& r = AnimationRun;
  TextStyleRecord& s = TextStyle;
  SetFrameLength(-1, 50);
  std::vector<std::string> fields;
  int count = 0;
  SplitFields(kTitleAnnouncement, "：", 9, fields, count);
  std::vector<std::string> parts(fields.begin() + 1, fields.begin() + 1 + count);
  const int p = r.AnimationStep;
  if (p >= static_cast<int>(parts.size()) || p >= 4) {
    Wait(0, 0);
    return;
  }
  s.TextFontSize = 16;
  s.TextBold = 0;
  s.TextItalic = 0;
  if (p == 0 && r.AnimationFrame == 0) {
    std::string whole;
    for (const std::string& part : parts) whole += part;
    s.CurrentText = whole;
    MeasureText(0);
    s.LetterCursorX = WindowWidth() / 2 - s.MeasuredWidth / 2;
  }
  s.CurrentText = parts[static_cast<size_t>(p)];
  MeasureText(0);
  if (r.AnimationFrame == 0) {
    const int h = s.MeasuredHeight + 10;
    Prepare(p, s.LetterCursorX, WindowHeight() / 2 - h / 2, s.MeasuredWidth + 4, h, true);
  }
  DrawState.CurrentLayer = p;
  s.TextX = 0;
  s.TextY = 5;
  GlowText(0, 0, 0, 0.1f * (r.AnimationFrame + 1));
  r.AnimationFrame += 1;
  if (r.AnimationFrame >= 10) {
    s.LetterCursorX += s.MeasuredWidth;
    r.AnimationStep += 1;
    r.AnimationFrame = 0;
    SetFrameLength(-1, 1000);
  }
}

}  // namespace

bool TitleFrameAnimations() {
  // A pause lengthens only the frame after it: every frame starts at the normal length.
  SetFrameLength(0, 0);
  switch (FrameClock.AnimationCode) {
    case kTitleLogo: Logo(); return true;
    case kTitlePrelude: Prelude(); return true;
    case kTitleBuildUp: BuildUp(); return true;
    case kTitleMenuAppears: MenuAppears(); return true;
    case kTitleChoiceBlink: ChoiceBlink(); return true;
    case kTitlePageEntered: ButtonLeaves(75, 5); return true;
    case kTitlePageLeft: PageLeft(); return true;
    case kTitleRowLeaves: RowLeaves(); return true;
    case kTitleRowReturns: RowReturns(); return true;
    case kTitlePage3Entered: ButtonLeaves(75, 5); return true;
    case kTitleLeaveFirst: ButtonLeaves(50, 4); return true;
    case kTitleLeaveFade: LeaveFade(); return true;
    case kTitleAnnounce: Announcement(); return true;
    default: return false;  // no frames: the loop ends
  }
}
