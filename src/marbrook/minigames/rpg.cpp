#include "marbrook/minigames/rpg.h"

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/extras_area.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "platform/pixels.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "scenario/motion_curves.h"
#include "games/motion_slot_store.h"

RpgStateRecord RpgState;

namespace {

constexpr int kSceneCode = 55;
constexpr int kHeroSheet = 0;
constexpr int kSpriteSheet = 1;
constexpr int kArrowSheet = 2;
constexpr int kArrowSize = 72;
constexpr int kWindowFontSize = 20;
constexpr int kTextEngraved = 20;
constexpr int kTextEmbossed = 21;
constexpr int kBattleMusic = 502;  // the lair's music, which a flight returns to


uint32_t White() { return tq::PixelFromColor(Grey(255)); }

// The game's constants, set every time the game is entered.
void SetConstants() {
  RpgState.G05MapBox = 10;
  RpgState.G05StatusBackBox = 30;
  RpgState.G05StatusBox = 31;
  RpgState.G05ArrowBox = 40;
  RpgState.G05WindowBox = 20;
  RpgState.G05HeroBox = 12;
  RpgState.G05TileBox = 11;
  RpgState.G05CellSize = 80;
  RpgState.HeroSpotX = WindowHeight() / 2 - 40;
  RpgState.HeroSpotY = WindowHeight() / 2 - 40;
  RpgState.WalkFrame = 0;
  RpgState.MessageWidth = 670;
  RpgState.MessageHeight = 200;
  RpgState.MessageX = 10;
  RpgState.MessageY = WindowHeight() - 210;
  RpgState.InnPrice = 2;
  RpgState.WeaponPrice = 50;
  RpgState.ArmourPrice = 30;
  ScreenButtons.ButtonFirstBox = 0;
}

void ShowHeroCell() {
  DrawState.CurrentLayer = RpgState.G05HeroBox;
  ClipCellToLayer(kHeroSheet, RpgState.G05CellSize * RpgState.WalkFrame, 0, RpgState.G05CellSize, RpgState.G05CellSize);
}

void Title() {
  switch (SceneCursor.SceneStep) {
    case 0:
      G05_NewGame();
      HideLayerRange(0, 49);
      C00_LoadPicture(0, kRpgPictureParts, 9);
      GoTo(kRpgTitle, 1);
      break;
    case 1:
      G05_Help();
      GoTo(kRpgTitle, 2);
      break;
    case 2:
      ShowLayer(RpgState.G05WindowBox, false);
      C00_LoadPicture(0, 0, 0);
      LayerInfo(GameForm).BackColor = 0;
      ClearLayerImage(GameForm);
      GoToNextTick(kRpgStart, 0);
      break;
    default: break;
  }
}

void Start() {
  if (SceneCursor.SceneStep != 0) return;
  DrawState.SheetIndex = kHeroSheet;
  C00_LoadPicture(2, kRpgPictureParts, 0);
  DrawState.SheetIndex = kSpriteSheet;
  C00_LoadPicture(2, kRpgPictureParts, 15);
  DrawState.CurrentLayer = RpgState.G05TileBox;
  DrawState.CurrentRect = {WindowWidth(), 0, 800, 80};
  PrepareLayer(kPreparePictureHidden);
  C00_LoadPicture(1, kRpgPictureParts, 15);
  DrawState.SheetIndex = kArrowSheet;
  C00_LoadPicture(2, kRpgPictureParts, 2);
  G05_StatusPanel(0);
  G05_StatusPanel(1);
  G05_StatusPanel(2);
  DrawState.CurrentLayer = RpgState.G05HeroBox;
  DrawState.CurrentRect = {RpgState.HeroSpotX, RpgState.HeroSpotY, RpgState.G05CellSize, RpgState.G05CellSize};
  PrepareLayer(kPreparePictureShown);
  ShowHeroCell();
  RpgState.TargetCode = 0;
  G05_ChangeMap();
  G05_LoadMap(RpgState.MapNumber);
  G05_ScrollMap();
  C15_PlayMusic(500);
  RpgState.TargetCode = -1;
  G05_BuildEvent();
  Wait(kRpgWindowOpen, 0);
  RpgState.EventPos = 0;
  GoToNextTick(kRpgEventList, 0);
}

void Walk() {
  if (RpgState.G05Direction < 1 || RpgState.G05Direction > 4) return;
  G05_JudgeMove();
  switch (RpgState.MoveKind) {
    case 1:
      Wait(kRpgHeroStep, 0);
      RpgState.HeroX = RpgState.TargetX;
      RpgState.HeroY = RpgState.TargetY;
      break;
    case 2:
      G05_BuildEvent();
      Wait(kRpgWindowOpen, 0);
      RpgState.EventPos = 0;
      GoToNextTick(kRpgEventList, 0);
      break;
    case 3:
      GameSound(513);
      Wait(kRpgHeroStep, 0);
      RpgState.HeroX = RpgState.TargetX;
      RpgState.HeroY = RpgState.TargetY;
      G05_ChangeMap();
      break;
    default: break;
  }
}

void Ending() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      HideLayerRange(0, 49);
      DrawState.CurrentLayer = RpgState.G05WindowBox;
      DrawState.CurrentRect = {0, 0, 1, 1};
      PrepareLayer(kPreparePictureShown);
      C00_LoadPicture(1, kRpgPictureParts, 6);
      int w = LayerWidth(RpgState.G05WindowBox);
      int h = LayerHeight(RpgState.G05WindowBox);
      MoveLayer(RpgState.G05WindowBox, CentreX(w), CentreY(h), w, h);
      GoTo(kRpgEnding, 1);
      break;
    }
    case 1:
      ShowLayer(RpgState.G05WindowBox, false);
      G05_Leave(0);
      break;
    default: break;
  }
}

