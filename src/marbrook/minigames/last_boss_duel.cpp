#include "marbrook/minigames/last_boss_duel.h"

#include <algorithm>
#include <span>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/balloon_styles.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "scenario/face_slots.h"
#include "scenario/motion_curves.h"
#include "scenario/script_store.h"
#include "games/motion_slot_store.h"

DuelStateRecord DuelState;

namespace {

constexpr int kSceneCode = 60;

enum : int {  // SceneState
  kEntry = 0,
  kVariantTables = 1,
  kOpening = 5,
  kChoosing = 20,
  kPlayerMove = 30,
  kBossMove = 31,
  kTurnEnd = 35,
  kLost = 40,
  kWon = 41,
};


enum : int {  // commands
  kAttack = 0,
  kGuard = 1,
  kDance = 2,
  kSpecial = 3,
};

enum : int {  // sounds of the mini-game table
  kBannerSound = 12,
  kChosenSound = 13,
  kGuardSound = 14,
  kScreenChangeSound = 15,
};

constexpr int kCardMode = 20;
constexpr int kRetryMode = 30;
constexpr int kStartHp = 100;
constexpr int kSpecialCardHp = 20;  // the special-attack card is dealt from here up
constexpr int kStrongestMove = 9;
constexpr int kRetryButton = 0;
constexpr int kDefaultDelay = 13;

constexpr int kScriptTextLines = 1000;

// The two variants: attack powers, the boss's move list, music and the stage after a win.
struct VariantRow {
  int playerPower, bossPower;
  std::span<const int> pattern;
  int music, stage;
};
constexpr int kPattern0[] = {0, 0, 1, 0, 0, 2};
constexpr int kPattern1[] = {0, 0, 10, 9};
constexpr VariantRow kVariants[] = {
    {15, 12, kPattern0, 10, 140},
    {13, 10, kPattern1, 11, 145},
};

// What the boss says and does on each move that speaks.
struct BossLine {
  int move;
  const char* text;
  const char* voice;
  int fontSize, hitKind, frames;
};
constexpr BossLine kBossLines[] = {
    {0, "くはは！　この我に勝てると思うてか！", "大声", 20, 1, 12},
    {1, "しぶといやつめ！：これでも食らえい！", "大声", 24, 2, 12},
    {2, "我が必殺の一撃を食らうがよい！：どりゃああああ！！", "大声", 28, 3, 12},
    {9, "……くらえいーッ！！：究極奥義ふんぬだらああー！！", "最大声", 34, 4, 30},
};
constexpr const char* kAnnouncement =
    "貴様とのたわむれにも飽いた……茶番は終わりだ！：我の究極奥義を見せてやろうぞ！：ぬおおおおおお……！！ ";
constexpr int kAnnounceMove = 10;

// A reaction by the hit side's remaining hit points: from `floor` up.
struct Reaction {
  int floor;
  const char* text;
  const char* voice;
  int fontSize, shakeFrames;
};
// The boss after the player's attack or special attack; the 0 rows by variant.
constexpr Reaction kBossReactions[] = {
    {50, "ぐぬう……！", "中声", 20, 0},
    {10, "ぬおお……！", "大声", 25, 0},
    {1, "ぐほぁあッ！！", "大声", 30, 20},
};
constexpr Reaction kBossBeaten[] = {
    {0, "ぬおあああっ！！", "大声", 36, 50},
    {0, "ぐぎゃあああああああ！！", "最大声", 42, 50},
};
// The player after the boss's attack.
constexpr Reaction kPlayerReactions[] = {
    {50, "あ痛！", "", 20, 0},
    {10, "ぎゃふん！", "驚き", 25, 0},
    {1, "ふきゃーん！", "驚き", 30, 0},
    {0, "きゃああーっ！！", "驚き", 30, 80},
};

constexpr const char* kAttackShout = "ええーい！";
constexpr const char* kGuardShout = "来なさい！：どんな攻撃だって防いで見せるわ！";
constexpr const char* kDanceSong = "たららん♪　らんらん～♪";
constexpr const char* kBossPuzzled = "？？？：む？　……むう？　？？？";
constexpr const char* kSpecialShout = "みんなの勇気、ぜんぶ込めて……！：必殺！　きらめき三連撃ーっ！！";
constexpr const char* kPlayerStartled = "……！？";

const VariantRow& Variant() { return kVariants[std::clamp(DuelState.DuelVariant, 0, 1)]; }

// The next state and step, on the next tick.

int Move() { return DuelState.BossPattern[static_cast<size_t>(std::clamp(DuelState.BossPatternPos, 0, 99))]; }

// The move list goes on by one, back to its start at the -1.
void AdvancePattern() {
  int& pos = DuelState.BossPatternPos;
  pos = std::clamp(pos + 1, 0, 99);
  if (DuelState.BossPattern[static_cast<size_t>(pos)] == -1) pos = 0;
}


void React(const Reaction& r, int speaker) {
  G00_Balloon(speaker, r.fontSize, r.text, r.voice);
  if (r.shakeFrames > 0) G00_Shake(r.shakeFrames);
  if (r.floor == 0) RunMusicFade(100);
}

const Reaction& ReactionFor(std::span<const Reaction> rows, int hp) {
  for (const Reaction& r : rows) {
    if (hp >= r.floor) return r;
  }
  return rows.back();
}

void HideDamagePanels() {
  ShowLayer(DuelState.DamagePanelFirstBox, false);
  ShowLayer(DuelState.DamagePanelFirstBox + 1, false);
}

// The hit-point panel of `side` redrawn and its damage panel slid in.
void ShowDamage(int side) {
  G00_HpPanel(side, 1);
  G00_DamagePanel(side);
  G00_Layout(20 + side);
}

// The fighter's picture loaded again as it is, with its hit-point caption or without
// it as the side's panel now stands (see G00_Picture).
void Recaption(int side) { G00_Picture(side, DuelState.FighterPicture[static_cast<size_t>(side)]); }

// The hits on the boss, and what its picture shows after them.
void HitBoss(int hits, int frames) {
  const bool beaten = DuelState.DuelVariant == 1 && DuelState.DuelHp[kDuelBoss] == 0;
  G00_Picture(kDuelBoss, beaten ? 3 : 2);
  G00_Layout(11);
  DuelState.DuelHitKind = 0;
  for (int i = 0; i < hits; ++i) {
    G00_HitAnimation(frames);
    if (hits > 1) RunPause(100);
  }
  ShowDamage(kDuelBoss);
}

int PlayerPower() { return DuelState.DuelAttackPower[kDuelPlayer] - 2; }

// --- states ---

void Entry() {
  const int step = SceneCursor.SceneStep;
  if (step >= 0 && step <= 3) {
    static constexpr int kVariantOf[] = {0, 0, 1, 0};
    DuelState.DuelVariant = kVariantOf[step];
    if (step != 0) DuelState.DuelOpeningFade = step == 3 ? -1 : 0;
    GoToNextTick(kEntry, 5);
    return;
  }
  if (step != 5) return;
  DuelState.BossPictureBox = 10;
  DuelState.PlayerPictureBox = 30;
  DuelState.HpPanelFirstBox = 8;
  DuelState.GuardMarkBox = 20;
  DuelState.DamagePanelFirstBox = 21;
  ScreenButtons.PictureFirstBox = 3;
  ScreenButtons.HoverFirstBox = 4;
  ScreenButtons.HoverCursorBox = 1;
  ScreenButtons.BoardFirstBox = 40;
  ScreenButtons.HoveredButton = -1;
  // The screen we came from may have left its buttons live; ours are not in yet.
  SceneCursor.ButtonMode = 0;
  SizeScriptText(kScriptTextLines);
  C15_LayoutInit();
  DrawState.SheetIndex = kDuelCardSheet;
  C00_LoadPicture(2, 6, 30);
  DrawState.SheetIndex = kDuelButtonSheet;
  C00_LoadPicture(2, 6, 60);
  G00_Layout(5);
  if (DuelState.DuelOpeningFade == -1) {
    // The curtain ends its loop itself, whatever EffectResumesStep says.
    Wait(kEffectCurtainOpen, 0);
  }
  G00_Layout(10);
  G00_Layout(11);
  GoToNextTick(kVariantTables, 0);
}

void Opening() {
  switch (SceneCursor.SceneStep) {
    case 0:
      C15_PlayMusic(Variant().music);
      G00_BannerIn(39);
      SceneCursor.SceneStep = 1;
      break;
    case 1:
      G00_BannerOut();
      GoTo(kOpening, 2);
      Wait(-1, 300);
      break;
    case 2: {
      DrawState.CurrentLayer = ScreenButtons.PictureFirstBox;
      DrawState.CurrentRect = {0, 0, 0, 0};
      PrepareLayer(kPreparePictureHidden);
      C00_LoadPicture(1, 6, 35);
      GetLayerRect(kRectIntoCurrent, ScreenButtons.PictureFirstBox);
      const Rect r = DrawState.CurrentRect;
      const int x = CentreX(int{r.Width});
      G00_Glide(kEffectMove, ScreenButtons.PictureFirstBox, {x, -r.Height, r.Width, r.Height},
                {x, CentreY(int{r.Height}), r.Width, r.Height}, 20, kMotionEaseOut);
      SceneCursor.SceneStep = 3;
      break;
    }
    case 3: {
      GetLayerRect(kRectIntoCurrent, ScreenButtons.PictureFirstBox);
      const Rect r = DrawState.CurrentRect;
      G00_Glide(kEffectMove, ScreenButtons.PictureFirstBox, r, {r.X, WindowHeight(), r.Width, r.Height}, 10,
                kMotionEaseOut);
      ShowLayer(ScreenButtons.PictureFirstBox, false);
      GoToNextTick(kOpening, 5);
      break;
    }
    case 5:
      DuelState.DuelHp = {kStartHp, kStartHp};
      DuelState.BossPatternPos = 0;
      // A fight always starts unguarded, whatever the last fight ended in.
      DuelState.DuelGuard = {0, 0};
      ShowLayer(DuelState.GuardMarkBox, false);
      for (int side = 0; side <= 1; ++side) {
        G00_HpPanel(side, 0);
        GetLayerRect(kRectIntoCurrent, DuelState.HpPanelFirstBox + side);
        G00_Glide(kEffectMove, DuelState.HpPanelFirstBox + side, DrawState.CurrentRect, G00_HpPanelPlace(side), 5,
                  kMotionEaseOut);
        Recaption(side);
      }
      GoToNextTick(kChoosing, -5);
      break;
    default: break;
  }
}

// The card or button the click was on, or -1.
int ClickedButton(int last) {
  if (InputEvent.InputSourceKind != 50) return -1;
  const int k = InputEvent.InputSourceIndex - ScreenButtons.HoverFirstBox;
  return k >= 0 && k <= last ? k : -1;
}

// The chosen card or button stays, the others slide down by `drop` while the hover
// frame blinks; then the chosen one is hidden.
void TakeChoice(int chosen, int last, int border, int drop) {
  GameSound(kChosenSound);
  SceneCursor.ButtonMode = 0;
  // A click before any pointer move has framed nothing: frame the clicked one.
  if (ScreenButtons.HoveredButton != chosen) {
    int box = ScreenButtons.HoverCursorBox, width = border, erase = 0;
    C10_HoverBox(0, box, width, erase);
    ScreenButtons.HoveredButton = chosen;
  }
  int slot = 0;
  for (int k = 0; k <= last; ++k) {
    if (k == chosen) continue;
    const int layer = ScreenButtons.HoverFirstBox + k;
    GetLayerRect(kRectIntoCurrent, layer);
    DrawState.CurrentLayer = layer;
    DrawState.TargetRect = DrawState.CurrentRect;
    DrawState.TargetRect.Y += drop;
    D50_StoreSprite(slot++);
  }
  EffectParamsRecord& e = EffectParams;
  e.BlinkBox = ScreenButtons.HoverCursorBox;
  e.BlinkFrames = 30;
  e.EffectFrames = 10;
  e.EffectLastSlot = std::max(slot - 1, 0);
  e.EffectMotionKind = kMotionEaseOut;
  e.EffectFrameDelay = kDefaultDelay;
  RunEffect(kEffectMoveBlink, EffectEnd::kReturn);
  RunPause(100);
  ShowLayer(ScreenButtons.HoverFirstBox + chosen, false);
}

void Choosing() {
  switch (SceneCursor.SceneStep) {
    case -5:
      G00_Picture(kDuelPlayer, 0);
      G00_Layout(0);
      GoToNextTick(kChoosing, -1);
      break;
    case -1:
      LayerToFront(0);
      ScreenButtons.HoveredButton = -1;
      SceneCursor.ButtonMode = kCardMode;
      SceneCursor.SceneStep = 0;
      break;
    case 0: {
      if (SceneCursor.ButtonMode != kCardMode) return;
      // The command comes from the clicked card, never from a hover that may be stale.
      const int card = ClickedButton(G00_LastCard());
      if (card < 0) return;
      TakeChoice(card, G00_LastCard(), 8, WindowHeight() / 2);
      DuelState.DuelCommand = card;
      GoToNextTick(kPlayerMove, 0);
      break;
    }
    default: break;
  }
}

void PlayerMove() {
  DuelState.DuelAttacker = kDuelPlayer;
  DuelState.DuelTarget = kDuelBoss;
  const int a = PlayerPower();
  switch (DuelState.DuelCommand) {
    case kAttack: {
      const int damage = a + RandomRange(0, 4);
      G00_Hit(kDuelBoss, damage);
      G00_Balloon(kDuelPlayer, 0, kAttackShout, "");
      HitBoss(1, 12);
      GoToNextTick(kPlayerMove, 1);
      break;
    }
    case kGuard:
      DuelState.DuelGuard[0] = 1;
      GameSound(kGuardSound);
      G00_Layout(10);
      G00_GuardAnimation();
      G00_Balloon(kDuelPlayer, 0, kGuardShout, "");
      SceneCursor.SceneStep = 5;
      break;
    case kDance:
      if (Move() == kStrongestMove) AdvancePattern();
      G00_Picture(kDuelPlayer, 3);
      for (int jump = 0; jump < 2; ++jump) {
        GetLayerRect(kRectIntoCurrent, DuelState.PlayerPictureBox);
        DrawState.CurrentLayer = DuelState.PlayerPictureBox;
        EffectParams.EffectAmplitude = -50;
        EffectParams.EffectFrames = 20;
        RunEffect(kEffectDrop, EffectEnd::kReturn);
      }
      G00_Balloon(kDuelPlayer, 0, kDanceSong, "");
      RunPause(500);
      G00_Balloon(kDuelBoss, 0, kBossPuzzled, "");
      SceneCursor.SceneStep = 10;
      break;
    case kSpecial: {
      G00_Hit(kDuelPlayer, DuelState.DuelHp[kDuelPlayer] / 2);
      ShowDamage(kDuelPlayer);
      const int r1 = RandomRange(0, 4);
      const int r2 = RandomRange(0, 4);
      const int r3 = RandomRange(0, 4);
      G00_Hit(kDuelBoss, (a + r1) + (a + r2) + (a + r3) / 2);
      G00_Balloon(kDuelPlayer, 0, kSpecialShout, "中声");
      HitBoss(3, 6);
      GoToNextTick(kPlayerMove, 1);
      break;
    }
    default: break;
  }
}

// Whether the fight is over: the player's hit points are tested first.
bool FightOver() {
  if (DuelState.DuelHp[kDuelPlayer] <= 0) {
    GoToNextTick(kLost, 0);
    return true;
  }
  if (DuelState.DuelHp[kDuelBoss] <= 0) {
    GoToNextTick(kWon, 0);
    return true;
  }
  return false;
}

void PlayerTurn() {
  switch (SceneCursor.SceneStep) {
    case 0: PlayerMove(); break;
    case 1: {
      const int hp = DuelState.DuelHp[kDuelBoss];
      if (hp <= 0) React(kBossBeaten[std::clamp(DuelState.DuelVariant, 0, 1)], kDuelBoss);
      else React(ReactionFor(kBossReactions, hp), kDuelBoss);
      SceneCursor.SceneStep = 10;
      break;
    }
    case 5:
      G00_CloseBalloon(kDuelPlayer);
      GoToNextTick(kPlayerMove, 20);
      break;
    case 10:
      if (FightOver()) return;
      G00_CloseBalloon(kDuelPlayer);
      G00_CloseBalloon(kDuelBoss);
      GoToNextTick(kPlayerMove, 20);
      break;
    case 20:
      G00_Picture(kDuelBoss, 0);
      HideDamagePanels();
      GoToNextTick(kBossMove, 0);
      break;
    default: break;
  }
}

void BossMove() {
  DuelState.DuelAttacker = kDuelBoss;
  DuelState.DuelTarget = kDuelPlayer;
  const int move = Move();
  if (move == kAnnounceMove) {
    G00_Balloon(kDuelBoss, 0, kAnnouncement, "");
    RunPause(500);
    G00_Balloon(kDuelPlayer, 0, kPlayerStartled, "");
    SceneCursor.SceneStep = 10;
    return;
  }
  int damage = G00_BossDamage(move);
  if (damage < 0) return;  // a move the list cannot hold
  int hitKind = 0, frames = 12;
  for (const BossLine& line : kBossLines) {
    if (line.move != move) continue;
    G00_Balloon(kDuelBoss, line.fontSize, line.text, line.voice);
    if (move == kStrongestMove) G00_Shake(50);
    hitKind = line.hitKind;
    frames = line.frames;
  }
  RunPause(500);
  if (DuelState.DuelGuard[0] == 1) damage /= 5;
  G00_Hit(kDuelPlayer, damage);
  DuelState.DuelHitKind = hitKind;
  G00_Layout(10);
  G00_HitAnimation(frames);
  ShowDamage(kDuelPlayer);
  G00_Picture(kDuelPlayer, 2);
  React(ReactionFor(kPlayerReactions, DuelState.DuelHp[kDuelPlayer]), kDuelPlayer);
  SceneCursor.SceneStep = 10;
}

void BossTurn() {
  switch (SceneCursor.SceneStep) {
    case 0: BossMove(); break;
    case 10:
      if (FightOver()) return;
      G00_CloseBalloon(kDuelBoss);
      G00_CloseBalloon(kDuelPlayer);
      HideDamagePanels();
      GoToNextTick(kTurnEnd, 0);
      break;
    default: break;
  }
}

void TurnEnd() {
  if (DuelState.DuelGuard[0] == 1) {
    const int mark = DuelState.GuardMarkBox;
    GetLayerRect(kRectIntoCurrent, mark);
    const Rect from = DrawState.CurrentRect;
    GetLayerRect(kRectIntoCurrent, DuelState.PlayerPictureBox);
    G00_Glide(kEffectMoveResize, mark, from, DrawState.CurrentRect, 10, kMotionSizedLinear);
    ShowLayer(mark, false);
    DuelState.DuelGuard[0] = 0;
  }
  AdvancePattern();
  GoToNextTick(kChoosing, -5);
}

void Lost() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      HideDamagePanels();
      G00_CloseBalloon(kDuelPlayer);
      ShowLayer(DuelState.GuardMarkBox, false);
      const int face = DuelState.PlayerPictureBox;
      LayerInfo(face).BackColor = RgbColor(255, 255, 255);
      SetLayerPicture(face, tq::Surface{});
      GetLayerRect(kRectIntoCurrent, face);
      const Rect from = DrawState.CurrentRect;
      G00_Glide(kEffectMoveResize, face, from, {0, WindowHeight() / 2 - 5, WindowWidth(), 10}, 10, kMotionSizedLinear);
      ShowLayer(face, false);
      G00_BannerIn(40);
      SceneCursor.SceneStep = 1;
      break;
    }
    case 1: {
      GameSound(kScreenChangeSound);
      G00_Band(true, WindowHeight(), RgbColor(0, 0, 0), 20);
      C00_LoadPicture(0, 0, 0);
      for (int layer = 0; layer <= 89; ++layer) ShowLayer(layer, false);
      FaceSlot.SpeechState[kDuelPlayerSlot] = kBalloonHidden;
      FaceSlot.SpeechState[kDuelBossSlot] = kBalloonHidden;
      // The retry button falls from above, the quit button rises from below.
      constexpr int kButtonWidth = 600, kButtonHeight = 150;
      const int x = CentreX(int{kButtonWidth});
      const int ys[2][2] = {{-kButtonHeight, 170}, {WindowHeight(), 370}};
      for (int k = 0; k <= 1; ++k) {
        const int layer = ScreenButtons.HoverFirstBox + k;
        DrawState.CurrentLayer = layer;
        DrawState.CurrentRect = {x, ys[k][0], kButtonWidth, kButtonHeight};
        PrepareLayer(kPreparePictureShown);
        ClipCellToLayer(kDuelButtonSheet, 0, k * kButtonHeight, kButtonWidth, kButtonHeight);
        MoveLayer(layer, x, ys[k][0], kButtonWidth, kButtonHeight);
        DrawState.CurrentRect = {x, ys[k][0], kButtonWidth, kButtonHeight};
        DrawState.TargetRect = {x, ys[k][1], kButtonWidth, kButtonHeight};
        D50_StoreSprite(k);
      }
      EffectParams.EffectLastSlot = 1;
      EffectParams.EffectFrames = 15;
      EffectParams.EffectMotionKind = kMotionEaseOut;
      EffectParams.EffectFrameDelay = kDefaultDelay;
      RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
      GoToNextTick(kLost, 9);
      break;
    }
    case 9:
      ScreenButtons.HoveredButton = -1;
      SceneCursor.ButtonMode = kRetryMode;
      SceneCursor.SceneStep = 10;
      break;
    case 10: {
      if (SceneCursor.ButtonMode != kRetryMode) return;
      const int button = ClickedButton(1);
      if (button < 0) return;
      TakeChoice(button, 1, 10, WindowHeight());
      if (button != kRetryButton) {
        SceneCursor.SceneCode = kTitleScene;
        GoToNextTick(-10, 0);
        return;
      }
      GameSound(kScreenChangeSound);
      const int cover = ScreenButtons.BoardFirstBox;
      DrawState.CurrentLayer = cover;
      DrawState.CurrentRect = {0, 0, WindowWidth(), WindowHeight()};
      PrepareLayer(kPreparePictureShown);
      G00_Layout(5);
      G00_Band(false, WindowHeight(), RgbColor(0, 0, 0), 20);
      GoTo(kOpening, 0);
      Wait(-1, 500);
      break;
    }
    default: break;
  }
}

