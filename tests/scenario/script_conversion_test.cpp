#include "scenario/script_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "engine/modes.h"
#include "scenario/command_table.h"
#include "scenario/face_slots.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

namespace {

using Codes = std::array<int, 6>;

Codes CurrentCodes() {
  const LineCodeRecord& c = LineCode;
  return {c.Speaker, c.SubParam, c.MainParam, c.ActionCode, c.ExecClass, c.ContinueMode};
}

class ScriptTest : public testing::Test {
 protected:
  void SetUp() override { ResetAll(); }
  void TearDown() override { ResetAll(); }

  static void ResetAll() {
    ResetScriptState();
    ResetSimultaneousState();
    ResetFaceSlotState();
    ResetModeState();
  }

  // Pushes the line as the only line of the store and converts it.
  static void Convert(const std::string& line) {
    ScriptStore.ScriptLineCount = 0;
    ScriptStore.CurrentScriptLine = 0;
    PushScriptLine(line);
    ConvertScriptLine();
  }

  // The executor's order after a conversion: face slot, then group, then leading text.
  static void ReadPrefixesAsExecutor() {
    ReadLinePrefixes(5);
    if (LineCode.Speaker >= 0 && LineCode.Speaker <= 9) LineState.CurrentSlot = LineCode.Speaker;
    ReadLinePrefixes(6);
    ReadLinePrefixes(0);
  }

