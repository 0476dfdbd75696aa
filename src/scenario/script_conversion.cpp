#include "scenario/script_conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "engine/modes.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "platform/text_encoding.h"
#include "scenario/command_table.h"
#include "scenario/face_slots.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

LineCodeRecord LineCode;
LineStateRecord LineState;

namespace {

constexpr std::string_view kFieldSeparator = "：";
constexpr std::string_view kDecoration = "■";
constexpr std::string_view kSlotMark = "●";
constexpr std::string_view kGroupMark = "○";
constexpr int kMaxCodeTokens = 9;
constexpr int kMaxListItems = 9;
constexpr int kMaxPrefixFields = 9;

// A value held to the 16-bit range (a word never wraps), rounded half to even.
int RoundToInt16(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 32767.0) return 32767;
  if (x <= -32768.0) return -32768;
  return RoundHalfEven(x);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void RemoveAll(std::string& s, std::string_view what) {
  size_t in = what.empty() ? std::string::npos : s.find(what);
  if (in == std::string::npos) return;
  size_t out = in;
  while (in < s.size()) {
    in += what.size();  // s holds `what` at in
    size_t next = s.find(what, in);
    if (next == std::string::npos) next = s.size();
    std::copy(s.begin() + in, s.begin() + next, s.begin() + out);
    out += next - in;
    in = next;
  }
  s.resize(out);
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// The text after the first field separator; the whole text when there is none.
std::string AfterFirstField(const std::string& s) {
  return TextAfter(s, 0, std::string(kFieldSeparator));
}

// The stored line of the current entry, or null when CurrentScriptLine points
// outside the store.
std::string* CurrentLineText() {
  int n = ScriptStore.CurrentScriptLine;
  if (n < 0 || n >= kScriptLineCapacity) return nullptr;
  return &ScriptStore.ScriptText[n];
}

// C1 to C5 of each command, read once from its code string.
const std::array<std::array<int, 5>, kCommandCount>& CommandCodes() {
  static const auto codes = [] {
    std::array<std::array<int, 5>, kCommandCount> result{};
    std::vector<std::string> tokens;
    for (size_t i = 0; i < kCommandTable.size(); ++i) {
      int count = 0;
      SplitFields(std::string(kCommandTable[i].CodeString), " ", kMaxCodeTokens, tokens, count);
      // The first token is ignored; tokens 2 to 6 give C1 to C5.
      for (int t = 2; t <= 6 && t <= count; ++t) result[i][t - 2] = ReadScriptNumber(tokens[t]);
    }
    return result;
  }();
  return codes;
}

void ApplyCommand(const CommandRow& row) {
  const std::array<int, 5>& codes = CommandCodes()[&row - kCommandTable.data()];
  LineCode.SubParam = codes[0];
  LineCode.MainParam = codes[1];
  LineCode.ActionCode = codes[2];
  LineCode.ExecClass = codes[3];
  LineCode.ContinueMode = codes[4];
  switch (row.Extra) {
    case CommandExtra::Queued: LineState.SimultaneousLine = -1; break;
    case CommandExtra::BalloonMoveSpeech: LineState.BalloonMoveThought = 0; break;
    case CommandExtra::BalloonMoveThought: LineState.BalloonMoveThought = 1; break;
    case CommandExtra::None: break;
  }
}

void ApplyKey(KeyEffect effect, std::string_view valueText) {
  const int value = ReadScriptNumber(valueText);
  LineCodeRecord& c = LineCode;
  switch (effect) {
    case KeyEffect::Speaker: c.Speaker = value; break;
    case KeyEffect::SubParam: c.SubParam = value; break;
    case KeyEffect::MainParam: c.MainParam = value; break;
    case KeyEffect::MusicNumber: LineState.LineMusicNumber = value; break;
    case KeyEffect::Continue100ms: c.ContinueMode = 1; break;
    case KeyEffect::Continue1ms: c.ContinueMode = 2; break;
    case KeyEffect::WaitForClick: c.ContinueMode = 0; break;
    case KeyEffect::Variables: {
      auto v = ReadScriptList(valueText);
      c.Speaker = v[0];
      c.SubParam = v[1];
      c.MainParam = v[2];
      break;
    }
    case KeyEffect::EventKind: c.MainParam = value; break;
    case KeyEffect::EventBranch: c.SubParam = value; break;
    case KeyEffect::EventDetail: c.Speaker = value; break;
    case KeyEffect::EventVariables: {
      auto v = ReadScriptList(valueText);
      c.MainParam = v[0];
      c.SubParam = v[1];
      c.Speaker = v[2];
      break;
    }
    case KeyEffect::BranchTable0: LineState.BranchTable[0] = value; break;
    case KeyEffect::BranchTable1: LineState.BranchTable[1] = value; break;
    case KeyEffect::BranchTable2: LineState.BranchTable[2] = value; break;
    case KeyEffect::BranchTable3: LineState.BranchTable[3] = value; break;
    case KeyEffect::BalloonKind: {
      auto v = ReadScriptList(valueText);
      c.MainParam = v[0];
      c.SubParam = v[1];
      c.ActionCode = v[2];
      break;
    }
    case KeyEffect::FontSize: LineState.LineFontSize = value; break;
    case KeyEffect::Voice: {
      int word = FindVoiceWord(valueText);
      LineState.LineVoice = word != 0 ? word : value;
      break;
    }
    case KeyEffect::Action: c.ActionCode = value; break;
    case KeyEffect::MiniKind: {
      auto v = ReadScriptList(valueText);
      c.ActionCode = v[0];
      c.MainParam = v[1];
      c.SubParam = v[2] == 0 ? 1 : v[2];
      break;
    }
    case KeyEffect::MiniNumber: c.SubParam = value; break;
    case KeyEffect::MiniSound: LineState.LineMiniSound = value; break;
  }
}

// Whether the field was a command, a speaker tag or a key, and has been applied.
bool ConsumeField(const std::string& field) {
  if (const CommandRow* row = FindCommand(field)) {
    ApplyCommand(*row);
    return true;
  }
  if (int speaker = FindSpeakerTag(field)) {
    LineCode.Speaker = speaker;
    return true;
  }
  std::string_view f = field;
  size_t eq = f.find('=');
  std::string_view key = eq == std::string_view::npos ? f : f.substr(0, eq);
  const KeyRow* row = FindKey(key);
  if (!row) return false;
  ApplyKey(row->Effect, eq == std::string_view::npos ? f : f.substr(eq + 1));
  return true;
}

bool GroupHeldBySlot(int group) {
  for (int g : FaceSlot.SlotGroup) {
    if (g == group) return true;
  }
  return false;
}

// A new group for a slot that has none: the number of slots that already have one,
// which is the next number while groups are numbered densely. After a ○N that
// skipped numbers that count may belong to another slot, and two slots sharing a
// group would run as one; the next free number is taken then.
int NewGroupNumber() {
  int counted = 0;
  for (int g : FaceSlot.SlotGroup) {
    if (g >= 0) ++counted;
  }
  for (int g = counted; g < kFaceSlotCount; ++g) {
    if (!GroupHeldBySlot(g)) return g;
  }
  for (int g = 0; g < counted; ++g) {
    if (!GroupHeldBySlot(g)) return g;
  }
  return counted;
}

bool ValidSlot(int slot) { return slot >= 0 && slot < kFaceSlotCount; }

void ReadGroupPrefix(std::string& s) {
  LineStateRecord& ls = LineState;
  const int slot = ls.CurrentSlot;
  ls.LineGroupGiven = 0;
  if (StartsWith(s, kGroupMark)) {
    s.erase(0, kGroupMark.size());
    size_t next = 0;
    if (!s.empty()) tq::NextCodePoint(s, next);
    ls.LineGroup = ReadScriptNumber(std::string_view(s).substr(0, next));
    if (ls.LineGroup > SimultaneousGroup.MaxGroup) {
      SimultaneousGroup.MaxGroup = ls.LineGroup;
      if (ValidSlot(slot)) FaceSlot.SlotGroup[slot] = ls.LineGroup;
    }
    ls.LineGroupGiven = -1;
    s = AfterFirstField(s);
  }
  if (ls.SimultaneousLine != -1 || ls.LineGroupGiven != 0) return;
  if (ValidSlot(slot) && FaceSlot.SlotGroup[slot] >= 0) {
    ls.LineGroup = FaceSlot.SlotGroup[slot];
    return;
  }
  ls.LineGroup = NewGroupNumber();
  // The highest group in use never goes down: the groups above it would be left
  // out of the run.
  if (ls.LineGroup > SimultaneousGroup.MaxGroup) SimultaneousGroup.MaxGroup = ls.LineGroup;
  if (ValidSlot(slot)) FaceSlot.SlotGroup[slot] = ls.LineGroup;
}

void ReadStartAndChain(std::string& s) {
  LineState.LineStartDelay = 0;
  LineState.LineChain = 0;
  std::vector<std::string> fields;
  int count = 0;
  SplitFields(s, std::string(kFieldSeparator), kMaxPrefixFields, fields, count);
  for (int i = 1; i <= count; ++i) {
    const std::string& f = fields[i];
    int* target = nullptr;
    if (StartsWith(f, "開始")) {
      target = &LineState.LineStartDelay;
    } else if (StartsWith(f, "連続")) {
      target = &LineState.LineChain;
    } else {
      continue;
    }
    *target = ReadScriptNumber(TextAfter(f, 0, "="));
    s = AfterFirstField(s);
  }
}

}  // namespace

int ReadScriptNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const size_t start = i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  double value = 0.0;
  auto [end, ec] = std::from_chars(text.data() + start, text.data() + i, value,
                                   std::chars_format::fixed);
  (void)end;
  if (ec == std::errc::result_out_of_range) value = HUGE_VAL;
  else if (ec != std::errc()) return 0;
  return RoundToInt16(negative ? -value : value);
}