void Won() {
  switch (SceneCursor.SceneStep) {
    case 0:
      G00_BannerIn(41);
      SceneCursor.SceneStep = 1;
      break;
    case 1:
      G00_BannerOut();
      GoToNextTick(kWon, 5);
      break;
    case 5: {
      G00_CloseBalloon(kDuelPlayer);
      G00_CloseBalloon(kDuelBoss);
      HideDamagePanels();
      for (int side = 0; side <= 1; ++side) {
        const int layer = DuelState.HpPanelFirstBox + side;
        GetLayerRect(kRectIntoCurrent, layer);
        DrawState.CurrentLayer = layer;
        DrawState.TargetRect = DrawState.CurrentRect;
        DrawState.TargetRect.Y = side == 0 ? WindowHeight() : -DrawState.CurrentRect.Height;
        D50_StoreSprite(side);
      }
      EffectParams.EffectLastSlot = 1;
      EffectParams.EffectFrames = 10;
      EffectParams.EffectMotionKind = kMotionEaseOut;
      EffectParams.EffectFrameDelay = kDefaultDelay;
      RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
      // The story's scene goes on over these pictures: their captions leave with the panels.
      for (int side = 0; side <= 1; ++side) Recaption(side);
      G00_Leave();
      break;
    }
    default: break;
  }
}

}  // namespace

