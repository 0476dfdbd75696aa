// The danger level that rises as 運 falls, and the omen message that announces each
// rise: a short comic line about the board's character, drawn at random from the
// new level's messages.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "platform/fonts.h"
#include "platform/text_encoding.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_pictures.h"

namespace {

// The engine's centring takes its width by reference.
int MidX(int w) { return CentreX(w); }
int MidY(int h) { return CentreY(h); }

constexpr int kOmenWidth = 650;
constexpr int kOmenHeight = 250;
constexpr int kOmenDraws = 100;
constexpr int kOmenInset = 20;     // the text's distance from every edge of the box
constexpr int kOmenRowGap = 10;
constexpr int kOmenGlowReach = 2;  // the glow's passes reach this far past the letters
constexpr int kOmenSmallest = 16;  // the size no omen goes below

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

// Where a long row may break, best first: after a pause mark; after a particle
// before a new word; between kana and the kanji or katakana of a new word (rank 3
// to 1). No row starts with a mark that closes a phrase.
bool PauseMark(char32_t c) { return c == U'、' || c == U'。' || c == U'！' || c == U'？' || c == U'」' || c == U'　' || c == U'…'; }
bool ClosingMark(char32_t c) { return c == U'、' || c == U'。' || c == U'！' || c == U'？' || c == U'」' || c == U'…' || c == U'）'; }
bool Hiragana(char32_t c) { return c >= U'ぁ' && c <= U'ゖ'; }
bool Particle(char32_t c) { return std::u32string_view(U"はがをにでとへもや").find(c) != std::u32string_view::npos; }
bool WordStart(char32_t c) { return !Hiragana(c) && !ClosingMark(c) && c != U'ー' && c != U'ッ'; }
int BreakRank(const std::u32string& row, size_t b) {
  if (ClosingMark(row[b])) return 0;
  if (PauseMark(row[b - 1])) return 3;
  if (!Hiragana(row[b - 1]) || !WordStart(row[b])) return 0;
  const std::u32string_view two = b >= 2 ? std::u32string_view(row).substr(b - 2, 2) : std::u32string_view();
  return Particle(row[b - 1]) || two == U"から" || two == U"まで" || two == U"より" ? 2 : 1;
}

// Measured as MeasureText(0) measures: the proportional font, bold.
tq::TextExtent Extent(const std::u32string& row, int size) {
  std::string text;
  for (char32_t c : row) tq::AppendUtf8(text, c);
  return tq::MeasureTextExtent({tq::kFontProportional, size, true, false}, text);
}
int RowWidth(const std::u32string& row, int size) { return Extent(row, size).width; }

// One row of a message as rows no wider than room, of about even lengths: each
// break at the best place near the even point, never inside the subject's name.
void BreakRow(const std::u32string& row, const std::u32string& subject, int size, int room,
              std::vector<std::u32string>& out) {
  std::vector<bool> inName(row.size() + 1, false);
  for (size_t at = subject.empty() ? std::u32string::npos : row.find(subject); at != std::u32string::npos;
       at = row.find(subject, at + 1)) {
    for (size_t k = at + 1; k < at + subject.size(); ++k) inName[k] = true;
  }
  size_t start = 0;
  for (;;) {
    const int width = RowWidth(row.substr(start), size);
    if (width <= room) {
      out.push_back(row.substr(start));
      return;
    }
    const size_t pieces = static_cast<size_t>((width + room - 1) / room);
    size_t fit = start + 1;
    while (fit < row.size() && RowWidth(row.substr(start, fit + 1 - start), size) <= room) ++fit;
    const size_t even = std::min(fit, start + (row.size() - start + pieces - 1) / pieces);
    const size_t low = start + std::max<size_t>(1, (even - start) / 2);
    // A break that leaves the rest needing no more rows than planned wins.
    size_t cut = 0;
    int rank = 0;
    size_t distance = 0;
    bool planned = false;
    for (size_t b = low; b <= fit; ++b) {
      const int r = inName[b] ? 0 : BreakRank(row, b);
      if (r == 0) continue;
      const bool keeps = RowWidth(row.substr(b), size) <= room * static_cast<int>(pieces - 1);
      const size_t d = b > even ? b - even : even - b;
      if (keeps > planned || (keeps == planned && (r > rank || (r == rank && d < distance)))) {
        cut = b;
        rank = r;
        distance = d;
        planned = keeps;
      }
    }
    if (cut == 0) {
      cut = even;
      while (cut > start + 1 && (ClosingMark(row[cut]) || inName[cut])) --cut;
    }
    out.push_back(row.substr(start, cut - start));
    start = cut;
  }
}

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

std::vector<std::string> OmenRows(const std::string& text, const std::string& subject, int& size) {
  std::u32string name;
  for (size_t pos = 0; pos < subject.size();) name += tq::NextCodePoint(subject, pos);
  std::vector<std::u32string> rows;
  {
    std::u32string row;
    size_t pos = 0;
    while (pos < text.size()) {
      const char32_t c = tq::NextCodePoint(text, pos);
      if (c == U'：') {
        rows.push_back(row);
        row.clear();
      } else {
        row += c;
      }
    }
    rows.push_back(row);
  }
  const int room = kOmenWidth - 2 * kOmenInset - kOmenGlowReach;
  std::vector<std::u32string> fitted;
  for (;; --size) {
    fitted.clear();
    for (const std::u32string& row : rows) BreakRow(row, name, size, room, fitted);
    const int height = Extent(U"あ", size).height;
    const int bottom = kOmenInset + (height + kOmenRowGap) * (static_cast<int>(fitted.size()) - 1) + height;
    if (bottom + kOmenGlowReach <= kOmenHeight - kOmenInset || size <= kOmenSmallest) break;
  }
  std::vector<std::string> out;
  for (const std::u32string& row : fitted) {
    std::string utf8;
    for (char32_t c : row) tq::AppendUtf8(utf8, c);
    out.push_back(utf8);
  }
  return out;
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
  // Rows too wide for the box break, and a message too tall for it gets smaller.
  int size = TextStyle.TextFontSize;
  const std::vector<std::string> lines = OmenRows(text, OmenSubject(BoardState.BoardCharacter), size);
  TextStyle.TextFontSize = size;
  for (size_t i = 0; i < lines.size(); ++i) {
    TextStyle.CurrentText = lines[i];
    MeasureText(0);
    TextStyle.TextX = kOmenInset;
    TextStyle.TextY = (TextStyle.MeasuredHeight + kOmenRowGap) * static_cast<int>(i) + kOmenInset;
    DrawState.CurrentLayer = layer;
    GlowText(0, kLooks[level].scheme, 0, 0.0f);
  }
  DrawState.CurrentLayer = layer;
}