std::array<int, 3> ReadScriptList(std::string_view text) {
  std::string inner = TextBefore(TextAfter(std::string(text), 0, "("), 0, "");
  std::vector<std::string> items;
  int count = 0;
  SplitFields(inner, ",", kMaxListItems, items, count);
  std::array<int, 3> result{};
  for (int i = 1; i <= 3 && i <= count; ++i) result[i - 1] = ReadScriptNumber(items[i]);
  return result;
}

void ConvertScriptLine() {
  LineCode = LineCodeRecord{};
  LineState.LineFontSize = 0;
  LineState.LineVoice = 0;
  LineState.LineMiniSound = 0;
  // An entry outside the store has no text to expand or convert: it reads as an
  // empty line, and the mode's macros are not asked to rewrite it.
  if (!CurrentLineText()) return;

  if (auto expand = CurrentModeHooks().ExpandMacros) expand();
  std::string* stored = CurrentLineText();
  if (!stored) return;

  std::string line = *stored;
  RemoveAll(line, kDecoration);
  static std::vector<std::string> fields;  // kept between calls to spare allocations
  int count = 0;
  SplitFields(line, std::string(kFieldSeparator), kMaxLineFields, fields, count);

  std::string kept;
  for (int i = 1; i <= count; ++i) {
    if (ConsumeField(fields[i])) continue;
    kept += fields[i];
    kept += kFieldSeparator;
  }
  if (!kept.empty()) kept.resize(kept.size() - kFieldSeparator.size());
  *stored = std::move(kept);
}

void ReadLinePrefixes(int kind) {
  std::string* stored = CurrentLineText();
  if (!stored) return;
  std::string& s = *stored;
  switch (kind) {
    case 0:
      s = TextAfter(s, 0, std::string(kDecoration));
      RemoveAll(s, kDecoration);
      break;
    case 5:
      if (LineCode.Speaker != 0 || !StartsWith(s, kSlotMark)) break;
      {
        std::string first = s.substr(0, s.find(kFieldSeparator));
        RemoveAll(first, kSlotMark);
        LineCode.Speaker = ReadScriptNumber(first);
        s = AfterFirstField(s);
      }
      break;
    case 6: ReadGroupPrefix(s); break;
    case 11: ReadStartAndChain(s); break;
    default: break;
  }
}
