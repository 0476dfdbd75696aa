// The intermission stages: before each mini-game a narrated interlude with a caption,
// after it a chapter caption and one narration row, and the branch stage 6. One
// procedure pushes all of them from three templates; the texts are the tables below.
#include <span>
#include <string>
#include <vector>

#include "marbrook/stage_dispatch.h"
#include "scenario/script_store.h"

namespace {

// A narration row: its text, and the wait (in 100 ms units) after it when it goes on
// by itself; 0 waits for a click or automatic reading.
struct Row {
  const char* text;
  int waitUnits;
};

struct PreGame {
  int stage;
  std::span<const std::span<const Row>> blocks;
  const char* caption[2];
};

struct PostGame {
  int stage;
  const char* caption;
};

// Stage 3: the festival opens.
constexpr Row kOpening1[] = {
    {"港町マーブルックに、春いちばんの風が吹いた。", 5},
    {"広場には、色とりどりの旗が揺れている。", 5},
    {"年に一度の「町じまんの祭り」が始まるのだ。", 5},
    {"祭りの最初の出し物は、誰でも出られる勝負。", 5},
    {"腕に覚えのある者たちが、もう集まっていた。", 0},
};
constexpr Row kOpening2[] = {
    {"勝負といっても、使うのは片手ひとつ。", 5},
    {"石か、はさみか、紙か――。", 5},
    {"単純だからこそ、心の読み合いがものを言う。", 0},
};
constexpr Row kOpening3[] = {
    {"相手の目を見て、息をととのえる。", 5},
    {"迷えば負け、焦っても負け。", 5},
    {"最後に笑うのは、いったい誰だろう。", 10},
    {"さあ、最初の勝負の幕が上がる。", 0},
};
constexpr std::span<const Row> kStage3[] = {kOpening1, kOpening2, kOpening3};

constexpr Row kBoardDay[] = {
    {"祭りの二日目は、町の大通りが遊び場になる。", 5},
    {"石畳に描かれた、大きなすごろく盤。", 0},
    {"さいころを振って、ひとマスずつ進んでいく。", 0},
    {"止まったマスには、小さな出来事が待っている。", 0},
    {"運まかせに見えて、最後は度胸の勝負だ。", 0},
    {"さいころを握る手に、自然と力がこもった。", 0},
};
constexpr std::span<const Row> kStage11[] = {kBoardDay};

constexpr Row kRematch[] = {
    {"夕暮れの広場に、ふたたび人が集まってきた。", 5},
    {"旅の手品師の札が、夕風にひらりと舞う。", 0},
    {"札がいくら増えても、出す手はひとつきりだ。", 0},
};
constexpr std::span<const Row> kStage23[] = {kRematch};

// The two rows that stages 30 to 75 share.
constexpr Row kNextContest[] = {
    {"次の勝負の舞台が、もう整えられている。", 10},
    {"深呼吸をひとつして、一歩前へ踏み出した。", 0},
};
constexpr std::span<const Row> kShared[] = {kNextContest};

constexpr Row kLastNight[] = {
    {"祭りも、いよいよ最後の夜を迎えた。", 5},
    {"町外れの古い館に、明かりがひとつ灯っている。", 5},
    {"扉の向こうには、最後の謎が待っているという。", 0},
};
constexpr std::span<const Row> kStage85[] = {kLastNight};

// Captions print at 74 points: two short lines each.
constexpr PreGame kPreGame[] = {
    {3, kStage3, {"第一の勝負", "じゃんけん"}},
    {11, kStage11, {"第二の勝負", "すごろく"}},
    {23, kStage23, {"第三の勝負", "じゃんけん"}},
    {30, kShared, {"第四の勝負", "さいころ競走"}},
    {40, kShared, {"第五の勝負", "じゃんけん"}},
    {49, kShared, {"第六の勝負", "絵合わせ"}},
    {55, kShared, {"第七の勝負", "文字の冒険"}},
    {65, kShared, {"第八の勝負", "遊技場"}},
    {75, kShared, {"第九の勝負", "小さな冒険"}},
    {85, kStage85, {"第十の勝負", "謎の部屋"}},
};

constexpr PostGame kPostGame[] = {
    {5, "第二章"},  {15, "第三章"}, {25, "第四章"}, {35, "第五章"}, {45, "第六章"},
    {50, "第七章"}, {60, "第八章"}, {70, "第九章"}, {80, "第十章"}, {90, "最終章"},
};
constexpr const char* kFirstEvening = "勝負の熱が冷めやらぬまま、祭りの一日目が暮れていく。";
constexpr const char* kStoryGoesOn = "町の物語は、また新しい頁をめくる。";

// The branch stage 6: the narration balloon and the line that starts the choice.
constexpr const char* kBranchStage[] = {
    "[Tanselイベ]：Ｚ：Ev種=20：Ev分=00",
    "「カーテン閉じウェイト」",
    "[画面の消去]：Ev種=00：Ev分岐=-1",
    "●1：[顔の設定]：■[顔No]=01：[顔BMPNo]=0000：[顔FXNo]=10：[フキFXNo]=11：[フ思FXNo]=11：[ミニFXNo1]=15：[ミニFXNo2]=16",
    "[直接・背景表示]：Pc=00",
    "●1：[BMP変更]：BMP番号=0101：BMP番号2=00",
    "●1：[顔の移動]：Ｚ：(中央,外上)→(中央,45)：Ty=10：回=1：反動=1：顔音=-1",
    "[Tanselイベ]：Ｚ：Ev種=20：Ev分=01",
    "[フキA]：■フ種=(51,00,*)：■祭りの一日目の夜。川べりに、灯籠の明かりがともる。：ベルは今夜も強がる？　それとも、素直になる？",
    "[フキ消去]",
    "●2：[顔の設定]：■[顔No]=02：[顔BMPNo]=0006：[顔FXNo]=20",
    "●2：[BMP変更]：BMP番号=0006：BMP番号2=20",
    "●2：[顔の移動]：(中央,外上)→(中央,100)：Ty=11：回=20：反動=1：顔音=-1",
    "[Tanselイベ]：Ｚ：Ev種=30：Ev分=02：Ev細分=10",
    "[即実行イベ]：Ev種=00：Ev分岐0=30：Ev分岐1=-1：Ev分岐2=07：Ev分岐3=08",
};
static_assert(std::size(kBranchStage) == 15);

std::string Joined(std::span<const char* const> texts) {
  std::string out;
  for (const char* text : texts) {
    out += out.empty() ? "■" : "：";
    out += text;
  }
  return out;
}

void PushWait(int units) { PushScriptLine("[ウェイト]：Fu=" + std::to_string(units)); }

// A block of n rows, one under another, then taken away together.
void PushBlock(std::span<const Row> rows) {
  const int n = static_cast<int>(rows.size());
  std::vector<const char*> texts;
  for (int r = 1; r <= n; ++r) {
    const Row& row = rows[static_cast<size_t>(r - 1)];
    const std::string code = std::to_string(10 * n + r);
    PushScriptLine(std::string("[Tanselイベ]：") + (row.waitUnits > 0 ? "Ｚ：" : "") + "Ev種=00：Ev分=" + code +
                   "：Ev細分=00：■" + row.text);
    if (row.waitUnits > 0) PushWait(row.waitUnits);
    texts.push_back(row.text);
  }
  PushScriptLine("[Tanselイベ]：Ｚ：Ev種=03：Ev分=01：Ev細分=00：" + Joined(texts));
}

void PushCaption(std::span<const char* const> lines) {
  PushScriptLine("[Tanselイベ]：Ev種=02：Ev分=00：Ev細分=10：" + Joined(lines));
  PushScriptLine("[Tanselイベ]：Ｚ：Ev種=03：Ev分=01：Ev細分=11：" + Joined(lines));
  PushWait(5);
}

void PushPreGame(const PreGame& p) {
  C15_CurtainClose();
  for (std::span<const Row> block : p.blocks) PushBlock(block);
  PushWait(5);
  PushCaption(p.caption);
  C15_CurtainClose();
  PushScriptLine("[別のゲームへ]");
}

void PushPostGame(const PostGame& p) {
  const char* caption[] = {p.caption};
  PushCaption(caption);
  PushScriptLine(std::string("[Tanselイベ]：Ev種=00：Ev分=11：Ev細分=00：■") +
                 (p.stage == 5 ? kFirstEvening : kStoryGoesOn));
  PushScriptLine("[別のゲームへ]");
}

}  // namespace

void C15_CurtainClose() {
  PushScriptLine("[Tanselイベ]：Ｚ：Ev種=20：Ev分=00");
  PushScriptLine("[画面の消去]：Ev種=00：Ev分岐=-1");
  PushScriptLine("「カーテン閉じウェイト」");
  PushScriptLine("[Tanselイベ]：Ｚ：Ev種=20：Ev分=01");
  PushWait(5);
}

void C15_Intermission(int stage) {
  BeginStageScript();
  if (stage == 6) {
    for (const char* line : kBranchStage) PushScriptLine(line);
    return;
  }
  for (const PreGame& p : kPreGame) {
    if (p.stage == stage) PushPreGame(p);
  }
  for (const PostGame& p : kPostGame) {
    if (p.stage == stage) PushPostGame(p);
  }
}
