// The danger level that rises as 運 falls, and the omen message that announces each
// rise: a short comic line about the board's character, drawn at random from the
// new level's messages.
#include <string>
#include <vector>

#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "vadrim/board_model.h"
#include "vadrim/board_screen.h"
#include "vadrim/vadrim_pictures.h"

namespace {

// The engine's centring takes its width by reference.
int MidX(int w) { return CentreX(w); }
int MidY(int h) { return CentreY(h); }

constexpr int kOmenWidth = 650;
constexpr int kOmenHeight = 250;
constexpr int kOmenDraws = 100;

// "S" in a message stands for the subject.
const std::vector<std::string>& Messages(int level) {
  static const std::vector<std::string> kLevels[5] = {
      {
          "Sは、：息がくさくなった。",
          "Sは、：顔の皮膚がピキッとした。",
          "Sは、：何か大切なことを忘れているような気がした。",
          "Sは、：妙なストレスを感じた。",
          "Sは、：自分の乱視がひどくなっているような気がした。",
          "Sは、：ちょっとだけ眩暈を覚えた。",
          "Sは、：不気味な違和感を感じた。",
          "Sは……。：少年時代のトラウマを思い起こした。",
      },
      {
          "Sは、：動悸が激しくなった。",
          "Sは、：なぜか足がぷるぷると震えてきた。",
          "Sは、：自分の腕が震えていることに気づいた。",
          "Sは、何やら：不健康な汗が吹き出ていることに気づいた。",
          "そういえば昨日……。：Sは、嫌な出来事を思い出した。",
          "Sは、：尿意をもよおした。",
          "Sは、：自分の存在に疑問を感じた。",
          "Sは……うん？　なぜだろう？：１分前の出来事が思い出せない。",
      },
      {
          "Sは、：なぜだか咳が止まらない。",
          "Sは、：急におなかがいたくなった。",
          "Sは、：どういうわけだか鼻水が止まらない。",
          "Sは、：うっかり舌を噛んでしまった。",
          "Sは、：太ももに違和感を感じた。",
          "Sは、：鼻血を出している自分に気づいた。",
          "Sは、：こめかみににぶい痛みを感じた。",
          "Sは、：どこからか強烈な殺意を感じた。",
          "Sは、：悪魔の断末魔を耳にした。：……ような気がした。",
          "Sは、：おなかにしこりがあることに気づいた。",
      },
      {
          "Sは、：自分が不治の病だったような気がしてきた。",
          "Sは、：そろそろ寿命だったような気がしてきた。",
          "Sは、：自分がスパイに追われていたことを思い出した。",
          "Sは……。：……実はなんと、記憶喪失だった！",
          "Sは……。：……実はなんと、多重人格者だった！",
          "Sは、：実は昨日交通事故に遭っていた！：なんとこれまでは気力で持ちこたえていたのだ！",
          "Sは、：古い井戸で謎の呪いを受けていたことを思い出した。：この先いったいどうなってしまうのだろう……。",
          "Sは、吐血した！",
          "Sは、「あいたたた！　急に背中がつった！：おまけに足の小指までぶつけたぞ！」",
          "Sの体内から、：奇妙な音が聞こえてくる……。：この音は、いったい……。",
      },
      {
          "Sは、：自分がすでに死んでいたことを思い出した！：……なんとSは、幽霊だった！：すべてはなかったことになった！",
          "Sは、：自分が実は渡り鳥だったことに気づいた！：Sは、すごろく場から南の空へ飛んで逃げていった……。",
          "Sの頭に隕石が直撃した！：Sは即死した……。",
          "あっ！：謎の暗殺者がSを狙撃した！：Sは即死だった……。",
          "なんと、実はSはサイボーグだった！：エネルギーが尽き、機能が停止した……。：…………。",
          "Sは、：突如起こった心臓発作により、死んでしまった。",
          "うわあ！：どこからかダンプカーが突っ込んできた！：Sは、轢かれて死んでしまった……。",
          "うわあ！：なぜか暴れ馬が現れた！：Sは、蹴られて死んでしまった……。",
          "Sは、：大事な番組を予約し忘れていたことに気づいた！：こんなことをしてはいられない！：Sは家に帰っていった……。",
          "そのとき、未来から来たSが現れた！：「お前はこのとき死んでおくべきだったのだ！」：ざくざくざく！　うぎゃあー。：Sは、：未来の自分に殺されてしまった……。",
          "この世界には実はもうひとつ別の世界が存在していた！：しかしいまこの瞬間、異次元の覇者の力により、：ふたつの世界は統合されてしまった！：……その際の時流の波に耐え切れず、：Sは消滅してしまった！：ああ、なんという不幸な事故だったのだろう……！",
      },
  };
  static const std::vector<std::string> kNone;
  return level >= 1 && level <= 5 ? kLevels[level - 1] : kNone;
}

// Picture number and glow scheme of each level.
struct LevelLook {
  int picture, scheme;
};
constexpr LevelLook kLooks[6] = {{0, 0}, {0, 0}, {1, 0}, {1, 10}, {2, 10}, {2, 40}};

std::string ReplaceSubject(const std::string& message, const std::string& subject) {
  std::string out;
  for (char ch : message) {
    if (ch == 'S') out += subject;
    else out += ch;
  }
  return out;
}

}  // namespace

