// The role-playing game's battles: the enemy table, the battle windows, the four
// commands, the blows of both sides, flight, victory gains and death.
#include <algorithm>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/timed_effects.h"
#include "marbrook/minigames/rpg.h"
#include "platform/pixels.h"
#include "games/motion_slot_store.h"
#include "scenario/motion_curves.h"

namespace {

// Battle layers: G05EnemyBox (0) and the two above it.
int StatusLayer() { return RpgState.G05EnemyBox; }
int FrameLayer() { return RpgState.G05EnemyBox + 1; }
int PictureLayer() { return RpgState.G05EnemyBox + 2; }
int CommandLayer() { return RpgState.G05WindowBox + 1; }

constexpr char kKidnapper[] = "ジャイアントプチスライム";
constexpr int kMaxStat = 999;

// Steps of the battle state.
enum : int {
  kOpening = 0,
  kCommand = 5,
  kChoose = 6,
  kHeroTurn = 10,
  kEnemyTurn = 15,
  kVictory = 50,
  kAfterVictory = 51,
  kDeath = 60,
};

struct EnemyRow {
  const char* kind;
  const char* name;  // nullptr: the princess's name
  int hp;            // -1: the kidnapper's remembered HP
  int ap, dp, picture, afterBattle;
  int gains[4];
  const char* intro;  // nullptr: built from the name
  int flee;
};
const EnemyRow kEnemies[] = {
    {"0", kKidnapper, -1, 10, 3, 10, 0, {1, 3, 2, 1}, nullptr, -1},
    {"1", "謎の暗殺者", 3, 3, 1, 20, 20, {1, 2, 1, 1}, "謎の暗殺者との戦闘になった！ ", 0},
    {"2", nullptr, 1, 1, 1, 21, 21, {10, 30, 12, 10}, nullptr, 0},
    {"3", "衛兵たち", 6, 2, 1, 22, 22, {6, 6, 6, 5}, "衛兵たちとの戦闘になった！ ", 0},
    {"4", "城の兵士たち", 100, 6, 1, 23, 23, {100, 100, 100, 100}, "城の全兵力との戦闘になった！ ", 0},
    {"5", "町の人々", 999, 1, 1, 24, 24, {999, 999, 999, 999}, "町の人々が勇者の方へ駆け寄ってきた！", 0},
};

// Command captions by direction 1 to 4: where each stands, and its highlighted form.
struct CommandRow {
  const char* caption;
  int x, y;
  const char* lit;
};
constexpr CommandRow kCommands[4] = {
    {"　　（↑）攻撃する", 155, 17, "　　（上）攻撃する"},
    {"（→）覇王平民剣", 295, 52, "（右）覇王平民剣"},
    {"　　（↓）逃げる", 155, 87, "　　（下）逃げる"},
    {"　（←）スーパー斬り", 15, 52, "　（左）スーパー斬り"},
};

void Say(const std::string& text) {
  RpgState.RpgMessage = text;
  G05_MessageWindow(0, RpgState.RpgMessage);
}
void Add(const std::string& text) {
  RpgState.RpgMessage += text;
  G05_MessageWindow(0, RpgState.RpgMessage);
}

void PrintAt(int layer, const std::string& text, int x, int y, int kind) {
  TextStyle.TextFontSize = 20;
  TextStyle.CurrentText = text;
  TextStyle.TextX = x;
  TextStyle.TextY = y;
  PrintText(kind, layer);
}

void StoreMove(int slot, int layer, int x0, int y0, int x1, int y1) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x0, y0, LayerWidth(layer), LayerHeight(layer)};
  DrawState.TargetRect = {x1, y1, LayerWidth(layer), LayerHeight(layer)};
  D50_StoreSprite(slot);
}

void MoveSlots(int lastSlot) {
  EffectParams.EffectFrames = 10;
  EffectParams.EffectLastSlot = lastSlot;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  EffectParams.EffectFrameDelay = 13;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
}

// A blow's damage: a negative sum becomes 1, a sum of exactly 0 stays 0.
int BlowDamage(int sum) { return sum < 0 ? 1 : sum; }

