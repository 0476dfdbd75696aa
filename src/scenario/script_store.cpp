#include "scenario/script_store.h"

#include <algorithm>
#include <iostream>

#include "scenario/script_conversion.h"

ScriptStoreRecord ScriptStore;

namespace {

// One report per filling is enough to find the script; more would only flood the log.
bool gOverflowReported = false;

void ClearLines() {
  for (auto& text : ScriptStore.ScriptText) text.clear();
  for (auto& codes : ScriptStore.ScriptCode) codes.fill(0);
  ScriptStore.ScriptTextLines = kScriptLineCapacity;
  gOverflowReported = false;
}

}  // namespace

void PushScriptLine(const std::string& text) {
  if (ScriptStore.ScriptLineCount == 0) ClearLines();
  const int n = ScriptStore.ScriptLineCount;
  if (n < 0 || n >= ScriptStore.ScriptTextLines) {
    if (!gOverflowReported) {
      std::cerr << "script: line " << n << " is beyond the store of " << ScriptStore.ScriptTextLines
                << " lines and is dropped: " << text << '\n';
      gOverflowReported = true;
    }
    return;
  }
  ScriptStore.ScriptCode[4][n] = kLineNotConverted;
  ScriptStore.ScriptText[n] = text;
  ScriptStore.ScriptLineCount = n + 1;
}

void SizeScriptText(int lines) {
  for (auto& text : ScriptStore.ScriptText) text.clear();
  ScriptStore.ScriptTextLines = std::clamp(lines, 1, kScriptLineCapacity);
}

void ResetScriptState() {
  ClearLines();
  ScriptStore.ScriptLineCount = 0;
  ScriptStore.CurrentScriptLine = 0;
  ScriptStore.ScriptLabels.fill(0);
  ScriptStore.SceneLabel = -1;
  LineCode = LineCodeRecord{};
  LineState = LineStateRecord{};
}
