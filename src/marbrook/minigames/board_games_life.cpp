// The life board: the easy life (state 100), the hard life (state 200) and the
// message window they share.
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/timed_effects.h"
#include "marbrook/minigames/board_games.h"
#include "scenario/motion_curves.h"

using namespace board_games;

namespace {

enum : int {  // SceneStep of the hard life that more than one step names
  kHardRoll = 5,
  kHardWalk = 10,
  kHardLanded = 20,
  kHardOver = 30,
  kHardClear = 40,
};

constexpr int kGoalKind = 12;
constexpr int kFirstDeathKind = 13;
constexpr int kLastDeathKind = 19;
constexpr int kBoardWidth = 900;  // the hard board picture
constexpr int kBoardHeight = 600;

// The message texts; "：" starts a line. Each line fits the 850-pixel window at
// size 20, five lines to the 220-pixel window, four to the 180-pixel one.
struct MessageRow {
  int code;
  const char* text;
};
constexpr const char* kBirth =
    "あなたは生まれました！　大誕生の瞬間です。：健康で丈夫な赤ちゃんでした。ご両親は大喜びです。："
    "ご両親が今日の人生を歩んでくるまで様々なドラマがありました。：そしてあなたもその大感動ドラマに参加することになったのです！";
constexpr MessageRow kMessages[] = {
    {10, kBirth},
    {11,
     "あなたは死にました！　これぞまさしく大往生です。：思えば様々な大感動ドラマがありました。つらいことや悲しいこと。："
     "数多くの苦難や悲哀を乗り越えあなたはとうとう死んだのです！：その偉業はあなたの中で永遠に語り継がれることになるでしょう。"},
    {90, kBirth},
    {101,
     "おめでとうございます！　幼稚園に入園しました。：はじめての友だちに、はじめてのお弁当。："
     "毎日が新しい発見でいっぱいです。：いま、このとき、あなたは輝いています。：さあ、次のサイコロをふりましょう！"},
    {102,
     "おめでとうございます！　小学校に入学しました。：ぴかぴかのランドセルが、少し重たく感じます。："
     "勉強も遊びも、思いきり楽しみましょう。：いま、このとき、あなたは輝いています。：さあ、次のサイコロをふりましょう！"},
    {103,
     "おめでとうございます！　中学校に入学しました。：部活動に打ちこむ日々が始まります。："
     "先輩も後輩も、かけがえのない仲間です。：いま、このとき、あなたは輝いています。：さあ、次のサイコロをふりましょう！"},
    {104,
     "おめでとうございます！　高校に入学しました。：文化祭に体育祭、行事がもりだくさんです。："
     "将来の夢が、少しずつ形になってきました。：いま、このとき、あなたは輝いています。：さあ、次のサイコロをふりましょう！"},
    {105,
     "おめでとうございます！　大学に入学しました。：ひとり暮らしを始めて、自由な毎日です。："
     "たくさん学んで、たくさん寄り道しましょう。：いま、このとき、あなたは輝いています。：さあ、次のサイコロをふりましょう！"},
    {106,
     "おめでとうございます！　会社に就職しました。：はじめてのお給料で、家族にごちそうしました。："
     "働くことの大変さと楽しさを知りました。：いま、このとき、あなたは輝いています。：さあ、次のサイコロをふりましょう！"},
    {107,
     "おめでとうございます！　結婚しました。：大切な人と、同じ道を歩むことになりました。："
     "にぎやかな毎日の始まりです。：いま、このとき、あなたは輝いています。：さあ、次のサイコロをふりましょう！"},
    {108,
     "おめでとうございます！　子供が生まれました。：小さな手が、あなたの指をぎゅっとにぎります。："
     "今度はあなたが見守る番です。：いま、このとき、あなたは輝いています。：さあ、次のサイコロをふりましょう！"},
    {109,
     "なんということでしょう！　会社がつぶれてしまいました。：ですが、これも人生の通過点です。："
     "新しい仕事を探して、一から出直しです。：こんな時代もあったねと、いつか笑える日が来ます。：さあ、次のサイコロをふりましょう！"},
    {110,
     "なんと！　船で世界一周の旅に出ることにしました。：仕事も家も、すべて置いての大冒険です。："
     "見たことのない海が、あなたを待っています。：この決断が吉と出るか凶と出るか……。：さあ、次のサイコロをふりましょう！"},
    {111,
     "大変です！　嵐にあって無人島に流れ着きました。：ヤシの実をかじりながら、助けの船を待つ日々です。："
     "それでも、星空だけはとびきりきれいです。：希望を捨てずに、のろしを上げ続けましょう。：さあ、次のサイコロをふりましょう！"},
    {112,
     "ゴール！　あなたは長い人生を歩ききりました。：うれしいことも、つらいことも、たくさんありました。："
     "大勢の家族に囲まれて、おだやかな眠りにつきます。：すばらしい人生でした。本当におつかれさまでした！"},
    {113,
     "ああ、なんということでしょう！：助けの船は、とうとう来ませんでした。：あなたは島の王様として、一生をそこで過ごしました。："
     "あなたの人生すごろくは、ここでおしまいです。：またはじめから、やり直してみましょう。"},
    {114,
     "ああ、なんということでしょう！：ふしぎな光に包まれて、あなたは空へ消えました。：遠い星で、新しい暮らしが始まるそうです。："
     "あなたの人生すごろくは、ここでおしまいです。：またはじめから、やり直してみましょう。"},
    {115,
     "ああ、なんということでしょう！：おなかがすきすぎて、一歩も動けなくなりました。：ごはんは、一日三回しっかり食べましょう。："
     "あなたの人生すごろくは、ここでおしまいです。：またはじめから、やり直してみましょう。"},
    {116,
     "ああ、なんということでしょう！：ひどいかぜをひいて、ずっと寝こんでしまいました。：うがいと手洗いは、毎日かかさずに。："
     "あなたの人生すごろくは、ここでおしまいです。：またはじめから、やり直してみましょう。"},
    {117,
     "ああ、なんということでしょう！：バナナの皮ですべって、町の外まで転がりました。：足もとには、くれぐれもご用心。："
     "あなたの人生すごろくは、ここでおしまいです。：またはじめから、やり直してみましょう。"},
    {118,
     "ああ、なんということでしょう！：おどりが止まらなくなって、旅芸人になりました。：今日もどこかで、元気におどり続けています。："
     "あなたの人生すごろくは、ここでおしまいです。：またはじめから、やり直してみましょう。"},
    {119,
     "ああ、なんということでしょう！：とつぜんの竜巻に、空のかなたまで飛ばされました。：どこに着いたのかは、だれにもわかりません。："
     "あなたの人生すごろくは、ここでおしまいです。：またはじめから、やり直してみましょう。"},
};

// The board picture's top-left corner (the board's grid is centred in it).
Rect BoardRect() {
  GetLayerRect(kRectIntoCurrent, BoardGameState.G02BoardBox);
  return DrawState.CurrentRect;
}

// Both rise together from below the window to its centre.
void RiseToCentre(int first, int last, int frames) {
  for (int layer = first; layer <= last; ++layer) {
    const int x = CentreX(LayerWidth(layer));
    StoreSlot(layer - first, layer, x, WindowHeight(), x, CentreY(LayerHeight(layer)));
  }
  MoveSlots(last - first, frames, kMotionEaseOut);
}

// The goal picture scrolls across the window on the sign layer.
void ScrollGoal() {
  const int sign = BoardGameState.G02SignBox;
  PrepareWithPicture(sign, WindowWidth(), 0, WindowWidth(), WindowHeight(), kGoalPicture, 0);
  Glide(sign, WindowWidth(), 0, -LayerWidth(sign), 0, 600, 5, kMotionLinear);
}

void Roll() {
  ShowLayer(BoardGameState.G02SignBox, false);
  // The die stays on the window until the next click.
  RunEffect(kLifeRoll, EffectEnd::kReturn);
  EffectParams.EffectResumesStep = -1;  // as the common effects leave it when they end
}

void ClearScreen() {
  GameSound(209);
  PrepareWithPicture(BoardGameState.G02SignBox, 0, 0, WindowWidth(), WindowHeight(), kLifeClearPicture, 0);
}

void Jump() {
  const int piece = BoardGameState.G02PieceBox;
  GameSound(205, 0, -0.1f);
  DrawState.CurrentLayer = piece;
  GetLayerRect(kRectIntoCurrent, piece);
  EffectParams.EffectAmplitude = -100;
  EffectParams.EffectFrames = 30;
  RunEffect(kEffectDrop, EffectEnd::kReturn);
}

void EasyLife() {
  const int board = BoardGameState.G02BoardBox;
  switch (SceneCursor.SceneStep) {
    case 0: {
      C15_PlayMusic(201);
      GameSound(203);
      PrepareWithPicture(board, 0, WindowHeight(), kBoardWidth, kBoardHeight, kEasyPicture, 3);
      PrepareWithPicture(board + 1, 0, WindowHeight(), 260, 260, kEasyPicture, 0);
      RiseToCentre(board, board + 1, 30);
      RunPause(300);
      GameSound(203);
      PrepareWithPicture(board + 2, 0, 0, 700, 100, kEasyPicture, 2);
      MoveLayer(board + 2, CentreX(LayerWidth(board + 2)), CentreY(LayerHeight(board + 2)), LayerWidth(board + 2),
                LayerHeight(board + 2));
      PrepareWithPicture(board + 3, 0, 0, 260, 260, kEasyPicture, 1);
      const int x3 = CentreX(LayerWidth(board + 3));
      const int y3 = CentreY(LayerHeight(board + 3));
      MoveLayer(board + 3, x3, y3, LayerWidth(board + 3), LayerHeight(board + 3));
      LayerToFront(board + 1);
      StoreSlot(0, board + 3, x3, y3, x3 + LayerWidth(board + 3) / 2 + 30, y3);
      const int x1 = LayerLeft(board + 1);
      StoreSlot(1, board + 1, x1, LayerTop(board + 1), x1 - (LayerWidth(board + 1) / 2 + 30), LayerTop(board + 1));
      MoveSlots(1, 10, kMotionEaseOut);
      RunPause(100);
      SceneCursor.SceneStep = 1;
      Wait(0, 0);
      break;
    }
    case 1:
      SceneCursor.SceneStep = 2;
      Wait(kBabyUp, 0);  // its end arms the next tick
      break;
    case 2:
      G02_LifeMessage(10);
      SceneCursor.SceneStep = 5;
      break;
    case 5:
      Roll();  // the roll is only for show
      SceneCursor.SceneStep = 6;
      break;
    case 6: {
      ShowLayer(BoardGameState.G02DieBox, false);
      GameSound(207);
      const int piece = BoardGameState.G02PieceBox;
      const int toX = LayerLeft(board + 3) + LayerWidth(board + 3) / 2 - LayerWidth(piece) / 2;
      Glide(piece, LayerLeft(piece), LayerTop(piece), toX, LayerTop(piece), 20, kDefaultDelay, kMotionEaseOut);
      Jump();
      Jump();
      SceneCursor.SceneStep = 7;
      Wait(-1, 300);
      break;
    }
    case 7:
      RunMusicFade(100);
      ScrollGoal();
      G02_LifeMessage(11);
      SceneCursor.SceneStep = 8;
      break;
    case 8:
      ClearScreen();
      SceneCursor.SceneStep = 9;
      break;
    case 9:
      SceneCursor.SceneStep = 10;
      Wait(kClearFall, 0);  // its end arms the next tick
      break;
    case 10:
      RunPause(500);
      G02_Leave(0);
      break;
    default: break;
  }
}

void Hop() {
  DrawState.CurrentLayer = BoardGameState.G02PieceBox;
  Wait(kHop, 0);
}

void HardLife() {
  BoardGameStateRecord& game = BoardGameState;
  const int board = game.G02BoardBox;
  switch (SceneCursor.SceneStep) {
    case 0: {
      C15_PlayMusic(202);
      GameSound(201);
      PrepareWithPicture(board, CentreX(int{kBoardWidth}), WindowHeight(), kBoardWidth, kBoardHeight, kEasyPicture, 3);
      const int x = CentreX(LayerWidth(board));
      const int y = CentreY(LayerHeight(board));
      Glide(board, x, WindowHeight(), x, y, 30, kDefaultDelay, kMotionEaseOut);
      G02_BuildBoard(10);
      const Rect r = BoardRect();
      game.BoardOriginX = (kBoardWidth - game.SquareSize * (game.LastColumn + 1)) / 2 + r.X;
      game.BoardOriginY = (kBoardHeight - game.SquareSize * (game.LastRow + 1)) / 2 + r.Y;
      SceneCursor.SceneStep = 1;
      Wait(0, 0);
      break;
    }
    case 1: {
      Wait(kDrawTiles, 0);
      game.MovingSquare = 0;
      const int piece = game.G02PieceBox;
      PrepareWithPicture(piece, 0, 0, 50, 50, kHardPicture, 1);
      game.PieceSize = LayerWidth(piece);
      const int size = game.SquareSize;
      const int x = game.SquareColumn[0] * size + game.BoardOriginX + size / 2 - game.PieceSize / 2;
      const int y = game.SquareRow[0] * size + game.BoardOriginY + size / 2 - game.PieceSize / 2;
      MoveLayer(piece, x, y, LayerWidth(piece), LayerHeight(piece));
      Hop();
      SceneCursor.SceneStep = 2;
      break;
    }
    case 2:
      G02_LifeMessage(90);
      SceneCursor.SceneStep = kHardRoll;
      break;
    case kHardRoll:
      Roll();
      game.StepsLeft = game.G02LastRoll;
      SceneCursor.SceneStep = 6;
      break;
    case 6:
      ShowLayer(game.G02DieBox, false);
      SceneCursor.SceneStep = kHardWalk;
      Wait(0, 0);
      break;
    case kHardWalk:
      --game.StepsLeft;
      ++game.MovingSquare;
      // A roll never carries the piece past the goal.
      SceneCursor.SceneStep =
          game.MovingSquare >= game.LastSquare || game.StepsLeft <= 0 ? static_cast<int>(kHardLanded) : kHardWalk;
      if (game.MovingSquare > game.LastSquare) game.MovingSquare = game.LastSquare;
      Wait(kLifeMove, 0);  // its end arms the next tick
      break;
    case kHardLanded: {
      const int k = game.SquareKind[static_cast<size_t>(game.MovingSquare)];
      if (k == kGoalKind) {
        Hop();
        Hop();
        RunMusicFade(100);
        ScrollGoal();
      }
      G02_LifeMessage(k + 100);
      if (k == kGoalKind) {
        SceneCursor.SceneStep = kHardClear;
      } else if (k >= kFirstDeathKind && k <= kLastDeathKind && game.KeepLivingAfterDeath == 0) {
        SceneCursor.SceneStep = kHardOver;
      } else {
        SceneCursor.SceneStep = kHardRoll;
      }
      break;
    }
    case kHardOver:
      RunMusicFade(100);
      GoTo(kLifeTitle, 1);  // a click lets the title fall in again
      Wait(kGameOverFall, 0);
      break;
    case kHardClear:
      ClearScreen();
      SceneCursor.SceneStep = 41;
      break;
    case 41:
      SceneCursor.SceneStep = 42;
      Wait(kClearFall, 0);  // its end arms the next tick
      break;
    case 42:
      RunPause(500);
      G02_Leave(1);
      break;
    default: break;
  }
}

}  // namespace