int G00_LastCard() { return DuelState.DuelHp[kDuelPlayer] >= kSpecialCardHp ? 3 : 2; }

void G00_SetVariant(int variant) {
  DuelState.DuelVariant = std::clamp(variant, 0, 1);
  const VariantRow& v = Variant();
  DuelState.DuelAttackPower = {v.playerPower, v.bossPower};
  DuelState.BossPattern.fill(-1);
  std::copy(v.pattern.begin(), v.pattern.end(), DuelState.BossPattern.begin());
}

int G00_BossDamage(int move) {
  const int b = DuelState.DuelAttackPower[kDuelBoss] - 2 + RandomRange(0, 4);
  switch (move) {
    case 0: return b;
    case 1: return 2 * b;
    case 2: return 50;
    case kStrongestMove: return 500;
    default: return move >= 3 && move <= 8 ? b : -1;
  }
}

void G00_Hit(int side, int damage) {
  if (side < 0 || side > 1) return;
  DuelState.DuelHpChange = -damage;
  int& hp = DuelState.DuelHp[static_cast<size_t>(side)];
  hp = std::max(hp - damage, 0);
}

void G00_Step() {
  switch (SceneCursor.SceneState) {
    case kEntry: Entry(); break;
    case kVariantTables:
      G00_SetVariant(DuelState.DuelVariant);
      GoToNextTick(kOpening, 0);
      break;
    case kOpening: Opening(); break;
    case kChoosing: Choosing(); break;
    case kPlayerMove: PlayerTurn(); break;
    case kBossMove: BossTurn(); break;
    case kTurnEnd: TurnEnd(); break;
    case kLost: Lost(); break;
    case kWon: Won(); break;
    default: break;
  }
}