// ---- Frames ----

// Ends the loop after frame `last` (frames count from 0).
bool LastFrame(int last) {
  if (AnimationRun.AnimationFrame >= last) {
    FrameClock.FrameLoopRunning = 0;
    return true;
  }
  ++AnimationRun.AnimationFrame;
  return false;
}

// Motion slot 0 := `layer` from its place to (x, y).
void StoreLayerMove(int layer, int x, int y) {
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.TargetRect = DrawState.CurrentRect;
  DrawState.TargetRect.X = x;
  DrawState.TargetRect.Y = y;
  D50_StoreSprite(0);
}

void StepMotion(int curve) {
  MotionState.CurrentMotionSlot = 0;
  MotionCurveStep(curve);
}

// One step of the map under the hero, in G05Direction; the scripted step keeps the
// hero's cell.
void StepFrame(bool scripted) {
  if (scripted) SetFrameLength(-1, 50);
  constexpr int kFrames = 5;
  if (AnimationRun.AnimationFrame == 0) {
    const int map = RpgState.G05MapBox;
    int x = LayerLeft(map);
    int y = LayerTop(map);
    switch (RpgState.G05Direction) {
      case 1: y += RpgState.G05CellSize; break;
      case 2: x -= RpgState.G05CellSize; break;
      case 3: y -= RpgState.G05CellSize; break;
      case 4: x += RpgState.G05CellSize; break;
      default: break;
    }
    StoreLayerMove(map, x, y);
    RpgState.WalkFrame = Toggle01(RpgState.WalkFrame);
    ShowHeroCell();
  }
  AnimationRun.AnimationLength = kFrames - 1;
  StepMotion(kMotionLinear);
  LastFrame(kFrames - 1);
}

