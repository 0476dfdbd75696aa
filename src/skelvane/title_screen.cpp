#include "skelvane/title_screen.h"

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/motion_curves.h"

TitleMenuStateRecord TitleMenuState;
TitleSlideRecord TitleSlide;

namespace {

enum : int {  // SceneState
  kQuitState = -999,
  kFromSystemMenu = -10,
  kLoadState = 0,
  kIntroState = 1,
  kMenuState = 10,
  kLeaveState = 15,
};
constexpr int kTitleWaitKind = 1000;
constexpr int kMenuButtonMode = 10;
constexpr int kFirstStage = 1;
constexpr int kTitlePictureKind = 17;

// Item values of each page, by item index (0 where the item does not exist).
constexpr int kItemValue[kTitlePageCount][kTitleItemCount] = {
    {0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9}, {0, 1, 2, 3, 4, 5, 6}, {2, 2, 2, 2},
};
// The enabled items: (page, item).
constexpr int kEnabled[][2] = {{0, 0}, {0, 2}, {0, 3}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {3, 0},
                               {3, 1}, {3, 2}, {3, 3}, {3, 5}, {3, 6}, {4, 0}, {4, 1}, {4, 2}, {4, 3}};

// Caption number of each shown button of a page, in slot order from the row's first.
constexpr int kPageCaptions[kTitlePageCount][6] = {
    {10, 12, 19},              // start, settings, quit
    {10, 11, 13},              // start, chapters, extras
    {21, 22},                  // gallery, music
    {14, 15, 16, 20, 21, 9},   // the three chapters, the bonus entry, gallery, back
    {20, 21, 22, 9},           // the extras page
};
// Texts of the chapter captions 14 to 16, which the caption table leaves to the caller.
constexpr const char* kChapterCaptions[] = {"序章　星の落ちた日", "題字", "第一話　基地の朝"};

struct CaptionRow {
  int number;
  const char* text;
  int scheme;
};
constexpr CaptionRow kCaptions[] = {
    {9, "戻る", 1},     {10, "ゲーム開始", 1}, {11, "途中から", 1}, {12, "CONFIG", 1}, {13, "おまけ", 1},
    {19, "終了", 4},    {20, "隊員名簿", 1},   {21, "ＣＧ鑑賞", 1}, {22, "音楽館", 1},
};

// Text colours of the lit style: TextColor, ShadeColor1 to ShadeColor5.
constexpr int kScheme1[6][3] = {{255, 255, 100}, {210, 210, 70}, {190, 190, 50}, {180, 180, 40}, {160, 160, 30}, {140, 140, 20}};
constexpr int kScheme4[6][3] = {{255, 100, 100}, {210, 70, 70}, {190, 50, 50}, {180, 40, 40}, {160, 3, 30}, {140, 20, 20}};

// The title's pictures, beside the Marbrook catalogue's (its picture root, "Title\").
struct TitlePictureRow {
  int kind;
  const char* name;
};
constexpr TitlePictureRow kTitlePictures[] = {
    {1, "SkTitle_Icons"},   {10, "SkTitle_Strips"}, {11, "SkTitle_Rise"},  {12, "SkTitle_Sky"},
    {13, "SkTitle_Band"},   {14, "SkTitle_Cells"},  {15, "SkTitle_Slide"}, {16, "SkTitle_Logo"},
    {17, "SkTitle_Back"},   {18, "SkTitle_Emblem"}, {20, "SkTitle_Menu0"}, {21, "SkTitle_Menu1"},
    {22, "SkTitle_Menu2"},  {23, "SkTitle_Menu3"},
};

void Back() {
  SceneCursor.SceneStep = 10;
  Wait(0, 0);
}

void Choose(int selection) {
  TitleMenuState.TitleSelection = selection;
  SceneCursor.SceneStep = 20;
  Wait(kTitleChoiceBlink, 0);
}

int SlotValue(int layer) {
  const int slot = layer - 10;
  return slot >= 0 && slot < kTitleSlotCount ? TitleMenuState.TitleSlotItem[slot] : -1;
}

void ResolveClick() {
  TitleMenuStateRecord& t = TitleMenuState;
  const int i = InputEvent.InputSourceKind == 50 ? InputEvent.InputSourceIndex : -1;
  const int v = SlotValue(i);
  if (i >= 10 && i <= 14) {
    if (t.TitleMenuPage != 0) return Back();
    if (v == 0 || v == 1) {
      t.TitleMenuPage = v + 1;
      SceneCursor.SceneStep = 5;
      Wait(0, 0);
    } else if (v == 3) {
      Choose(9);
    }
  } else if (i >= 15 && i <= 19) {
    if (t.TitleMenuPage == 1) {
      if (v == 4) {
        Choose(10);
      } else if (v == 5 || v == 6) {
        t.TitleMenuPage = v - 2;
        SceneCursor.SceneStep = 5;
        Wait(0, 0);
      }
    } else if (t.TitleMenuPage == 2) {
      if (v == 8 || v == 9) Choose(t.TitleSelection);
    } else {
      Back();
    }
  } else if (i >= 20 && i <= 29) {
    if (t.TitleMenuPage != 3) return Back();
    t.TitleSelectedItem = v;
    Choose(i + 90);
  } else if (t.TitleMenuRow > 0) {
    Back();
  }
}

// Back to the menu's first row over the finished title picture.
void ReopenMenu() {
  LoadTitlePicture(0, kTitlePictureKind);
  GoToNextTick(kIntroState, 6);
}

void StartConversation(int stage) {
  SceneCursor.StageNumber = stage;
  SceneCursor.SceneCode = kConversationScene;
  GoTo(0, 10);
  AnimationRun.WaitKind = 0;
}

void IntroStep() {
  switch (SceneCursor.SceneStep) {
    case 0: SceneCursor.SceneStep = 1; Wait(kTitleLogo, 0); break;
    case 1: SceneCursor.SceneStep = 5; Wait(kTitlePrelude, 0); break;
    case 5:
      LayerInfo(GameForm).BackColor = RgbColor(255, 255, 255);
      ClearLayerImage(GameForm);
      SceneCursor.SceneStep = 6;
      Wait(kTitleBuildUp, 0);
      break;
    case 6:
      SceneCursor.ButtonMode = kMenuButtonMode;
      LayoutTitleMenu(0);
      GoTo(kMenuState, -1);
      AnimationRun.AnimationArgA = 0;
      Wait(kTitleMenuAppears, 0);
      break;
    default: break;
  }
}

void MenuStep() {
  TitleMenuStateRecord& t = TitleMenuState;
  AnimationRunRecord& run = AnimationRun;
  switch (SceneCursor.SceneStep) {
    case -1: SceneCursor.SceneStep = 0; break;
    case 0: ResolveClick(); break;
    case 5:
      run.AnimationArgA = t.TitleMenuRow;
      run.AnimationArgB = t.TitleLastItem;
      Wait(kTitlePageLeft, 0);
      LayoutTitleMenu(t.TitleMenuPage);
      SceneCursor.SceneStep = t.TitleMenuPage == 3 ? 7 : 6;
      break;
    case 6: run.AnimationArgA = t.TitleMenuRow; SceneCursor.SceneStep = -1; Wait(kTitlePageEntered, 0); break;
    case 7: run.AnimationArgA = t.TitleMenuPage; SceneCursor.SceneStep = -1; Wait(kTitlePage3Entered, 0); break;
    case 10: SceneCursor.SceneStep = 11; Wait(0, 0); break;
    case 11:
      run.AnimationArgA = t.TitleMenuRow;
      run.AnimationArgB = t.TitleLastItem;
      SceneCursor.SceneStep = 12;
      Wait(kTitleRowLeaves, 0);
      break;
    case 12:
      // From row 0 there is no row before it: its own buttons come back.
      if (t.TitleMenuRow > 0) LayoutTitleMenu(t.TitleMenuRow - 1);
      run.AnimationArgA = t.TitleMenuRow;
      run.AnimationArgB = t.TitleLastItem;
      SceneCursor.SceneStep = -1;
      Wait(kTitleRowReturns, 0);
      break;
    case 20:
      if (t.TitleSelection == 9) {
        FormUnload();
      } else if (t.TitleSelection == 10 || (t.TitleSelection >= 100 && t.TitleSelection <= 199)) {
        for (int layer = 0; layer <= 29; ++layer) {
          if (layer != t.TitleHighlightLayer) ShowLayer(layer, false);
        }
        GoTo(kLeaveState, 0);
        Wait(-1, 200);
      } else {
        // A choice with no action goes back instead of leaving the menu stuck here.
        Back();
      }
      break;
    default: break;
  }
}

void LeaveStep() {
  TitleMenuStateRecord& t = TitleMenuState;
  switch (SceneCursor.SceneStep) {
    case 0: SceneCursor.SceneStep = 1; Wait(kTitleLeaveFirst, 0); break;
    case 1:
      for (int layer = 0; layer <= 29; ++layer) ShowLayer(layer, false);
      SceneCursor.SceneStep = 2;
      Wait(-1, 500);
      break;
    case 2: SceneCursor.SceneStep = 3; AnimationRun.AnimationArgA = 0; Wait(kTitleLeaveFade, 0); break;
    case 3: SceneCursor.SceneStep = 10; Wait(-1, 500); break;
    case 10:
      if (t.TitleSelection == 10) {
        SceneCursor.SceneStep = 11;
        Wait(kTitleAnnounce, 0);
        break;
      }
      // The chapter entries start their stage; the others have no screen of their
      // own in this game and lead back to the menu.
      switch (t.TitleSelectedItem) {
        case 0: StartConversation(1); Wait(-1, 500); break;
        case 1: StartConversation(2); Wait(-1, 500); break;
        case 2: StartConversation(10); Wait(-1, 500); break;
        default: ReopenMenu(); break;
      }
      break;
    case 11:
      for (int layer = 0; layer <= 3; ++layer) ShowLayer(layer, false);
      // The story starts at its opening stage, which chains to the others.
      StartConversation(kFirstStage);
      Wait(-1, 500);
      break;
    default: break;
  }
}

void SetSchemeColours(int scheme) {
  const int(*c)[3] = scheme == 4 ? kScheme4 : kScheme1;
  TextStyleRecord& s = TextStyle;
  uint32_t* fields[6] = {&s.TextColor, &s.ShadeColor1, &s.ShadeColor2, &s.ShadeColor3, &s.ShadeColor4, &s.ShadeColor5};
  for (int i = 0; i < 6; ++i) *fields[i] = RgbColor(c[i][0], c[i][1], c[i][2]);
}

void CentreCaption() {
  MeasureText(0);
  TextStyle.TextX = DrawState.CurrentRect.Width / 2 - TextStyle.MeasuredWidth / 2 - 1;
  TextStyle.TextY = DrawState.CurrentRect.Height / 2 - TextStyle.MeasuredHeight / 2 - 1;
}

double EaseOut(int start, int end, int f, int length) {
  if (length == 0) return end;
  const double rest = length - f;
  return end - (end - start) / (static_cast<double>(length) * length) * rest * rest;
}

}  // namespace

