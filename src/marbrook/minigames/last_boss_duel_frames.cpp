// What the last-boss duel shows: its layouts, the hit-point and damage panels, the
// fighters' balloons, the banners and the frame codes 1000 to 1020.
#include <algorithm>
#include <string>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/marbrook_pictures.h"
#include "platform/platform.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/minigames/last_boss_duel.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_moves.h"
#include "scenario/face_slots.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "games/motion_slot_store.h"

namespace {


constexpr int kBannerSound = 12;
constexpr int kHitFrameMs = 40;
constexpr int kBevelScheme = 100;

// The balloon geometry of the two fighters' face slots.
struct SlotGeometry {
  int slot, faceLeft, faceTop, faceLayer, balloonLayer;
  int balloonWidth, balloonHeight, balloonX, balloonY, side, tailX, tailY, tailWidth, tailHeight;
};
constexpr SlotGeometry kSlots[] = {
    {kDuelPlayerSlot, -35, 320, 30, 31, 550, 140, 251, 125, 0, 235, 184, 32, 23},
    {kDuelBossSlot, 270, 0, 10, 11, 650, 160, -25, 230, 2, 289, 214, 23, 32},
};

// Hit-point panels: size, start place and font size by side.
struct PanelRow {
  int width, height, startX, startY, fontSize;
};
PanelRow Panel(int side) {
  return side == kDuelPlayer ? PanelRow{120, 60, 58, WindowHeight(), 36} : PanelRow{200, 100, 250, -100, 70};
}

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : kDuelPlayerSlot; }
size_t SlotIndex() { return static_cast<size_t>(Slot()); }

// White with grey shades, or red from 9 down (and for damage).
void NumberColours(bool red) {
  TextStyleRecord& t = TextStyle;
  if (red) {
    t.TextColor = RgbColor(255, 0, 0);
    t.ShadeColor1 = RgbColor(180, 0, 0);
    t.ShadeColor2 = RgbColor(140, 0, 0);
    t.ShadeColor3 = RgbColor(80, 0, 0);
  } else {
    t.TextColor = RgbColor(255, 255, 255);
    t.ShadeColor1 = Grey(180);
    t.ShadeColor2 = Grey(140);
    t.ShadeColor3 = Grey(80);
  }
  t.OutlineWidth = 2;
}

// The panels hold nothing but their number, which 100 fills from side to side, so
// the duel names the points in the fighter's picture just right of the panel. The
// caption belongs to the panel: it is printed only while the panel stands in its
// place, never in the opening before the panels come in, nor after they leave.
bool PanelInPlace(int side) {
  const int layer = DuelState.HpPanelFirstBox + side;
  const Rect at = G00_HpPanelPlace(side);
  return tq::ThePlatform().Screen().Layer(layer).visible && LayerLeft(layer) == at.X && LayerTop(layer) == at.Y;
}

void CaptionHitPoints(int side, int layer) {
  if (!PanelInPlace(side)) return;
  const SlotGeometry& g = kSlots[side == kDuelPlayer ? 0 : 1];
  const Rect panel = G00_HpPanelPlace(side);
  TextStyle.CurrentText = "体力";
  TextStyle.TextFontSize = 14;
  MeasureText(0);
  NumberColours(false);
  TextStyle.TextX = panel.X + panel.Width + 3 - g.faceLeft;
  TextStyle.TextY = panel.Y + (panel.Height - TextStyle.MeasuredHeight) / 2 - g.faceTop;
  PrintText(1, layer);
}

// A number printed centred in a layer of the given size.
void PrintCentred(int layer, const std::string& text, int fontSize, int width, int height) {
  TextStyle.CurrentText = text;
  TextStyle.TextFontSize = fontSize;
  MeasureText(0);
  TextStyle.TextX = (width - TextStyle.MeasuredWidth) / 2;
  TextStyle.TextY = (height - TextStyle.MeasuredHeight) / 2;
  PrintText(1, layer);
}

// The card i's place once dealt.
Rect CardPlace(int i) { return {324 + 270 * (i % 2), 450 + 100 * (i / 2), 240, 80}; }