void SpriteLegFrame() {
  SetFrameLength(-1, 50);
  constexpr int kFrames = 5;
  if (AnimationRun.AnimationFrame == 0) {
    const int layer = RpgState.G05HeroBox + RpgState.WaypointSprite + 1;
    const size_t i = static_cast<size_t>(RpgState.WaypointIndex) % RpgState.WaypointX.size();
    StoreLayerMove(layer, RpgState.HeroSpotX + RpgState.WaypointX[i] * LayerWidth(layer),
                   RpgState.HeroSpotY + RpgState.WaypointY[i] * LayerHeight(layer));
  }
  AnimationRun.AnimationLength = kFrames - 1;
  StepMotion(kMotionLinear);
  LastFrame(kFrames - 1);
}

// The message window growing from (opening) or shrinking to a small box in the
// middle of the message rectangle.
void WindowSizeFrame(bool opening) {
  const int layer = RpgState.G05WindowBox;
  const int frames = opening ? 11 : 7;
  const Rect full{RpgState.MessageX, RpgState.MessageY, RpgState.MessageWidth, RpgState.MessageHeight};
  if (AnimationRun.AnimationFrame == 0) {
    const int w = opening ? 60 : 4;
    const int h = opening ? 30 : 2;
    const Rect small{full.X + full.Width / 2 - w / 2, full.Y + full.Height / 2 - h / 2, w, h};
    if (opening) {
      GameSound(512, 1);
      DrawState.CurrentLayer = layer;
      DrawState.CurrentRect = small;
      PrepareLayer(kPreparePictureShown);
    }
    GetLayerRect(kRectIntoCurrent, layer);
    const Rect from = opening ? small : DrawState.CurrentRect;
    const Rect to = opening ? full : small;
    SetSizedMotionSlot(0, layer, from, to);
  }
  AnimationRun.AnimationLength = frames - 1;
  StepMotion(kMotionSizedLinear);
  ClearLayerImage(layer);
  RpgBorder(layer);
  if (LastFrame(frames - 1) && !opening) ShowLayer(layer, false);
}

void EnemyBlowFrame() {
  SetFrameLength(-1, 50);
  constexpr int kFrames = 11;
  const int layer = RpgState.G05WindowBox;
  if (AnimationRun.AnimationFrame == 0) {
    StoreLayerMove(layer, LayerLeft(layer), LayerTop(layer));
  }
  const MotionSlotRecord& s = MotionSlot[0];
  const int drop = AnimationRun.AnimationFrame % 2 != 0 && AnimationRun.AnimationFrame < kFrames - 1 ? 10 : 0;
  MoveLayer(layer, s.MotionStartX, s.MotionStartY + drop, LayerWidth(layer), LayerHeight(layer));
  LastFrame(kFrames - 1);
}

// Prints `lines` (1-based, from SplitFields) into `layer`, one row each.
void PrintRows(int layer, int x, int firstY, int rowHeight, int count, const std::vector<std::string>& lines) {
  TextStyle.TextFontSize = kWindowFontSize;
  for (int k = 1; k <= count; ++k) {
    TextStyle.CurrentText = lines[static_cast<size_t>(k)];
    TextStyle.TextX = x;
    TextStyle.TextY = firstY + rowHeight * (k - 1);
    PrintText(kTextEngraved, layer);
  }
}

}  // namespace

// ---- Shared helpers ----


int RpgCell(int column, int row) {
  if (column < -1 || column > 99 || row < -1 || row > 99) return 0;
  return RpgState.MapCells[static_cast<size_t>(column + 1)][static_cast<size_t>(row + 1)];
}

void RpgBorder(int layer) {
  tq::Surface& image = LayerImage(layer);
  int w = LayerWidth(layer);
  int h = LayerHeight(layer);
  for (int i = 0; i <= 2; ++i) tq::DrawBox(image, i, i, w - i - 1, h - i - 1, White());
}

void RpgFramedWindow(int layer, int x, int y, int width, int height) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, width, height};
  PrepareLayer(kPreparePictureShown);
  RpgBorder(layer);
}

void RpgPause() { RunPause(500); }