std::string OmenSubject(int character) {
  switch (character) {
    case 1: return "ボルダンさん";
    case 2: return "ホルムさん";
    case 3: return "コロップさん";
    case 4: return "ファルケさん";
    case 5: return "モスさん";
    case 6: return "ボルダンさん達";
    default: return "";
  }
}

std::string OmenText(int level, int number) {
  const std::vector<std::string>& list = Messages(level);
  if (number < 0 || number >= static_cast<int>(list.size())) return "";
  return ReplaceSubject(list[static_cast<size_t>(number)], OmenSubject(BoardState.BoardCharacter));
}

void D50_DangerLevel() {
  TurnFlow.DangerRose = 0;
  const int luck = PieceCounters.LuckGauge;
  if (luck > 80) return;
  int band = 5;
  if (luck >= 61) band = 1;
  else if (luck >= 41) band = 2;
  else if (luck >= 21) band = 3;
  else if (luck >= 1) band = 4;
  if (PieceCounters.DangerLevel < band) {
    PieceCounters.DangerLevel = band;
    TurnFlow.DangerRose = -1;
  }
}

void D50_OmenMessage() {
  const int level = PieceCounters.DangerLevel;
  const bool known = level >= 1 && level <= 5;
  TextStyle.TextFontSize = 22;
  std::string text;
  if (known) {
    const int count = static_cast<int>(Messages(level).size());
    for (int draw = 0; draw < kOmenDraws && text.empty(); ++draw) {
      const int n = RandomRange(0, level == 5 ? 10 : 9);
      if (n < count) {
        text = OmenText(level, n);
        if (level == 5 && n == 10) TextStyle.TextFontSize = 18;
      }
    }
  }
  const int layer = BoardLayers.BannerLayer;
  BoardPrepare(layer, MidX(kOmenWidth), MidY(kOmenHeight), kOmenWidth, kOmenHeight);
  D00_LoadPicture(1, 88, known ? kLooks[level].picture : 0);
  DrawState.CurrentLayer = layer;
  if (text.empty()) return;
  std::vector<std::string> lines;
  int count = 0;
  SplitFields(text, "：", 99, lines, count);
  for (int i = 1; i <= count; ++i) {
    TextStyle.CurrentText = lines[static_cast<size_t>(i)];
    MeasureText(0);
    TextStyle.TextX = 20;
    TextStyle.TextY = (TextStyle.MeasuredHeight + 10) * (i - 1) + 20;
    DrawState.CurrentLayer = layer;
    GlowText(0, kLooks[level].scheme, 0, 0.0f);
  }
  DrawState.CurrentLayer = layer;
}