void G00_Hover() {
  int last = 0, border = 0;
  switch (SceneCursor.ButtonMode) {
    case kCardMode: last = 3, border = 8; break;
    case kRetryMode: last = 1, border = 10; break;
    default: return;
  }
  const int k = ClickedButton(last);
  if (k < 0) {
    if (ScreenButtons.HoveredButton != -1) {
      ShowLayer(ScreenButtons.HoverCursorBox, false);
      ScreenButtons.HoveredButton = -1;
    }
    return;
  }
  int box = ScreenButtons.HoverCursorBox, width = border, erase = 0;
  C10_HoverBox(0, box, width, erase);
  ShowLayer(box, true);
  if (ScreenButtons.HoveredButton != k) {
    ScreenButtons.HoveredButton = k;
    GameSound(16);
  }
}

void G00_OnKey() {
  if (InputEvent.AdvanceKeyDown != 1) return;
  // On the cards and buttons a key presses the one the pointer frames.
  const int mode = SceneCursor.ButtonMode;
  if ((mode == kCardMode || mode == kRetryMode) && ScreenButtons.HoveredButton >= 0) {
    InputEvent.InputSourceKind = 50;
    InputEvent.InputSourceIndex = ScreenButtons.HoverFirstBox + ScreenButtons.HoveredButton;
  }
  G00_Step();
}

bool G00_FrameGate() {
  const int code = FrameClock.AnimationCode;
  if (code < 1000) {
    C40_EffectStep();
    return true;
  }
  if (code > 1099) return false;
  return G00_Frame();
}

void G00_Leave() {
  SceneCursor.StageNumber = Variant().stage;
  SceneCursor.SceneCode = kConversationScene;
  GoToNextTick(0, 10);
}


void RegisterLastBossDuel() {
  ScreenHookSet& screen = MarbrookScreen(kSceneCode);
  screen.Step = G00_Step;
  screen.Hover = G00_Hover;
  screen.Frame = G00_FrameGate;
  screen.OnKey = G00_OnKey;
}

void ResetLastBossDuelState() { DuelState = DuelStateRecord{}; }