void RpgSlideUp(int layer) {
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.TargetRect = DrawState.CurrentRect;
  DrawState.TargetRect.Y = WindowHeight() - DrawState.CurrentRect.Height;
  EffectParams.EffectFrames = 5;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  EffectParams.EffectFrameDelay = 13;
  RunEffect(kEffectMove, EffectEnd::kReturn);
}

void RpgBlink(int layer, int frames) {
  DrawState.CurrentLayer = layer;
  EffectParams.EffectFrames = frames;
  EffectParams.EffectFrameDelay = 50;
  RunEffect(kEffectBlink, EffectEnd::kReturn);
}

void RpgSpriteLayer(int layer, int cell, int x, int y) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, RpgState.G05CellSize, RpgState.G05CellSize};
  PrepareLayer(kPreparePictureShown);
  ClipCellToLayer(kSpriteSheet, RpgState.G05CellSize * cell, 0, RpgState.G05CellSize, RpgState.G05CellSize);
}

std::string RpgFullWidth(int n) { return FullWidthNumber(n); }

// ---- Hooks ----

void G05_OnKey() {
  RpgState.G05KeyStep = 1;
  RpgState.G05Direction = 0;
  switch (InputEvent.KeyCode) {
    case tq::kKeyUp: RpgState.G05Direction = 1; break;
    case tq::kKeyRight: RpgState.G05Direction = 2; break;
    case tq::kKeyDown: RpgState.G05Direction = 3; break;
    case tq::kKeyLeft: RpgState.G05Direction = 4; break;
    default: break;
  }
  if (RpgState.G05Direction == 0 && InputEvent.AdvanceKeyDown != 1) {
    RpgState.G05KeyStep = 0;
    return;
  }
  G05_Step();
  RpgState.G05KeyStep = 0;
}

void G05_Step() {
  if (RpgState.G05KeyStep == 0) {
    // The arrow buttons stand for the arrow keys; a click elsewhere has no direction.
    const int button = InputEvent.InputSourceKind == 50 ? InputEvent.InputSourceIndex - RpgState.G05ArrowBox : -1;
    RpgState.G05Direction = RpgState.G05ArrowBox != 0 && button >= 0 && button <= 3 ? button + 1 : 0;
  }
  switch (SceneCursor.SceneState) {
    case kRpgSetUp:
      SetConstants();
      GoToNextTick(kRpgTitle, 0);
      break;
    case kRpgTitle: Title(); break;
    case kRpgStart: Start(); break;
    case kRpgWalk: Walk(); break;
    case kRpgEventList: G05_EventStep(); break;
    case kRpgSpriteWalk: G05_SpriteWalkStep(); break;
    case kRpgChoice: G05_ChoiceStep(); break;
    case kRpgBattle: G05_BattleStep(); break;
    case kRpgEnding: Ending(); break;
    default: break;
  }
}

bool G05_FrameGate() {
  const int code = FrameClock.AnimationCode;
  if (code < 1000) {
    C40_EffectStep();
    return true;
  }
  if (code <= 1099) return G05_Frame();
  return false;
}

bool G05_Frame() {
  switch (FrameClock.AnimationCode) {
    case kRpgHeroStep: StepFrame(false); return true;
    case kRpgSpriteLeg: SpriteLegFrame(); return true;
    case kRpgScriptedStep: StepFrame(true); return true;
    case kRpgWindowOpen: WindowSizeFrame(true); return true;
    case kRpgWindowClose: WindowSizeFrame(false); return true;
    case kRpgEnemyBlow: EnemyBlowFrame(); return true;
    default: return false;
  }
}

void G05_Leave(int kind) {
  if (kind == 0) SceneCursor.StageNumber = 80;
  SceneCursor.SceneCode = kConversationScene;
  GoTo(0, 10);
  Wait(-1, 1000);
}

