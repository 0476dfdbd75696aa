// The role-playing game's event lists: building the list of a map's cell, running
// it one entry per input, the yes/no choice, scripted sprite walks, shops, the inn,
// treasures and the chain of scenes that ends the story.
#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/timed_effects.h"
#include "marbrook/minigames/rpg.h"

namespace {

constexpr int kEventCount = 100;
constexpr int kChoice = 10;
constexpr int kEndOfList = 99;

const RpgTalk* Find(std::span<const RpgTalk> table, int map, int code) {
  for (const RpgTalk& t : table) {
    if (t.map == map && t.code == code) return &t;
  }
  return nullptr;
}

int& Done(int map, int code) {
  static int scratch = 0;
  if (map < 0 || map > 4 || code < 0 || code > 99) {
    scratch = 0;
    return scratch;
  }
  return RpgState.EventDone[static_cast<size_t>(map)][static_cast<size_t>(code)];
}

void Add(int code, const std::string& text) { G05_AddEventItem(code, text); }

void SetChoice(const char* yes, const char* no, int jumpYes, int jumpNo) {
  RpgState.ChoiceCaption = {yes, no};
  RpgState.ChoiceJump = {jumpYes, jumpNo};
}

// A person's talk: one entry, or two for a two-line talk, then the end.
void Talk(int map, int code) {
  const RpgTalk* t = Find(RpgTalkTable(), map, code);
  if (t == nullptr) {
    Add(kEndOfList, "");
    return;
  }
  Add(0, t->first);
  if (t->second != nullptr) Add(0, t->second);
  Add(kEndOfList, "");
}

// A box, table, jar or pot that holds nothing.
void Thing(int map, int code) {
  const RpgTalk* t = Find(RpgThingTable(), map, code);
  if (t != nullptr) Add(0, t->first);
  Add(kEndOfList, "");
}

void Treasure(int map, int code, int amount, const char* found, const char* empty) {
  int& done = Done(map, code);
  if (done == 0) {
    RpgState.GoldFound = amount;
    done = 1;
    Add(0, found);
    Add(30, RpgFullWidth(amount) + "Ｇ手に入れた！");
  } else {
    Add(0, empty);
  }
  Add(kEndOfList, "");
}

constexpr char kJarGlints[] = "カメの中に光るものが見えます。";
constexpr char kJarEmpty[] = "カメの中にはもう何もありません。";
constexpr char kBoxEmpty[] = "箱の中にはもう何もありません。";
constexpr char kNotEnough[] = "いまはお金が足りないようですね。：またのお越しをお待ちしております。";
constexpr char kFarewell[] = "そうですか。：またのお越しをお待ちしております。";

// A shop or the inn: the offer, the question, the purchase or refusal, the farewell.
// Whether the hero can pay is decided now, when the list is built.
void Shop(const std::string& offer, const char* question, int price, int purchase, const char* thanks) {
  Add(0, offer);
  SetChoice("はい", "いいえ", 2, 4);
  Add(kChoice, question);
  if (RpgState.HeroGold >= price) Add(purchase, thanks);
  else Add(0, kNotEnough);
  Add(kEndOfList, "");
  Add(0, kFarewell);
  Add(kEndOfList, "");
}

void GearShop(int code, const char* opening, const char* offer, int price, int purchase) {
  if (Done(3, code) == 1) {
    Add(0, "すでに最高の品をお売りしてしまいました。：もはやお売りできるものはありません。");
    Add(kEndOfList, "");
    return;
  }
  Shop(std::string(opening) + RpgFullWidth(price) + offer, "買いますか？", price, purchase,
       "毎度ありがとうございます。：では、お気をつけて。");
}

void Map0(int code) {
  if (code == -1) {
    const RpgStoryTexts& s = kRpgStory;
    Add(0, s.Opening[0]);
    Add(0, s.Opening[1]);
    SetChoice("はい", "いいえ", 3, 7);
    Add(kChoice, "引き受けてくれるかね？");
    Add(0, "おお、引き受けてくれるか！：では支度金として１００Ｇを与えてやろう。");
    Add(20, "１００Ｇを手に入れた！");
    Add(0, "さあ、さっそく旅立つがよい。：待っておるぞ。");
    Add(kEndOfList, "");
    Add(0, "そんなことを言わず、どうか引き受けてくれ。：わしの頼みじゃ。");
    Add(kChoice, "引き受けてくれるかね？");
    Add(kEndOfList, "");
    return;
  }
  if (code >= 10 && code <= 20) Talk(0, code);
}

void Map1(int code) {
  switch (code) {
    case 50: Treasure(1, code, 500, kJarGlints, kJarEmpty); break;
    case 51: Treasure(1, code, 1, "タンツボの中に光るものが見えます。", "タンツボの中にはもう何もありません。"); break;
    case 55:
    case 56: Thing(1, code); break;
    default:
      if (code >= 10 && code <= 17) Talk(1, code);
      else Add(kEndOfList, "");
      break;
  }
}

void Map2(int code) {
  switch (code) {
    case 60: Treasure(2, code, 1200, kJarGlints, kJarEmpty); break;
    case 61: Treasure(2, code, 3500, kJarGlints, kJarEmpty); break;
    case 50: case 51: case 52: case 53: case 54: case 55: case 56: case 62: Thing(2, code); break;
    default:
      if (code >= 10 && code <= 21) Talk(2, code);
      else Add(kEndOfList, "");
      break;
  }
}

void Map3(int code) {
  const RpgStoryTexts& s = kRpgStory;
  switch (code) {
    case 12:
      GearShop(code, "ここは防具屋です。：", "Ｇで「FORCEFIELD」をお売りしますよ。", RpgState.ArmourPrice, 26);
      return;
    case 13:
      GearShop(code, "ここは武器屋です：", "Ｇで「EXCALIBUR」をお売りしますよ。", RpgState.WeaponPrice, 27);
      return;
    case 34:
      Shop("ここは宿屋です。：１泊" + RpgFullWidth(RpgState.InnPrice) + "Ｇで休んでいけますよ。", "泊まりますか？",
           RpgState.InnPrice, 25, "ありがとうございます。：では、ゆっくりして行ってください。");
      return;
    case 50: Treasure(3, code, 2000, "この箱は店の金庫のようです。", kBoxEmpty); return;
    case 51: Treasure(3, code, 50000, "ツボの中にＧがぎっしりつまっています。", kBoxEmpty); return;
    case 52: case 55: case 56: case 57: Thing(3, code); return;
    case 58:
      for (const char* line : s.Diary) Add(0, line);
      Add(kEndOfList, "");
      return;
    case 59:
      Add(0, "扉には鍵がかけられています。");
      Add(kEndOfList, "");
      return;
    case 60:
      if (Done(3, code) == 0) {
        RpgState.GoldFound = 900000;
        Done(3, code) = 1;
        Add(0, "箱の中にＧがぎっしりつまっています。");
        Add(30, RpgFullWidth(RpgState.GoldFound) + "Ｇ手に入れた！");
        Add(0, "手紙が入っています。");
        Add(0, s.Letter[0]);
        Add(0, s.Letter[1]);
      } else {
        Add(0, kBoxEmpty);
      }
      Add(kEndOfList, "");
      return;
    default:
      // People; a code without a line builds nothing.
      if (Find(RpgTalkTable(), 3, code) != nullptr) Talk(3, code);
      return;
  }
}

void Map5(int code) {
  const RpgStoryTexts& s = kRpgStory;
  switch (code) {
    case 10:
    case 11: Talk(5, code); return;
    case 12: Thing(5, code); return;
    case 15:
      RpgState.GoldFound = 500;
      Add(0, s.KingThanks);
      Add(0, "これは報酬の" + RpgFullWidth(500) + "Ｇだ、受け取るがよいぞ。");
      Add(30, RpgFullWidth(RpgState.GoldFound) + "Ｇ手に入れた！");
      Add(0, s.KingCallsPrincess);
      Add(40, "");
      Add(41, "邪魔だ！");
      Add(42, "");
      Add(0, s.AssassinDeclares);
      Add(43, "");
      Add(0, "ひええ、勇者よ、助けてくれ！");
      Add(44, "");
      Add(45, "");
      break;
    case 20:
      Add(0, s.PrincessCries);
      Add(0, s.AssassinWasBrother);
      Add(0, s.PrincessVows);
      Add(50, "");
      break;
    case 21:
      Add(51, "");
      Add(0, s.KingRages);
      Add(0, s.KingIsFather);
      Add(0, "衛兵どもよ、この馬鹿な勇者を引っ捕らえい！");
      Add(0, "はっ！");
      Add(52, "");
      break;
    case 22:
      Add(55, "");
      Add(0, s.KingOrdersAll);
      Add(56, "城の兵士たちが一斉に突撃してきました。");
      Add(57, "");
      break;
    case 23:
      Add(0, s.KingDespairs);
      Add(0, s.KingCollapses);
      Add(58, "王はその場に倒れ込んでしまいました。");
      Add(59, "");
      Add(0, s.KingIsDead);
      Add(60, "町の人々が集まってきました。");
      Add(0, s.TownThanks[0]);
      Add(0, s.TownThanks[1]);
      Add(0, "ありがとう、勇者さま！");
      Add(0, "ありがとう！");
      Add(61, "");
      break;
    case 24:
      Add(0, s.HeroBeatTown);
      Add(65, s.HeroGoesOn);
      Add(66, s.MankindGone);
      Add(67, "");
      Add(0, s.GodComes);
      Add(0, s.GodSpeaks);
      Add(0, s.HeroTakenUp);
      Add(68, s.GodsTorment);
      Add(69, s.HeroFalls);
      Add(67, "");
      Add(0, s.GodWordsIntro);
      for (const char* line : s.GodWords) Add(0, line);
      Add(70, s.WorldAtPeace);
      Add(0, "めでたしめでたし。");
      Add(71, "");
      break;
    default: break;
  }
  Add(kEndOfList, "");
}

// A sprite walk: the sprite, whether it enters at a cell first, and its waypoints.
void SpriteWalk(int sprite, bool enters, int startX, int startY, std::initializer_list<std::array<int, 2>> points) {
  RpgState.WaypointLast = static_cast<int>(points.size()) - 1;
  RpgState.WaypointSprite = sprite;
  RpgState.WaypointIndex = 0;
  for (const auto& p : points) G05_PushWaypoint(p[0], p[1]);
  RpgState.WaypointIndex = 0;
  if (enters) {
    RpgSpriteLayer(RpgState.G05HeroBox + 1 + sprite, sprite, RpgState.HeroSpotX + RpgState.G05CellSize * startX,
                   RpgState.HeroSpotY + RpgState.G05CellSize * startY);
  }
  GoToNextTick(kRpgSpriteWalk, 0);
}

void MapPicture(int number) {
  DrawState.CurrentLayer = RpgState.G05MapBox;
  C00_LoadPicture(1, kRpgPictureMap, number);
}

// The map layer prepared anew as a load prepares it, then picture `number` with the
// hero at (4, 4).
void FreshMap(int number) {
  RpgPrepareMapLayer();
  RpgState.HeroX = 4;
  RpgState.HeroY = 4;
  MapPicture(number);
  G05_ScrollMap();
}

void Battle(const char* enemy) {
  G05_SetupEnemy(enemy);
  GoToNextTick(kRpgBattle, 0);
}

void RunCode(int code) {
  switch (code) {
    case kChoice:
      G05_ChoiceWindow(0);
      RpgSlideUp(RpgState.G05WindowBox + 1);
      GoTo(kRpgChoice, 0);
      break;
    case 20:
      RpgState.HeroGold += 100;
      G05_StatusPanel(1);
      break;
    case 25:
      RpgState.HeroGold -= RpgState.InnPrice;
      RpgState.HeroHP = RpgState.HeroMaxHP;
      G05_StatusPanel(1);
      break;
    case 26:
      RpgState.ArmourRank = 1;
      RpgState.ArmourBonus = 4;
      RpgState.HeroGold -= RpgState.ArmourPrice;
      Done(RpgState.MapNumber, RpgState.TargetCode) = 1;
      G05_StatusPanel(1);
      break;
    case 27:
      RpgState.WeaponRank = 1;
      RpgState.WeaponBonus = 4;
      RpgState.HeroGold -= RpgState.WeaponPrice;
      Done(RpgState.MapNumber, RpgState.TargetCode) = 1;
      G05_StatusPanel(1);
      break;
    case 30:
      RpgState.HeroGold += RpgState.GoldFound;
      G05_StatusPanel(1);
      break;
    case 40:
      RunMusicFade(100);
      SpriteWalk(2, true, -1, -5, {{-1, -4}, {-1, -3}, {-1, -2}});
      break;
    case 41:
      GameSound(500);
      G05_MoveSprite(5, 5, 6);
      G05_MoveSprite(5, 6, 5);
      break;
    case 42: SpriteWalk(2, false, 0, 0, {{0, -2}}); break;
    case 43:
      RpgSpriteLayer(RpgState.G05HeroBox + 1, 0, RpgState.HeroSpotX, RpgState.HeroSpotY - RpgState.G05CellSize);
      G05_MoveSprite(6, 6, 6);
      SpriteWalk(0, false, 0, 0, {{1, -1}});
      break;
    case 44: SpriteWalk(2, false, 0, 0, {{0, -1}}); break;
    case 45: Battle("1"); break;
    case 50: Battle("2"); break;
    case 51: SpriteWalk(0, false, 0, 0, {{0, -1}, {0, -2}}); break;
    case 52: Battle("3"); break;
    case 55: SpriteWalk(0, false, 0, 0, {{0, -3}}); break;
    case 56: MapPicture(6); break;
    case 57: Battle("4"); break;
    case 58: G05_MoveSprite(8, 6, 4); break;
    case 59:
      RpgState.G05Direction = 1;
      Wait(kRpgScriptedStep, 0);
      Wait(kRpgScriptedStep, 0);
      Wait(0, 0);
      break;
    case 60: MapPicture(8); break;
    case 61: Battle("5"); break;
    case 65: FreshMap(10); break;
    case 66:
      RpgState.HeroX = 4;
      RpgState.HeroY = 4;
      MapPicture(11);
      G05_ScrollMap();
      break;
    case 67: SpriteWalk(4, true, -1, -5, {{1, -4}, {-1, -3}, {1, -2}, {0, -1}}); break;
    case 68:
      ShowLayer(RpgState.G05MapBox, false);
      ShowLayer(RpgState.G05HeroBox + 5, false);
      break;
    case 69:
      DrawState.CurrentLayer = RpgState.G05HeroBox;
      ClipCellToLayer(1, RpgState.G05CellSize * 9, 0, RpgState.G05CellSize, RpgState.G05CellSize);
      break;
    case 70:
      ShowLayer(RpgState.G05HeroBox, false);
      ShowLayer(RpgState.G05HeroBox + 5, false);
      FreshMap(10);
      break;
    case 71:
      GoToNextTick(kRpgEnding, 0);
      break;
    default: break;
  }
}

}  // namespace