namespace board_games {

void LifeStep() {
  if (SceneCursor.SceneState == kEasyLife) EasyLife();
  else HardLife();
}

}  // namespace board_games

std::string G02_LifeMessageText(int code) {
  for (const MessageRow& m : kMessages) {
    if (m.code == code) return m.text;
  }
  return {};
}

void G02_LifeMessage(int code) {
  GameSound(208);
  const int layer = BoardGameState.G02SignBox;
  const bool tall = (code >= 101 && code <= 111) || (code >= 113 && code <= 119);
  int width = 850;
  int height = tall ? 220 : 180;
  TextStyle.TextFontSize = 20;
  const int x = CentreX(width);
  const int y = code == 10 || code == 11 ? WindowHeight() - (height + 10) : CentreY(height);
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, width, height};
  PrepareLayer(kPreparePictureShown);
  DrawBevelFrame(10, 50, 110);
  std::vector<std::string> lines;
  int count = 0;
  SplitFields(G02_LifeMessageText(code), "：", 99, lines, count);
  for (int i = 1; i <= count; ++i) {
    TextStyle.CurrentText = lines[static_cast<size_t>(i)];
    MeasureText(0);
    TextStyle.TextX = 20;
    TextStyle.TextY = 20 + (TextStyle.MeasuredHeight + 10) * (i - 1);
    DrawState.CurrentLayer = layer;
    GlowText(0, 100, 0, 0.0f);
  }
}