  static const std::string& Stored() { return ScriptStore.ScriptText[ScriptStore.CurrentScriptLine]; }
};

struct ConversionCase {
  const char* line;
  Codes codes;
  const char* stored;
};

TEST_F(ScriptTest, ConvertsLinesToCodesAndRemainder) {
  const ConversionCase cases[] = {
      {"●1：[顔の移動]：Ｚ：■(外右,中央)→(中央,元)：■Ty=11：回=40：反動=1：顔音=1",
       {0, 0, 0, 20, 5, 2},
       "●1：(外右,中央)→(中央,元)：Ty=11：回=40：反動=1：顔音=1"},
      // Later fields win: a command overwrites a key before it, a key after it overrides.
      {"Fu=3：[ウェイト]", {0, 0, 0, 2, 5, 2}, ""},
      {"[ウェイト]：Fu=3", {0, 0, 3, 2, 5, 2}, ""},
      {"[ウェイト]：Fu=1 note", {0, 0, 1, 2, 5, 2}, ""},
      {"[同時・顔の移動]", {0, 0, 0, 21, 5, 2}, ""},
      {"[同時・顔の移動]：続なし", {0, 0, 0, 21, 5, 0}, ""},
      {"続=7", {0, 0, 0, 0, 0, 1}, ""},
      {"[泣男2]：Tc0=7", {7, 0, 0, 0, 0, 0}, ""},
      {"(ユー)：こんにちは", {1, 0, 0, 0, 0, 0}, "こんにちは"},
      {"Ev細分=15", {15, 0, 0, 0, 0, 0}, ""},
      {"Ev変数=(20,5,3)", {3, 5, 20, 0, 0, 0}, ""},
      {"変数=(20,5,3)", {20, 5, 3, 0, 0, 0}, ""},
      {"[フキ直接]：フ種=(06,40,-2)", {0, 40, 6, -2, 0, 0}, ""},
      {"[ミニ表示]：■ミ種=(31,0,0)", {0, 1, 0, 31, 5, 0}, ""},
      {"[ミニ表示]：■ミ種=(30,01,2)", {0, 2, 1, 30, 5, 0}, ""},
      {"[ミニ消去]", {0, 1, 88, 0, 9, 1}, ""},
      {"[同時・フキ消去]", {0, 0, 99, 0, 8, 2}, ""},
      {"●1：[フキA]：■フ種=(06,40,-1)：フFo=20：■本文です", {0, 40, 6, -1, 1, 0}, "●1：本文です"},
      {"[同時・効果音]：■順番=0：サウ番=06：サウID=00：開始=05",
       {0, 0, 0, 26, 5, 2},
       "順番=0：サウ番=06：サウID=00：開始=05"},
      {"[Tanselイベ]：Ｚ：Ev種=30：Ev分=02：Ev細分=10", {10, 2, 30, 52, 5, 2}, ""},
      {"[通常イベ]：Ev種=06：Ev分=00：Ｚ", {0, 0, 6, 50, 5, 2}, ""},
      {"[直接・背景表示]：Pc=00", {0, 0, 5, 5, 5, 2}, ""},
      {"[顔の設定]：■[顔No]=01：[顔BMPNo]=0111：[顔FXNo]=10",
       {0, 0, 0, 15, 5, 2},
       "[顔No]=01：[顔BMPNo]=0111：[顔FXNo]=10"},
      {"[ぴくアニメ]：■分岐=0：間隔=100", {0, 0, 0, 63, 5, 0}, "分岐=0：間隔=100"},
      {"[フキバック全]：Ba=7", {0, 0, 1, 7, 5, 2}, ""},
      // Unknown bracketed words stay as text; matching is exact (full-width differs).
      {"[移動]：text", {0, 0, 0, 0, 0, 0}, "[移動]：text"},
      {"[ＢＭＰ変更]", {0, 0, 0, 0, 0, 0}, "[ＢＭＰ変更]"},
      {"[BMP変更]", {0, 0, 0, 18, 5, 2}, ""},
      {"Fu", {0, 0, 0, 0, 0, 0}, ""},
      {"=5：x=Fu", {0, 0, 0, 0, 0, 0}, "=5：x=Fu"},
      // A text line that is exactly a key word is consumed as that key.
      {"[フキ表示]：Ｓ", {0, 0, 0, -1, 1, 0}, ""},
      {"：：一行目：■■：二■行目：", {0, 0, 0, 0, 0, 0}, "一行目：二行目"},
      {"", {0, 0, 0, 0, 0, 0}, ""},
      // At most 19 fields are read; the rest of an over-long line is not kept.
      {"1：2：3：4：5：6：7：8：9：10：11：12：13：14：15：16：17：18：19：20：Ｚ",
       {0, 0, 0, 0, 0, 0},
       "1：2：3：4：5：6：7：8：9：10：11：12：13：14：15：16：17：18：19"},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(c.line);
    Convert(c.line);
    EXPECT_EQ(CurrentCodes(), c.codes);
    EXPECT_EQ(Stored(), c.stored);
  }
}

TEST_F(ScriptTest, ConversionIsStableOnItsOwnRemainder) {
  // A line is converted again each time it runs; the remainder must convert to itself.
  Convert("●1：[フキA]：■フ種=(06,40,-1)：フFo=20：■本文です");
  ConvertScriptLine();
  EXPECT_EQ(Stored(), "●1：本文です");
  EXPECT_EQ(CurrentCodes(), (Codes{0, 0, 0, 0, 0, 0}));
}

TEST_F(ScriptTest, PerLineValues) {
  Convert("[フキA]：フ種=(10,0,-1)：フFo=20：フ音=驚き：ミ音=5：ミュ番=12：Ev分岐2=105：本文");
  EXPECT_EQ(LineState.LineFontSize, 20);
  EXPECT_EQ(LineState.LineVoice, 44);
  EXPECT_EQ(LineState.LineMiniSound, 5);
  EXPECT_EQ(LineState.LineMusicNumber, 12);
  EXPECT_EQ(LineState.BranchTable[2], 105);

  // Font size, voice and mini sound are per conversion; the music number and the
  // branch table keep their last values.
  Convert("本文");
  EXPECT_EQ(LineState.LineFontSize, 0);
  EXPECT_EQ(LineState.LineVoice, 0);
  EXPECT_EQ(LineState.LineMiniSound, 0);
  EXPECT_EQ(LineState.LineMusicNumber, 12);
  EXPECT_EQ(LineState.BranchTable[2], 105);

  const std::pair<const char*, int> voices[] = {{"フ音=中声", 42}, {"フ音=中声B", 43},
                                                {"フ音=大声", 56},  {"フ音=最大声", 57},
                                                {"フ音=-1", -1},    {"フ音=小声", 0}};
  for (const auto& [line, voice] : voices) {
    Convert(line);
    EXPECT_EQ(LineState.LineVoice, voice) << line;
  }
}

TEST_F(ScriptTest, CommandExtras) {
  Convert("[思フ移動]");
  EXPECT_EQ(LineState.BalloonMoveThought, 1);
  Convert("[フキ移動]");
  EXPECT_EQ(LineState.BalloonMoveThought, 0);

  Convert("[同時スタートのみ]");
  EXPECT_EQ(LineState.SimultaneousLine, 0);
  Convert("[同時スタート・顔の移動]");
  EXPECT_EQ(LineState.SimultaneousLine, -1);
  EXPECT_EQ(CurrentCodes(), (Codes{0, 0, 0, 20, 5, 0}));
}

TEST_F(ScriptTest, CommandTableIsWholeAndDistinct) {
  int queued = 0;
  for (size_t i = 0; i < kCommandTable.size(); ++i) {
    EXPECT_EQ(FindCommand(kCommandTable[i].Word), &kCommandTable[i]) << kCommandTable[i].Word;
    if (kCommandTable[i].Extra == CommandExtra::Queued) ++queued;
  }
  EXPECT_EQ(queued, 8);
  EXPECT_EQ(FindCommand("[フキA] "), nullptr);
  EXPECT_EQ(FindKey(""), nullptr);
}

TEST_F(ScriptTest, ReadsNumbers) {
  const std::pair<const char*, int> cases[] = {
      {"2.5", 2},     {"7.5", 8},      {"-2.5", -2},   {"1.5", 2},      {"0.51", 1},
      {"*", 0},       {"**", 0},       {"０１", 0},     {"1 note", 1},   {"  12", 12},
      {"+3", 3},      {"-07", -7},     {"3.7abc", 4},  {".5", 0},       {"5.", 5},
      {"", 0},        {"- 3", 0},      {"1e3", 1},     {"99999", 32767}, {"-99999", -32768},
      {"32767.4", 32767}, {"12345678901234567890123", 32767}, {"中声", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadScriptNumber(text), value) << text;
}

TEST_F(ScriptTest, ReadsLists) {
  const std::pair<const char*, std::array<int, 3>> cases[] = {
      {"(06,40,-1)", {6, 40, -1}}, {"(1)", {1, 0, 0}},  {"(1,2,3,4)", {1, 2, 3}},
      {"()", {0, 0, 0}},           {"", {0, 0, 0}},     {"(", {0, 0, 0}},
      {"(2.5,7.5,x)", {2, 8, 0}},
  };
  for (const auto& [text, items] : cases) EXPECT_EQ(ReadScriptList(text), items) << text;
}

TEST_F(ScriptTest, PrefixReaders) {
  Convert("●1：[顔の移動]：Ｚ：■(外右,中央)→(中央,元)：■Ty=11：回=40：反動=1：顔音=1");
  ReadPrefixesAsExecutor();
  EXPECT_EQ(LineCode.Speaker, 1);
  EXPECT_EQ(Stored(), "(外右,中央)→(中央,元)：Ty=11：回=40：反動=1：顔音=1");

  Convert("[フキA]：●2：■text");
  ReadPrefixesAsExecutor();
  EXPECT_EQ(LineCode.Speaker, 2);
  EXPECT_EQ(Stored(), "text");

  // ● must come before ○: after a ○ field it stays in the text.
  Convert("○1：●2：text");
  ReadPrefixesAsExecutor();
  EXPECT_EQ(LineCode.Speaker, 0);
  EXPECT_EQ(LineState.LineGroup, 1);
  EXPECT_EQ(Stored(), "●2：text");

  // A speaker already given keeps the ● field.
  Convert("[ユー]：●2：text");
  ReadPrefixesAsExecutor();
  EXPECT_EQ(LineCode.Speaker, 1);
  EXPECT_EQ(Stored(), "●2：text");

  Convert("開始=25：連続=2：text");
  ReadLinePrefixes(11);
  EXPECT_EQ(LineState.LineStartDelay, 25);
  EXPECT_EQ(LineState.LineChain, 2);
  EXPECT_EQ(Stored(), "text");
  Convert("text：開始=25");
  ReadLinePrefixes(11);
  EXPECT_EQ(LineState.LineStartDelay, 25);
  EXPECT_EQ(LineState.LineChain, 0);

  // Kind 0 keeps what follows the first ■ of text that was never converted.
  ScriptStore.ScriptText[0] = "前■後■ろ";
  ReadLinePrefixes(0);
  EXPECT_EQ(Stored(), "後ろ");
  ReadLinePrefixes(7);  // no such kind
  EXPECT_EQ(Stored(), "後ろ");
}

struct GroupCase {
  const char* name;
  std::array<int, 10> slotGroups;
  int maxGroup;
  const char* line;
  int slot;
  int lineGroup;
  int expectedMax;
  int expectedSlotGroup;
};

TEST_F(ScriptTest, GroupRule) {
  constexpr int N = -1;
  const GroupCase cases[] = {
      {"given group above the highest is recorded", {N, N, N, N, N, N, N, N, N, N}, -1,
       "●4：○2：[同時・フキA]：本文", 4, 2, 2, 2},
      {"given group not above the highest is not recorded", {N, N, 2, N, N, N, N, N, N, N}, 2,
       "●5：○1：[同時・フキA]：本文", 5, 1, 2, N},
      {"dense groups: the count is the next group", {0, N, N, 1, N, N, N, N, N, N}, 1,
       "●5：[同時・フキA]：本文", 5, 2, 2, 2},
      {"a slot keeps its group", {0, 1, N, N, N, N, N, N, N, N}, 1, "●1：[同時・フキA]：本文", 1,
       1, 1, 1},
      {"a line that is not queued gets no group", {N, N, N, N, N, N, N, N, N, N}, -1,
       "●1：[フキA]：本文", 1, 0, -1, N},
      // After ○3 the count (2) is free but below the highest group: the highest stays.
      {"the highest group never goes down", {0, N, N, 3, N, N, N, N, N, N}, 3,
       "●5：[同時・フキA]：本文", 5, 2, 3, 2},
      // The count (2) already belongs to slot 3: two slots must not share a group.
      {"a counted group in use is skipped", {1, N, N, 2, N, N, N, N, N, N}, 2,
       "●5：[同時・フキA]：本文", 5, 3, 3, 3},
      {"the search wraps to a lower free group", {N, 5, 6, 7, 8, 9, N, N, N, N}, 9,
       "●0：[同時・フキA]：本文", 0, 0, 9, 0},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.name);
    ResetAll();
    FaceSlot.SlotGroup = c.slotGroups;
    SimultaneousGroup.MaxGroup = c.maxGroup;
    Convert(c.line);
    ReadPrefixesAsExecutor();
    EXPECT_EQ(LineState.CurrentSlot, c.slot);
    EXPECT_EQ(LineState.LineGroup, c.lineGroup);
    EXPECT_EQ(SimultaneousGroup.MaxGroup, c.expectedMax);
    EXPECT_EQ(FaceSlot.SlotGroup[c.slot], c.expectedSlotGroup);
    EXPECT_EQ(Stored(), "本文");
  }
}

TEST_F(ScriptTest, PushEmptiesTheStoreForANewScript) {
  for (const char* line : {"a", "b", "c"}) PushScriptLine(line);
  ScriptStore.ScriptCode[3][2] = 1;
  ScriptStore.ScriptLineCount = 0;
  PushScriptLine("new");
  EXPECT_EQ(ScriptStore.ScriptLineCount, 1);
  EXPECT_EQ(ScriptStore.ScriptText[0], "new");
  EXPECT_EQ(ScriptStore.ScriptCode[4][0], kLineNotConverted);
  for (int n = 1; n < kScriptLineCapacity; ++n) {
    ASSERT_EQ(ScriptStore.ScriptText[n], "") << n;
    for (int k = 0; k < kScriptCodeCount; ++k) ASSERT_EQ(ScriptStore.ScriptCode[k][n], 0) << n;
  }
}

TEST_F(ScriptTest, PushBeyondTheStoreIsRefusedAndReportedOnce) {
  for (int n = 0; n < kScriptLineCapacity; ++n) PushScriptLine("line " + std::to_string(n));
  testing::internal::CaptureStderr();
  PushScriptLine("one too many");
  PushScriptLine("two too many");
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(ScriptStore.ScriptLineCount, kScriptLineCapacity);
  EXPECT_EQ(ScriptStore.ScriptText[kScriptLineCapacity - 1], "line 2999");
  EXPECT_NE(err.find("one too many"), std::string::npos) << err;
  EXPECT_EQ(err.find("two too many"), std::string::npos) << err;

  // A count that was set to nonsense is refused as well.
  ResetScriptState();
  ScriptStore.ScriptLineCount = -5;
  testing::internal::CaptureStderr();
  PushScriptLine("x");
  EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
  EXPECT_EQ(ScriptStore.ScriptLineCount, -5);
}

TEST_F(ScriptTest, CurrentLineOutsideTheStoreIsHarmless) {
  Convert("[ウェイト]：Fu=3");
  for (int line : {-1, kScriptLineCapacity, 32767}) {
    ScriptStore.CurrentScriptLine = line;
    ConvertScriptLine();
    EXPECT_EQ(CurrentCodes(), (Codes{0, 0, 0, 0, 0, 0}));
    for (int kind : {5, 6, 0, 11}) ReadLinePrefixes(kind);
  }
}

TEST_F(ScriptTest, ResetRestoresStartValues) {
  Convert("●1：[同時・フキA]：フ種=(10,3,-2)：フFo=20：ミュ番=4：本文");
  ReadPrefixesAsExecutor();
  ScriptStore.ScriptLabels[3] = 7;
  ScriptStore.SceneLabel = 2;
  ResetScriptState();
  EXPECT_EQ(ScriptStore.ScriptLineCount, 0);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  EXPECT_EQ(ScriptStore.ScriptText[0], "");
  EXPECT_EQ(ScriptStore.ScriptCode[4][0], 0);
  EXPECT_EQ(ScriptStore.ScriptLabels[3], 0);
  EXPECT_EQ(ScriptStore.SceneLabel, -1);
  EXPECT_EQ(CurrentCodes(), (Codes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(LineState.LineMusicNumber, 0);
  EXPECT_EQ(LineState.SimultaneousLine, 0);
  EXPECT_EQ(LineState.LineGroup, 0);
  EXPECT_EQ(LineState.CurrentSlot, 0);
}

int gMacroCalls = 0;

// Stands in for a game's macro set: one name expanding to two fields.
void FakeMacros() {
  ++gMacroCalls;
  std::string& line = ScriptStore.ScriptText[ScriptStore.CurrentScriptLine];
  const std::string name = "「カーテン閉じウェイト」";
  size_t at = line.find(name);
  if (at != std::string::npos) line.replace(at, name.size(), "[ウェイト]：■Fu=3");
  line = "：" + line;
}

TEST_F(ScriptTest, ModeMacrosRunFirst) {
  ModeHookSet& marbrook = ModeHooksFor(ModeId::Marbrook);
  ModeHookSet& skelvane = ModeHooksFor(ModeId::Skelvane);
  const ModeHookSet savedMarbrook = marbrook;
  const ModeHookSet savedSkelvane = skelvane;
  marbrook.ExpandMacros = FakeMacros;
  skelvane.ExpandMacros = nullptr;
  gMacroCalls = 0;

  GameMode = kModeMarbrook;
  Convert("●1：「カーテン閉じウェイト」");
  EXPECT_EQ(gMacroCalls, 1);
  EXPECT_EQ(CurrentCodes(), (Codes{0, 0, 3, 2, 5, 2}));
  EXPECT_EQ(Stored(), "●1");

  GameMode = kModeSkelvane;
  Convert("●1：「カーテン閉じウェイト」");
  EXPECT_EQ(gMacroCalls, 1);
  EXPECT_EQ(Stored(), "●1：「カーテン閉じウェイト」");

  marbrook = savedMarbrook;
  skelvane = savedSkelvane;
}

}  // namespace