void Opening() {
  C15_PlayMusic(503);
  RpgState.EnemyDown = 0;
  G05_BattleWindow(1, 0);
  G05_BattleWindow(2, 0);
  G05_BattleWindow(0, 0);
  StoreMove(0, StatusLayer(), -120, 50, 100, 50);
  StoreMove(1, FrameLayer(), LayerLeft(FrameLayer()), LayerTop(FrameLayer()), LayerLeft(FrameLayer()),
            LayerTop(FrameLayer()) + 400);
  StoreMove(2, PictureLayer(), LayerLeft(PictureLayer()), LayerTop(PictureLayer()), LayerLeft(PictureLayer()),
            LayerTop(PictureLayer()) + 400);
  MoveSlots(2);
  Wait(kRpgWindowOpen, 0);
  Say(RpgState.EnemyIntro);
  GoTo(kRpgBattle, kCommand);
}

void Command() {
  Say("どうする？ ");
  G05_CommandWindow(0);
  RpgSlideUp(CommandLayer());
  GoTo(kRpgBattle, kChoose);
}

void Choose() {
  const int direction = RpgState.G05Direction;
  if (direction < 1 || direction > 4) return;
  GameSound(510);
  G05_CommandWindow(direction + 10);
  RpgBlink(CommandLayer() + 1, 8);
  ShowLayer(CommandLayer(), false);
  RpgState.BattleCommand = direction;
  GoToNextTick(kRpgBattle, kHeroTurn);
}

void Blow() {
  RpgPause();
  GameSound(500);
  G05_BattleAction(5, 0);
  G05_BattleAction(0, 0);
  G05_BattleAction(10, 0);
}

// What a fallen foe leaves on the map picture.
void DrawFallen() {
  const int sprites = RpgState.G05HeroBox + 1;
  switch (RpgState.AfterBattleCode) {
    case 20:
      ShowLayer(sprites + 2, false);
      G05_MoveSprite(3, 6, 6);
      break;
    case 21:
      ShowLayer(sprites + 1, false);
      G05_MoveSprite(3, 7, 7);
      break;
    case 22: {
      constexpr int kGuards[6][2] = {{7, 5}, {5, 7}, {5, 8}, {8, 6}, {8, 7}, {8, 8}};
      for (const auto& at : kGuards) G05_MoveSprite(3, at[0], at[1]);
      break;
    }
    case 23:
      DrawState.CurrentLayer = RpgState.G05MapBox;
      C00_LoadPicture(1, kRpgPictureMap, 7);
      ShowLayer(sprites, false);
      break;
    case 24:
      DrawState.CurrentLayer = RpgState.G05MapBox;
      C00_LoadPicture(1, kRpgPictureMap, 9);
      break;
    default: break;
  }
}

void EndOfTurn() {
  if (RpgState.EnemyDown == 0) {
    GoTo(kRpgBattle, kEnemyTurn);
    return;
  }
  ShowLayer(PictureLayer(), false);
  RunMusicFade(100);
  Add("：" + RpgState.EnemyName + "を倒した！");
  GoTo(kRpgBattle, kVictory);
  if (RpgState.EnemyName == kKidnapper) RpgState.SlimeBeaten = 1;
  DrawFallen();
}

void HeroTurn() {
  switch (RpgState.BattleCommand) {
    case 1:
      RpgState.Damage = BlowDamage(RpgState.HeroAP + RpgState.WeaponBonus - RpgState.EnemyDP + RandomRange(0, 1));
      Say("勇者は攻撃した！");
      Blow();
      break;
    case 4:
      RpgState.Damage = 1;
      Say("勇者はスーパー斬りを使った！");
      Blow();
      break;
    case 2:
      RpgState.Damage = 0;
      Say("勇者は奥義・覇王平民剣を使った！");
      RpgPause();
      Add("：しかし、あたらなかった！");
      break;
    case 3:
      if (RpgState.FleeAllowed == 0) {
        Say("勇者は弱い敵からは逃げたりしない！");
        GoTo(kRpgBattle, kCommand);
        return;
      }
      if (RpgState.EnemyName == kKidnapper) RpgState.SlimeHP = RpgState.EnemyHP;
      Say("勇者は逃げ出した！");
      RunMusicFade(100);
      G05_BattleAction(50, 0);
      Wait(kRpgWindowClose, 0);
      C15_PlayMusic(502);
      ShowLayer(RpgState.G05WindowBox, false);
      GoTo(kRpgWalk, 0);
      return;
    default: return;
  }
  EndOfTurn();
}