void G05_NewGame() {
  RpgState.MapNumber = 0;
  RpgState.HeroLevel = 3;
  RpgState.HeroHP = 20;
  RpgState.HeroMaxHP = 20;
  RpgState.HeroAP = 3;
  RpgState.HeroDP = 2;
  RpgState.HeroGold = 0;
  RpgState.WeaponRank = 0;
  RpgState.WeaponBonus = 3;
  RpgState.ArmourRank = 0;
  RpgState.ArmourBonus = 3;
  RpgState.EventDone = {};
  RpgState.SlimeBeaten = 0;
  RpgState.SlimeHP = 30;
}

void G05_MessageWindow(int /*mode*/, const std::string& text) {
  std::vector<std::string> lines;
  int count = 0;
  SplitFields(text, "：", 29, lines, count);
  const int layer = RpgState.G05WindowBox;
  RpgFramedWindow(layer, RpgState.MessageX, RpgState.MessageY, RpgState.MessageWidth, RpgState.MessageHeight);
  PrintRows(layer, 10, 15, 30, count, lines);
}

void G05_ChoiceWindow(int kind) {
  const int base = RpgState.G05WindowBox + 1;
  int layer = base;
  Rect at{WindowWidth() / 2 - 100, WindowHeight(), 200, 95};
  if (kind == 10 || kind == 11) {
    layer = base + 1;
    at = {LayerLeft(base), LayerTop(base), 200, 95};
  } else if (kind != 0) {
    return;
  }
  RpgFramedWindow(layer, at.X, at.Y, at.Width, at.Height);
  const std::string rows[2] = {"（↑）　" + RpgState.ChoiceCaption[0], "（↓）　" + RpgState.ChoiceCaption[1]};
  TextStyle.TextFontSize = kWindowFontSize;
  for (int k = 0; k < 2; ++k) {
    TextStyle.CurrentText = rows[k];
    TextStyle.TextX = 10;
    TextStyle.TextY = 17 + 35 * k;
    PrintText(kTextEngraved, layer);
  }
  if (layer == base) return;
  const int k = kind - 10;
  tq::FillBox(LayerImage(layer), 10, 35 * k + 15, 190, 46 + 35 * k, White());
  TextStyle.CurrentText = rows[k];
  TextStyle.TextY = 17 + 35 * k;
  PrintText(kTextEmbossed, layer);
}

void G05_StatusPanel(int kind) {
  switch (kind) {
    case 0: {
      const int layer = RpgState.G05StatusBackBox;
      DrawState.CurrentLayer = layer;
      DrawState.CurrentRect = {WindowWidth(), 0, 1, 1};
      PrepareLayer(kPreparePictureShown);
      C00_LoadPicture(1, kRpgPictureParts, 1);
      MoveLayer(layer, WindowWidth() - LayerWidth(layer), 0, LayerWidth(layer), LayerHeight(layer));
      break;
    }
    case 1: {
      struct ValueRow {
        int x, y, width, height;
      };
      constexpr ValueRow kRows[8] = {{775, 175, 120, 28}, {772, 208, 52, 28},  {844, 208, 52, 28},
                                     {775, 241, 120, 28}, {775, 274, 120, 28}, {775, 307, 120, 28},
                                     {724, 366, 171, 24}, {724, 417, 171, 24}};
      const std::string texts[8] = {
          std::to_string(RpgState.HeroLevel),
          std::to_string(RpgState.HeroHP),
          std::to_string(RpgState.HeroMaxHP),
          std::to_string(RpgState.HeroAP + RpgState.WeaponBonus),
          std::to_string(RpgState.HeroDP + RpgState.ArmourBonus),
          std::to_string(RpgState.HeroGold),
          RpgState.WeaponRank == 0 ? "KNIFE" : "EXCALIBUR",
          RpgState.ArmourRank == 0 ? "SHIELD" : "FORCEFIELD",
      };
      for (int i = 0; i < 8; ++i) {
        const ValueRow& row = kRows[i];
        DrawState.CurrentLayer = RpgState.G05StatusBox + i;
        DrawState.CurrentRect = {row.x, row.y, row.width, row.height};
        PrepareLayer(kPreparePictureShown);
        TextStyle.TextFontSize = i < 6 ? 24 : 20;
        TextStyle.LineHeight = row.height;
        TextStyle.CurrentText = texts[i];
        G05_StatusLine(0);
      }
      break;
    }
    case 2: {
      // Up, right, down, left: cells of the arrow sheet side by side.
      const int at[4][2] = {{WindowWidth() - 151, WindowHeight() - 187},
                            {WindowWidth() - 79, WindowHeight() - 151},
                            {WindowWidth() - 151, WindowHeight() - 115},
                            {WindowWidth() - 223, WindowHeight() - 151}};
      for (int i = 0; i < 4; ++i) {
        DrawState.CurrentLayer = RpgState.G05ArrowBox + i;
        DrawState.CurrentRect = {at[i][0], at[i][1], kArrowSize, kArrowSize};
        PrepareLayer(kPreparePictureShown);
        ClipCellToLayer(kArrowSheet, kArrowSize * i, 0, kArrowSize, kArrowSize);
      }
      break;
    }
    default: break;
  }
}