void DealCards() {
  const int last = G00_LastCard();
  for (int i = 0; i <= 3; ++i) ShowLayer(ScreenButtons.HoverFirstBox + i, false);
  for (int i = 0; i <= last; ++i) {
    const Rect to = CardPlace(i);
    const Rect from{to.X, WindowHeight(), to.Width, to.Height};
    DrawState.CurrentLayer = ScreenButtons.HoverFirstBox + i;
    DrawState.CurrentRect = from;
    PrepareLayer(kPreparePictureShown);
    ClipCellToLayer(kDuelCardSheet, (i % 2) * 240, (3 + i / 2) * 80, 240, 80);
    DrawState.CurrentRect = from;
    DrawState.TargetRect = to;
    D50_StoreSprite(i);
  }
  EffectParams.EffectLastSlot = last;
  EffectParams.EffectFrames = 10;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  EffectParams.EffectFrameDelay = 13;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
}

void ScreenPictures() {
  C00_LoadPicture(0, 33, 0);
  for (int side : {kDuelBoss, kDuelPlayer}) {
    const SlotGeometry& g = kSlots[side == kDuelPlayer ? 0 : 1];
    DrawState.CurrentLayer = g.faceLayer;
    DrawState.CurrentRect = {g.faceLeft, g.faceTop, 0, 0};
    PrepareLayer(kPreparePictureShown);
    G00_Picture(side, 0);
    LayerToBack(g.faceLayer);
  }
}

void SlotLayout(const SlotGeometry& g) {
  const size_t s = static_cast<size_t>(g.slot);
  LineState.CurrentSlot = g.slot;
  FaceSlot.FaceLayer[s] = g.faceLayer;
  FaceSlot.BalloonLayer[s] = g.balloonLayer;
  // No recoil of a conversation moves the duel's balloons.
  FaceSlot.PartOffsetX[s] = {0, 0};
  FaceSlot.PartOffsetY[s] = {0, 0};
  BalloonGeometryRecord& b = BalloonGeometry;
  b.FaceLeft = g.faceLeft;
  b.FaceTop = g.faceTop;
  b.SlotBalloonWidth[s] = g.balloonWidth;
  b.SlotBalloonHeight[s] = g.balloonHeight;
  b.SlotBalloonRelX[s] = g.balloonX;
  b.SlotBalloonRelY[s] = g.balloonY;
  b.SlotBalloonSide[s] = g.side;
  b.SlotTailRelX[s] = g.tailX;
  b.SlotTailRelY[s] = g.tailY;
  b.SlotTailWidth[s] = g.tailWidth;
  b.SlotTailHeight[s] = g.tailHeight;
  TextWindow.WindowLayer = g.balloonLayer;
  BalloonMove.BalloonMoveLayer = g.balloonLayer;
}

// Damage panel 21 + side slides 50 px to the right into its place by its hit-point panel.
void DamageIn(int side) {
  const int layer = DuelState.DamagePanelFirstBox + side;
  GetLayerRect(kRectIntoCurrent, DuelState.HpPanelFirstBox + side);
  const Rect hp = DrawState.CurrentRect;
  GetLayerRect(kRectIntoCurrent, layer);
  Rect to = DrawState.CurrentRect;
  to.X = hp.X + hp.Width / 2 - to.Width / 2;
  to.Y = side == kDuelPlayer ? hp.Y - to.Height + 5 : hp.Y + hp.Height - 5;
  G00_Glide(kEffectMove, layer, {to.X - 50, to.Y, to.Width, to.Height}, to, 5, kMotionEaseOut);
}