int TitleRowFirstLayer(int row) { return row == 0 ? 10 : (row == 1 ? 15 : 20); }

int TitlePageRow(int page) { return page == 0 ? 0 : (page <= 2 ? 1 : 2); }

int TitlePageLastItem(int page) {
  if (page < 0 || page >= kTitlePageCount) return -1;
  int last = -1;
  for (int enabled : TitleMenuState.TitleItemEnabled[page]) last += enabled == 1 ? 1 : 0;
  return last;
}

int TitleSlotCaption(int page, int slot) {
  if (page < 0 || page >= kTitlePageCount || slot < 0 || slot >= 6) return 0;
  return kPageCaptions[page][slot];
}

void LoadTitlePicture(int target, int kind) {
  for (const TitlePictureRow& row : kTitlePictures) {
    if (row.kind != kind) continue;
    LoadPictureIntoTarget(target, tq::ThePlatform().ProgramFolder() + "\\Tanselr_Data\\TanselrCG\\Title\\" + row.name + ".BMP");
    return;
  }
  LoadPictureIntoTarget(target, "");
}

void TitleStep() {
  switch (SceneCursor.SceneState) {
    case kLoadState:
      // The conversation's faces, minis and click-wait mark stay behind otherwise.
      HideAllLayers();
      DrawState.SheetIndex = 0;
      LoadTitlePicture(2, 1);
      AnimationRun.WaitKind = kTitleWaitKind;
      LayoutTitleMenu(10);
      GoToNextTick(kIntroState, 0);
      break;
    case kIntroState: IntroStep(); break;
    case kMenuState: MenuStep(); break;
    case kLeaveState: LeaveStep(); break;
    case kFromSystemMenu:
      if (SceneCursor.SceneStep == 0) {
        SceneCursor.SceneStep = 1;
        Wait(110, 0);  // the engine's closing wipe
      } else if (SceneCursor.SceneStep == 1) {
        SceneCursor.SceneStep = 2;
        Wait(121, 0);  // the engine's music step-down
      } else if (SceneCursor.SceneStep == 2) {
        // The title goes on with its intro and menu rather than standing idle.
        GoToNextTick(kLoadState, 0);
      }
      break;
    case kQuitState: FormUnload(); break;
    default: break;
  }
}