void G05_AddEventItem(int code, const std::string& text) {
  // The list holds 100 entries; no list reaches that, and a longer one would be cut.
  if (RpgState.EventPos < 0 || RpgState.EventPos >= kEventCount) return;
  RpgState.EventCode[static_cast<size_t>(RpgState.EventPos)] = code;
  RpgState.EventText[static_cast<size_t>(RpgState.EventPos)] = text;
  ++RpgState.EventPos;
}

void G05_PushWaypoint(int x, int y) {
  const size_t i = static_cast<size_t>(RpgState.WaypointIndex);
  if (i >= RpgState.WaypointX.size()) return;
  RpgState.WaypointX[i] = x;
  RpgState.WaypointY[i] = y;
  ++RpgState.WaypointIndex;
}

void G05_MoveSprite(int cell, int column, int row) {
  BlitSpec.BlitSource = RpgState.G05TileBox;
  BlitSpec.BlitTarget = RpgState.G05MapBox;
  const int size = RpgState.G05CellSize;
  BitBltCopy(RpgState.G05TileBox, RpgState.G05MapBox,
             BlitCoords(size * cell, 0, size, size, size * column, size * row));
}

void G05_BuildEvent() {
  RpgState.EventPos = 0;
  const int code = RpgState.TargetCode;
  switch (RpgState.MapNumber) {
    case 0: Map0(code); break;
    case 1: Map1(code); break;
    case 2: Map2(code); break;
    case 3: Map3(code); break;
    case 5: Map5(code); break;
    default: break;
  }
  // A cell without an event would otherwise rerun whatever list stood there before.
  if (RpgState.EventPos == 0) Add(kEndOfList, "");
}