// The balloon of the current slot at size (w, h), anchored in its full place by the
// slot's side code, with its bevelled frame.
void PlaceBalloon(int w, int h) {
  const size_t s = SlotIndex();
  const BalloonGeometryRecord& b = BalloonGeometry;
  const int fullW = b.SlotBalloonWidth[s];
  const int fullH = b.SlotBalloonHeight[s];
  PlaceSlotPicture(0, 0);
  const int x = DrawState.CurrentRect.X;
  const int y = DrawState.CurrentRect.Y;
  Rect r{x, y + fullH / 2 - h / 2, w, h};
  switch (b.SlotBalloonSide[s]) {
    case 1: r = {x + fullW - w, y + fullH / 2 - h / 2, w, h}; break;
    case 2: r = {x + fullW / 2 - w / 2, y, w, h}; break;
    case 3: r = {x + fullW / 2 - w / 2, y + fullH - h, w, h}; break;
    default: break;
  }
  const int layer = FaceSlot.BalloonLayer[s];
  ShowLayer(layer, false);
  MoveLayer(layer, r.X, r.Y, r.Width, r.Height);
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = r;
  LayerInfo(layer).BackColor = RgbColor(255, 255, 255);
  if (r.Width <= 0 || r.Height <= 0) return;
  DrawBevelFrame(10, TextWindow.BalloonFrameThickness, kBevelScheme);
  ShowLayer(layer, true);
}

void BalloonOpenFrame() {
  const size_t s = SlotIndex();
  const int fullW = BalloonGeometry.SlotBalloonWidth[s];
  const int fullH = BalloonGeometry.SlotBalloonHeight[s];
  const int layer = FaceSlot.BalloonLayer[s];
  if (AnimationRun.AnimationFrame == 0) {
    BalloonShowSound(0);
    PlaceSlotPicture(0, 0);
    DuelState.BalloonNowWidth = fullW / 5;
    DuelState.BalloonNowHeight = fullH / 5;
    DrawState.CurrentLayer = layer;
    DrawState.CurrentRect.Width = DuelState.BalloonNowWidth;
    DrawState.CurrentRect.Height = DuelState.BalloonNowHeight;
    DrawState.AutoRaiseOn = 0;
    PrepareLayer(kPreparePictureShown);
    ShowLayer(layer, false);
    const int variant = 0;
    BalloonParts(2, variant);
  }
  ++AnimationRun.AnimationFrame;
  PlaceSlotPicture(1, -1);
  ShowLayer(layer + 1, true);
  DuelState.BalloonNowWidth = std::min(DuelState.BalloonNowWidth + fullW / 10, fullW);
  DuelState.BalloonNowHeight = std::min(DuelState.BalloonNowHeight + fullH / 10, fullH);
  PlaceBalloon(DuelState.BalloonNowWidth, DuelState.BalloonNowHeight);
  if (DuelState.BalloonNowWidth < fullW || DuelState.BalloonNowHeight < fullH) return;
  FrameClock.FrameLoopRunning = 0;
  // The text, in the style G00_Balloon chose.
  TextStyle.TextFontSize = DuelState.BalloonFontSize;
  TextStyle.TextX = 15;
  TextStyle.TextY = 12;
  TextStyle.LineHeight = DuelState.BalloonFontSize + 12;
  TextWindow.WindowFrameStyle = 0;
  LineCode.ActionCode = 0;
  FaceSlot.TextSlotIndex = -1;  // the duel keeps no text for a conversation to redraw
  PlaceSlotPicture(0, 0);
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {DrawState.CurrentRect.X, DrawState.CurrentRect.Y, fullW, fullH};
  BalloonText(20);
  FaceSlot.SpeechState[s] = kBalloonShown;
}

void BalloonCloseFrame() {
  const size_t s = SlotIndex();
  const int fullW = BalloonGeometry.SlotBalloonWidth[s];
  const int fullH = BalloonGeometry.SlotBalloonHeight[s];
  const int layer = FaceSlot.BalloonLayer[s];
  if (AnimationRun.AnimationFrame == 0) {
    GetLayerRect(kRectIntoCurrent, layer);
    DuelState.BalloonNowWidth = DrawState.CurrentRect.Width;
    DuelState.BalloonNowHeight = DrawState.CurrentRect.Height;
  }
  ++AnimationRun.AnimationFrame;
  DuelState.BalloonNowWidth = std::max(DuelState.BalloonNowWidth - fullW / 7, 0);
  DuelState.BalloonNowHeight = std::max(DuelState.BalloonNowHeight - fullH / 7, 0);
  // A balloon smaller than a seventh would never shrink: it ends at once.
  if (fullW / 7 <= 0) DuelState.BalloonNowWidth = 0;
  if (fullH / 7 <= 0) DuelState.BalloonNowHeight = 0;
  PlaceBalloon(DuelState.BalloonNowWidth, DuelState.BalloonNowHeight);
  if (DuelState.BalloonNowWidth <= fullW * 3 / 7) ShowLayer(layer + 1, false);
  if (DuelState.BalloonNowWidth > 0 || DuelState.BalloonNowHeight > 0) return;
  ShowLayer(layer, false);
  FaceSlot.SpeechState[s] = kBalloonHidden;
  FrameClock.FrameLoopRunning = 0;
}

