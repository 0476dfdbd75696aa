// The script store: the lines of the stage being played, pushed one at a time by
// the stage procedures and converted again each time one runs.
#pragma once

#include <array>
#include <string>

inline constexpr int kScriptLineCapacity = 3000;
inline constexpr int kScriptCodeCount = 6;
inline constexpr int kScriptLabelCount = 100;
// ScriptCode(4, line) holds this until the line has been converted.
inline constexpr int kLineNotConverted = 10;

struct ScriptStoreRecord {
  std::array<std::string, kScriptLineCapacity> ScriptText{};
  // Indexed [code][line].
  std::array<std::array<int, kScriptLineCapacity>, kScriptCodeCount> ScriptCode{};
  int ScriptLineCount = 0;
  int CurrentScriptLine = 0;
  std::array<int, kScriptLabelCount> ScriptLabels{};
  int SceneLabel = -1;  // -1: from the start of the scene
  // How many lines ScriptText is dimensioned to hold: a screen that borrows the
  // store for its own text (the last-boss duel) sizes it down; the next filling
  // makes it whole again.
  int ScriptTextLines = kScriptLineCapacity;
};
extern ScriptStoreRecord ScriptStore;

// Appends one line. The first push after ScriptLineCount was set to 0 empties the
// whole store. A push beyond the store's capacity is refused and reported once per
// filling on standard error.
void PushScriptLine(const std::string& text);

// Dimensions ScriptText anew to `lines` lines (1 to the capacity), dropping every
// text; the codes and the line count stay as they are.
void SizeScriptText(int lines);

// Puts the store, LineCode and LineState back to their start values.
void ResetScriptState();