void LayoutTitleMenu(int page) {
  TitleMenuStateRecord& t = TitleMenuState;
  if (page == 10) {
    t.TitleRowX[0] = 420;
    t.TitleRowY[0] = 260;
    for (auto& row : t.TitleItemEnabled) {
      for (int& item : row) item = 0;
    }
    for (const auto& e : kEnabled) t.TitleItemEnabled[e[0]][e[1]] = 1;
    return;
  }
  if (page < 0 || page >= kTitlePageCount) return;
  t.TitleMenuPage = page;
  ReadState.ChoiceResult = -1;
  t.TitleLastItem = -1;
  const int row = TitlePageRow(page);
  const int base = row == 0 ? 0 : (row == 1 ? 5 : 10);
  t.TitleMenuRow = row;
  int k = 0;
  for (int i = 0; i < kTitleItemCount; ++i) {
    if (t.TitleItemEnabled[page][i] != 1) continue;
    t.TitleLastItem += 1;
    t.TitleSlotItem[base + k] = kItemValue[page][i];
    k += 1;
  }
}

void TitleMenuHover() {
  if (SceneCursor.ButtonMode != kMenuButtonMode) return;
  TitleMenuStateRecord& t = TitleMenuState;
  const int pointer = InputEvent.InputSourceKind == 50 ? InputEvent.InputSourceIndex : -1;
  // A highlighted button is drawn lit, the others plain.
  if (ReadState.ChoiceResult != -1 && t.TitleHighlightLayer != pointer) {
    DrawState.CurrentLayer = t.TitleHighlightLayer;
    DrawTitleMenuCaption(TitleSlotCaption(t.TitleMenuPage, t.TitleHighlightLayer - TitleRowFirstLayer(t.TitleMenuRow)), 0, 1);
    ReadState.ChoiceResult = -1;
  }
  if (pointer >= 10 && pointer <= 29) {
    ReadState.ChoiceResult = t.TitleSlotItem[pointer - 10];
    t.TitleHighlightLayer = pointer;
    DrawState.CurrentLayer = pointer;
    const int slot = pointer - TitleRowFirstLayer(t.TitleMenuRow);
    if (slot >= 0 && slot <= t.TitleLastItem) DrawTitleMenuCaption(TitleSlotCaption(t.TitleMenuPage, slot), 1, 1);
  }
}