void ShakeFrame() {
  if (AnimationRun.AnimationFrame == 0) {
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
    LineState.BalloonMoveThought = 0;
    BalloonMove.BalloonMoveLayer = FaceSlot.BalloonLayer[SlotIndex()];
    BalloonMoveGather();
  }
  if (AnimationRun.AnimationFrame >= AnimationRun.AnimationLength) {
    std::array<float, 4> home = {-99.0f, -99.0f, -99.0f, -99.0f};
    BalloonMoveApply(0, 0, home);
    FrameClock.FrameLoopRunning = 0;
    return;
  }
  std::array<float, 4> factors = {-99.0f, -99.0f, -99.0f, -99.0f};
  const int dx = RandomRange(0, 10) - 5;
  const int dy = RandomRange(0, 10) - 5;
  BalloonMoveApply(dx, dy, factors);
  ++AnimationRun.AnimationFrame;
}

void HitFrame() {
  SetFrameLength(-1, kHitFrameMs);
  const int face = FaceSlot.FaceLayer[SlotIndex()];
  const int flash = ScreenButtons.PictureFirstBox;
  const int f = AnimationRun.AnimationFrame;
  if (f == 0) {
    GetLayerRect(kRectIntoCurrent, face);
    DrawState.CurrentLayer = flash;
    PrepareLayer(kPreparePictureShown);
    LayerInfo(flash).BackColor = RgbColor(255, 255, 255);
    ClearLayerImage(flash);
    LayerToBack(flash);
    LayerToBack(face);
    AnimationRun.AnimationLength = EffectParams.EffectFrames > 0 ? EffectParams.EffectFrames : 12;
    // The guard frame stays visible behind the face: a guarded hit flashes briefly.
    if (Slot() == kDuelPlayerSlot && DuelState.DuelGuard[0] == 1) {
      LayerToBack(DuelState.GuardMarkBox);
      AnimationRun.AnimationLength = 4;
    }
  }
  static constexpr int kSoundFrames[5][4] = {{0, -1, -1, -1}, {0, -1, -1, -1}, {0, 2, -1, -1}, {0, 2, 4, -1}, {0, 4, 8, 12}};
  const int kind = std::clamp(DuelState.DuelHitKind, 0, 4);
  for (int at : kSoundFrames[kind]) {
    if (at == f) GameSound(kind == 0 ? 10 : 11);
  }
  ShowLayer(flash, f % 2 == 1);
  ++AnimationRun.AnimationFrame;
  if (AnimationRun.AnimationFrame < AnimationRun.AnimationLength) return;
  ShowLayer(flash, false);
  FrameClock.FrameLoopRunning = 0;
}

void GuardColour(uint32_t colour) {
  const int mark = DuelState.GuardMarkBox;
  LayerInfo(mark).BackColor = colour;
  ClearLayerImage(mark);
}