void EnemyTurn() {
  Say(RpgState.EnemyName + "の攻撃！");
  RpgPause();
  GameSound(501);
  Wait(kRpgEnemyBlow, 0);
  RpgState.Damage = BlowDamage(RpgState.EnemyAP - (RpgState.HeroDP + RpgState.ArmourBonus) + RandomRange(0, 1));
  Add("：勇者は" + RpgFullWidth(RpgState.Damage) + "のダメージを受けた！");
  RpgState.HeroHP = std::max(RpgState.HeroHP - RpgState.Damage, 0);
  G05_StatusPanel(1);
  if (RpgState.HeroHP > 0) {
    GoTo(kRpgBattle, kCommand);
    return;
  }
  RpgPause();
  Add("：勇者は死んでしまった・・！");
  GoTo(kRpgBattle, kDeath);
}

void Victory() {
  G05_BattleAction(50, 0);
  const std::array<int, 4>& gain = RpgState.LevelGain;
  RpgState.HeroLevel += gain[0];
  Say("LVが" + RpgFullWidth(RpgState.HeroLevel) + "にあがった！");
  G05_StatusPanel(1);
  RpgPause();
  RpgState.HeroMaxHP = std::min(RpgState.HeroMaxHP + gain[1], kMaxStat);
  RpgState.HeroHP = RpgState.HeroMaxHP;
  Add("：最大HPが" + RpgFullWidth(gain[1]) + "あがり、HPが全回復した！");
  G05_StatusPanel(1);
  RpgPause();
  RpgState.HeroAP += gain[2];
  Add("：APが" + RpgFullWidth(gain[2]) + "あがった！");
  G05_StatusPanel(1);
  RpgPause();
  RpgState.HeroDP += gain[3];
  Add("：DPが" + RpgFullWidth(gain[3]) + "あがった！");
  G05_StatusPanel(1);
  RpgPause();
  GoTo(kRpgBattle, kAfterVictory);
}

void AfterVictory() {
  if (RpgState.AfterBattleCode != 0) {
    RpgState.TargetCode = RpgState.AfterBattleCode;
    G05_BuildEvent();
  } else {
    C15_PlayMusic(502);
    RpgState.EventPos = 0;
    G05_AddEventItem(0, kRpgStory.Rescue);
    G05_AddEventItem(99, "");
  }
  RpgState.EventPos = 0;
  GoToNextTick(kRpgEventList, 0);
}

void Death() {
  for (int layer = 0; layer <= 49; ++layer) ShowLayer(layer, false);
  RunMusicFade(100);
  const int layer = RpgState.G05WindowBox;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {0, 0, 1, 1};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kRpgPictureParts, 5);
  int w = LayerWidth(layer);
  int h = LayerHeight(layer);
  MoveLayer(layer, CentreX(w), CentreY(h), w, h);
  GoTo(kRpgTitle, 0);
}

}  // namespace

void G05_SetupEnemy(const std::string& kind) {
  const EnemyRow* row = nullptr;
  for (const EnemyRow& e : kEnemies) {
    if (kind == e.kind) row = &e;
  }
  if (row == nullptr) return;
  const std::string name = row->name != nullptr ? row->name : kRpgStory.PrincessName;
  RpgState.EnemyName = name;
  RpgState.EnemyHP = row->hp < 0 ? RpgState.SlimeHP : row->hp;
  RpgState.EnemyAP = row->ap;
  RpgState.EnemyDP = row->dp;
  RpgState.EnemyPicture = row->picture;
  RpgState.AfterBattleCode = row->afterBattle;
  for (size_t i = 0; i < 4; ++i) RpgState.LevelGain[i] = row->gains[i];
  if (row->intro != nullptr) RpgState.EnemyIntro = row->intro;
  else if (row->name == nullptr) RpgState.EnemyIntro = name + "との戦闘になった！ ";
  else RpgState.EnemyIntro = kRpgStory.KidnapperIntro;
  RpgState.FleeAllowed = row->flee;
}