void G05_EventStep() {
  RpgStateRecord& rpg = RpgState;
  if (SceneCursor.SceneStep != 0) return;
  const size_t pos =
      static_cast<size_t>(rpg.EventPos < 0 || rpg.EventPos >= kEventCount ? kEventCount - 1 : rpg.EventPos);
  const int code = rpg.EventCode[pos];
  if (code == kEndOfList) {
    Wait(kRpgWindowClose, 0);
    ShowLayer(rpg.G05WindowBox, false);
    GoTo(kRpgWalk, 0);
    return;
  }
  const std::string& text = rpg.EventText[pos];
  if (!text.empty()) GameSound(511);
  G05_MessageWindow(0, text);
  RunCode(code);
  if (code != kChoice) rpg.EventPos = static_cast<int>(pos) + 1;
}

void G05_SpriteWalkStep() {
  Wait(kRpgSpriteLeg, 0);
  ++RpgState.WaypointIndex;
  if (RpgState.WaypointIndex > RpgState.WaypointLast) {
    GoTo(kRpgEventList, 0);
  }
  Wait(0, 0);
}

void G05_ChoiceStep() {
  const int direction = RpgState.G05Direction;
  if (direction != 1 && direction != 3) return;
  GameSound(510);
  G05_ChoiceWindow(direction / 3 + 10);
  RpgBlink(RpgState.G05WindowBox + 2, 8);
  ShowLayer(RpgState.G05WindowBox + 1, false);
  RpgState.EventPos = RpgState.ChoiceJump[static_cast<size_t>(direction / 3)];
  GoToNextTick(kRpgEventList, 0);
}