void GuardFrame() {
  constexpr uint32_t kBlue = RgbColor(0, 128, 255);
  constexpr int kFrames = 20;
  const int mark = DuelState.GuardMarkBox;
  if (AnimationRun.AnimationFrame == 0) {
    GetLayerRect(kRectIntoCurrent, FaceSlot.FaceLayer[SlotIndex()]);
    const Rect face = DrawState.CurrentRect;
    DrawState.CurrentLayer = mark;
    DrawState.CurrentRect = {face.X - 50, face.Y - 50, face.Width + 100, face.Height + 100};
    PrepareLayer(kPreparePictureShown);
    GuardColour(kBlue);
    LayerToBack(mark);
    MotionSlotRecord& m = MotionSlot[0];
    m.MotionLayer = mark;
    m.MotionStartX = face.X - 50;
    m.MotionStartY = face.Y - 50;
    m.MotionStartWidth = face.Width + 100;
    m.MotionStartHeight = face.Height + 100;
    m.MotionEndX = face.X - 10;
    m.MotionEndY = face.Y - 10;
    m.MotionEndWidth = face.Width + 20;
    m.MotionEndHeight = face.Height + 20;
    AnimationRun.AnimationLength = kFrames;
  }
  ++AnimationRun.AnimationFrame;
  MotionState.CurrentMotionSlot = 0;
  MotionCurveStep(kMotionSizedEaseOut);
  GuardColour((AnimationRun.AnimationFrame / 2) % 2 == 0 ? kBlue : RgbColor(255, 255, 255));
  if (AnimationRun.AnimationFrame < kFrames) return;
  GuardColour(kBlue);
  FrameClock.FrameLoopRunning = 0;
}

}  // namespace

void G00_Layout(int kind) {
  switch (kind) {
    case 0: DealCards(); break;
    case 5: ScreenPictures(); break;
    case 10: SlotLayout(kSlots[0]); break;
    case 11: SlotLayout(kSlots[1]); break;
    case 20: DamageIn(kDuelPlayer); break;
    case 21: DamageIn(kDuelBoss); break;
    default: break;
  }
}

Rect G00_HpPanelPlace(int side) {
  const PanelRow p = Panel(side);
  return side == kDuelPlayer ? Rect{p.startX, WindowHeight() - 65, p.width, p.height}
                             : Rect{150, 10, p.width, p.height};
}

void G00_HpPanel(int side, int redraw) {
  if (side != kDuelPlayer && side != kDuelBoss) return;
  const PanelRow p = Panel(side);
  const int layer = DuelState.HpPanelFirstBox + side;
  DrawState.CurrentLayer = layer;
  if (redraw == 0) {
    DrawState.CurrentRect = {p.startX, p.startY, p.width, p.height};
    PrepareLayer(kPreparePictureShown);
  }
  const int x = LayerLeft(layer);
  const int y = LayerTop(layer);
  C00_LoadPicture(1, 6, 50 + side);
  // The panel keeps its size whatever the picture's.
  MoveLayer(layer, x, y, p.width, p.height);
  const int hp = DuelState.DuelHp[static_cast<size_t>(side)];
  NumberColours(hp <= 9);
  PrintCentred(layer, std::to_string(hp), p.fontSize, p.width, p.height);
}

void G00_DamagePanel(int side) {
  if (side != kDuelPlayer && side != kDuelBoss) return;
  const int layer = DuelState.DamagePanelFirstBox + side;
  constexpr int kFontSize = 50;
  TextStyle.CurrentText = std::to_string(DuelState.DuelHpChange);
  TextStyle.TextFontSize = kFontSize;
  MeasureText(0);
  const int w = TextStyle.MeasuredWidth + 10;
  const int h = TextStyle.MeasuredHeight + 10;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {LayerLeft(layer), LayerTop(layer), w, h};
  PrepareLayer(kPreparePictureShown);
  NumberColours(DuelState.DuelHpChange < 0);
  PrintCentred(layer, TextStyle.CurrentText, kFontSize, w, h);
  tq::DrawBox(LayerImage(layer), 0, 0, w - 1, h - 1, tq::PixelFromColor(RgbColor(192, 0, 0)));
  LayerImage(layer).MarkChanged();
}

void G00_Balloon(int speaker, int fontSize, const std::string& text, const std::string& voiceWord) {
  int voice = 0;
  if (voiceWord == "中声") voice = 42;
  else if (voiceWord == "大声") voice = 56;
  else if (voiceWord == "最大声") voice = 57;
  else if (voiceWord == "驚き") voice = 44;
  LineState.LineVoice = voice;
  ScriptStore.ScriptText[0] = text;
  ScriptStore.CurrentScriptLine = 0;
  DuelState.BalloonFontSize = fontSize > 0 ? fontSize : 20;
  G00_Layout(speaker == kDuelBoss ? 11 : 10);
  const int balloon = FaceSlot.BalloonLayer[SlotIndex()];
  LayerToFront(balloon + 1);
  LayerToFront(balloon);
  Wait(kDuelBalloonOpen, 0);
}