void DrawTitleMenuCaption(int caption, int style, int layout) {
  int scheme = 0;
  for (const CaptionRow& row : kCaptions) {
    if (row.number != caption) continue;
    TextStyle.CurrentText = row.text;
    scheme = row.scheme;
  }
  if (caption >= 14 && caption <= 16) TextStyle.CurrentText = kChapterCaptions[caption - 14];
  TextStyle.TextFontSize = 16;
  TextWindow.WindowFrameStyle = 5;
  Rect& r = DrawState.CurrentRect;
  if (layout == 0) {
    MeasureText(0);
    r.Width = TextStyle.MeasuredWidth + 60;
    r.Height = TextStyle.MeasuredHeight + 20;
    CentreCaption();
    r.X = CentreX(0);
    r.Y = WindowHeight();
  } else if (layout == 1) {
    GetLayerRect(kRectIntoCurrent, DrawState.CurrentLayer);
    CentreCaption();
  } else if (layout == 2) {
    CentreCaption();
  }
  // Redrawing in place keeps the button's stacking place.
  if (layout != 0) DrawState.AutoRaiseOn = 0;
  const bool visible = tq::ThePlatform().Screen().Layer(DrawState.CurrentLayer).visible;
  PrepareLayer(visible || layout == 0 ? kPreparePictureShown : kPreparePictureHidden);
  if (style == 0) {
    DrawBevelFrame(10, 30, 30);
    PrintText(20, DrawState.CurrentLayer);
  } else if (style == 1) {
    DrawBevelFrame(10, 30, 30);
    if (scheme == 1 || scheme == 4) SetSchemeColours(scheme);
    else SetSchemeColours(1);
    PrintText(11, DrawState.CurrentLayer);
  }
}