void G05_StatusLine(int kind) {
  if (kind != 0) return;
  MeasureText(0);
  // Our stand-in font is wider than the one the panel was laid out for: a text that
  // would not fit its box is set smaller rather than cut at the left.
  const int room = LayerWidth(DrawState.CurrentLayer) - 1;
  while (TextStyle.MeasuredWidth > room && TextStyle.TextFontSize > 8) {
    --TextStyle.TextFontSize;
    MeasureText(0);
  }
  TextStyle.TextX = room - TextStyle.MeasuredWidth;
  TextStyle.TextY = -4;
  GlowText(0, 0, 100, 0.0f);
}

void G05_Help() {
  const std::string text =
      std::string("ゲームの遊び方：") + "移動、コマンド選択ともに、キーボードのカーソルキーのみで行います。：" +
      "メッセージの送りは、スペース・エンターキーも対応しています。：" +
      "右下の矢印ボタンをクリックすると、カーソルキーと同じ操作が可能です。：" + "では、がんばってください。";
  std::vector<std::string> lines;
  int count = 0;
  SplitFields(text, "：", 99, lines, count);
  constexpr int kPiece = 40;
  const int layer = RpgState.G05WindowBox;
  RpgFramedWindow(layer, CentreX(880), CentreY(200), 880, 200);
  LayerInfo(layer).FontName = "ＭＳ Ｐゴシック";
  int row = 0;
  for (int k = 1; k <= count; ++k) {
    const std::string& line = lines[static_cast<size_t>(k)];
    const int length = tq::CodePointCount(line);
    for (int piece = 0; piece <= length / kPiece; ++piece) {
      const size_t from = tq::CodePointOffset(line, piece * kPiece);
      TextStyle.CurrentText = line.substr(from, tq::CodePointOffset(line, (piece + 1) * kPiece) - from);
      // Our stand-in font sets wider than the one the window was laid out for: a
      // piece that would run past the border is set smaller rather than cut.
      TextStyle.TextFontSize = kWindowFontSize;
      MeasureText(0);
      while (TextStyle.MeasuredWidth > 880 - 2 * 15 && TextStyle.TextFontSize > 8) {
        --TextStyle.TextFontSize;
        MeasureText(0);
      }
      TextStyle.TextX = 15;
      TextStyle.TextY = 15 + 35 * row;
      PrintText(kTextEngraved, layer);
      ++row;
    }
  }
}

void RegisterRpg() {
  ScreenHookSet& screen = MarbrookScreen(kSceneCode);
  screen.Step = G05_Step;
  screen.Frame = G05_FrameGate;
  screen.OnKey = G05_OnKey;
}

void ResetRpgState() { RpgState = RpgStateRecord{}; }