void G00_CloseBalloon(int speaker) {
  G00_Layout(speaker == kDuelBoss ? 11 : 10);
  if (FaceSlot.SpeechState[SlotIndex()] != kBalloonShown) return;
  Wait(kDuelBalloonClose, 0);
}

void G00_Shake(int frames) {
  EffectParams.EffectFrames = frames;
  Wait(kDuelBalloonShake, 0);
}

void G00_HitAnimation(int frames) {
  EffectParams.EffectFrames = frames;
  Wait(kDuelHitFrames, 0);
}

void G00_GuardAnimation() { Wait(kDuelGuardFrames, 0); }

bool G00_Frame() {
  switch (FrameClock.AnimationCode) {
    case kDuelHitFrames: HitFrame(); return true;
    case kDuelGuardFrames: GuardFrame(); return true;
    case kDuelBalloonOpen: BalloonOpenFrame(); return true;
    case kDuelBalloonClose: BalloonCloseFrame(); return true;
    case kDuelBalloonShake: ShakeFrame(); return true;
    default: return false;
  }
}

void G00_Picture(int side, int number) {
  if (side != kDuelPlayer && side != kDuelBoss) return;
  DuelState.FighterPicture[static_cast<size_t>(side)] = number;
  const int layer = side == kDuelBoss ? DuelState.BossPictureBox : DuelState.PlayerPictureBox;
  DrawState.CurrentLayer = layer;
  C00_LoadPicture(1, side == kDuelBoss ? 300 : 302, number);
  CaptionHitPoints(side, layer);
}

void G00_Glide(int code, int layer, const Rect& from, const Rect& to, int frames, int motionKind) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = from;
  DrawState.TargetRect = to;
  EffectParams.EffectFrames = frames;
  EffectParams.EffectFrameDelay = 13;
  EffectParams.EffectMotionKind = motionKind;
  RunEffect(code, EffectEnd::kReturn);
}

void G00_Band(bool opening, int height, uint32_t colour, int frames) {
  const int band = ScreenButtons.BoardFirstBox;
  const Rect line{0, WindowHeight() / 2 - 1, WindowWidth(), 2};
  if (opening) {
    DrawState.CurrentLayer = band;
    DrawState.CurrentRect = line;
    PrepareLayer(kPreparePictureShown);
    LayerInfo(band).BackColor = colour;
    ClearLayerImage(band);
    G00_Glide(kEffectMoveResize, band, line, {0, WindowHeight() / 2 - height / 2, WindowWidth(), height}, frames,
              kMotionSizedLinear);
    return;
  }
  GetLayerRect(kRectIntoCurrent, band);
  G00_Glide(kEffectMoveResize, band, DrawState.CurrentRect, line, frames, kMotionSizedLinear);
  ShowLayer(band, false);
}

void G00_BannerIn(int picture) {
  GameSound(kBannerSound);
  G00_Band(true, 300, RgbColor(255, 255, 255), 10);
  const int layer = ScreenButtons.PictureFirstBox;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {WindowWidth(), 0, 0, 0};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, 6, picture);
  const int w = LayerWidth(layer);
  const int h = LayerHeight(layer);
  const int x = CentreX(int{w});
  const int y = CentreY(int{h});
  G00_Glide(kEffectMove, layer, {x + 200, y, w, h}, {x, y, w, h}, 7, kMotionEaseOut);
}

void G00_BannerOut() {
  GameSound(kBannerSound);
  const int layer = ScreenButtons.PictureFirstBox;
  GetLayerRect(kRectIntoCurrent, layer);
  const Rect r = DrawState.CurrentRect;
  G00_Glide(kEffectMove, layer, r, {-r.Width, r.Y, r.Width, r.Height}, 3, kMotionEaseOut);
  ShowLayer(layer, false);
  G00_Band(false, 300, RgbColor(255, 255, 255), 10);
}