void G05_BattleWindow(int kind, int place) {
  switch (kind) {
    case 0: {
      const int layer = StatusLayer();
      const int x = place == 0 ? -120 : LayerLeft(layer);
      const int y = place == 0 ? 50 : LayerTop(layer);
      RpgFramedWindow(layer, x, y, 120, 120);
      const int values[3] = {RpgState.EnemyHP, RpgState.EnemyAP, RpgState.EnemyDP};
      const char* labels[3] = {"HP ", "AP ", "DP "};
      for (int i = 0; i < 3; ++i) {
        std::string number = std::to_string(values[i]);
        PadToByteWidth(number, 3, 1);
        PrintAt(layer, labels[i] + number, 15, 15 + 30 * i, 20);
      }
      break;
    }
    case 1: RpgFramedWindow(FrameLayer(), WindowWidth() / 2 - 200, -300, 400, 300); break;
    case 2: {
      const int layer = PictureLayer();
      DrawState.CurrentLayer = layer;
      DrawState.CurrentRect = {0, 0, 1, 1};
      PrepareLayer(kPreparePictureShown);
      C00_LoadPicture(1, kRpgPictureParts, RpgState.EnemyPicture);
      int w = LayerWidth(layer);
      int h = LayerHeight(layer);
      const int frame = FrameLayer();
      MoveLayer(layer, LayerLeft(frame) + (LayerWidth(frame) - w) / 2, LayerTop(frame) + (LayerHeight(frame) - h) / 2, w, h);
      break;
    }
    default: break;
  }
}

void G05_CommandWindow(int kind) {
  const int base = CommandLayer();
  int layer = base;
  Rect at{WindowWidth() / 2 - 275, WindowHeight(), 550, 130};
  if (kind >= 11 && kind <= 14) {
    layer = base + 1;
    at = {LayerLeft(base), LayerTop(base), 550, 130};
  } else if (kind != 0) {
    return;
  }
  RpgFramedWindow(layer, at.X, at.Y, at.Width, at.Height);
  for (const CommandRow& c : kCommands) PrintAt(layer, c.caption, c.x, c.y, 20);
  if (layer == base) return;
  const CommandRow& c = kCommands[kind - 11];
  tq::FillBox(LayerImage(layer), c.x, c.y - 2, c.x + 240, c.y + 29, tq::PixelFromColor(Grey(255)));
  PrintAt(layer, c.lit, c.x, c.y, 21);
}

void G05_BattleAction(int kind, int /*spare*/) {
  switch (kind) {
    case 0: Add("：" + RpgState.EnemyName + "に" + RpgFullWidth(RpgState.Damage) + "のダメージを与えた！"); break;
    case 5:
      RpgBlink(PictureLayer(), 7);
      ShowLayer(PictureLayer(), true);
      break;
    case 10:
      RpgState.EnemyHP -= RpgState.Damage;
      if (RpgState.EnemyHP < 1) {
        RpgState.EnemyHP = 0;
        RpgState.EnemyDown = 1;
      }
      G05_BattleWindow(0, 1);
      break;
    case 50:
      StoreMove(0, StatusLayer(), LayerLeft(StatusLayer()), LayerTop(StatusLayer()), -LayerWidth(StatusLayer()),
                LayerTop(StatusLayer()));
      StoreMove(1, FrameLayer(), LayerLeft(FrameLayer()), LayerTop(FrameLayer()), LayerLeft(FrameLayer()),
                LayerTop(FrameLayer()) - 400);
      ShowLayer(PictureLayer(), false);
      MoveSlots(1);
      break;
    default: break;
  }
}

void G05_BattleStep() {
  switch (SceneCursor.SceneStep) {
    case kOpening: Opening(); break;
    case kCommand: Command(); break;
    case kChoose: Choose(); break;
    case kHeroTurn: HeroTurn(); break;
    case kEnemyTurn: EnemyTurn(); break;
    case kVictory: Victory(); break;
    case kAfterVictory: AfterVictory(); break;
    case kDeath: Death(); break;
    default: break;
  }
}