void AnimateTitleButton(int kind) {
  AnimationRunRecord& run = AnimationRun;
  const MotionSlotRecord& m = MotionSlot[static_cast<size_t>(MotionState.CurrentMotionSlot)];
  const int f = run.AnimationFrame;
  const int length = run.AnimationLength;
  switch (kind) {
    case 10:
    case 11: {
      DrawState.CurrentLayer = m.MotionLayer;
      auto at = [kind, f, length](int start, int end) {
        return RoundHalfEven(kind == 10 ? Interpolate(start, end, f, length, NoFrames::kEnd)
                                        : EaseOut(start, end, f, length));
      };
      const int x = at(m.MotionStartX, m.MotionEndX);
      const int y = at(m.MotionStartY, m.MotionEndY);
      const tq::Surface& image = LayerImage(m.MotionLayer);
      MoveLayer(m.MotionLayer, x, y, image.Width(), image.Height());
      break;
    }
    case 15:
      if (f % 8 <= 3) {
        ShowLayer(DrawState.CurrentLayer, true);
        LayerToFront(DrawState.CurrentLayer);
      } else {
        ShowLayer(DrawState.CurrentLayer, false);
      }
      break;
    case 16: {
      // The chosen button blinks its own caption.
      const TitleMenuStateRecord& t = TitleMenuState;
      DrawState.CurrentLayer = t.TitleHighlightLayer;
      const int caption = TitleSlotCaption(t.TitleMenuPage, t.TitleHighlightLayer - TitleRowFirstLayer(t.TitleMenuRow));
      DrawTitleMenuCaption(caption, f % 8 <= 3 ? 1 : 0, 1);
      break;
    }
    case 20: {
      const int row = run.AnimationArgA;
      const int last = run.AnimationArgB;
      const int first = TitleRowFirstLayer(row);
      const int page = TitleMenuState.TitleMenuPage;
      const int start = WindowHeight();
      if (f == 0) {
        for (int b = 0; b <= last && b < 10; ++b) {
          DrawState.CurrentLayer = first + b;
          DrawTitleMenuCaption(TitleSlotCaption(page, b), 0, 0);
          TitleSlide.TitleSlideDone[b] = 0;
          TitleSlide.TitleSlideTargetY[b] = WindowHeight() / 2 + 50 + 50 * b;
        }
      }
      const int end = TitleSlide.TitleSlideTargetY[0] - 30;
      constexpr int kBounceLength = 40;
      bool allDone = true;
      for (int b = 0; b <= last && b < 10; ++b) {
        if (TitleSlide.TitleSlideDone[b] == 1) continue;
        const int t = f - 5 * b;
        allDone = false;
        if (t < 0) continue;
        const double rest = kBounceLength - 2.0 * t;
        int y = RoundHalfEven(end - (end - start) / static_cast<double>(kBounceLength * kBounceLength) * rest * rest);
        if (t > kBounceLength / 2 && y >= TitleSlide.TitleSlideTargetY[b]) {
          y = TitleSlide.TitleSlideTargetY[b];
          TitleSlide.TitleSlideDone[b] = 1;
        }
        const tq::LayerSurface& layer = tq::ThePlatform().Screen().Layer(first + b);
        MoveLayer(first + b, layer.x, y, layer.image.Width(), layer.image.Height());
      }
      run.AnimationFrame += 1;
      if (allDone) Wait(0, 0);
      break;
    }
    default: break;
  }
}

void ResetTitleState() {
  TitleMenuState = TitleMenuStateRecord{};
  TitleSlide = TitleSlideRecord{};
}
