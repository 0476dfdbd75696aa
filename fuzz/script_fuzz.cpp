// Feeds arbitrary bytes, one script line per newline, through the store, the
// conversion and the prefix readers as the executor calls them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "scenario/face_slots.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResetScriptState();
  ResetSimultaneousState();
  ResetFaceSlotState();

  const std::string input(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= input.size()) {
    size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    PushScriptLine(input.substr(start, end - start));
    start = end + 1;
  }

  for (int line = 0; line < ScriptStore.ScriptLineCount; ++line) {
    ScriptStore.CurrentScriptLine = line;
    LineState.SimultaneousLine = 0;
    LineState.LineGroup = 0;
    ConvertScriptLine();
    ReadLinePrefixes(5);
    if (LineCode.Speaker >= 0 && LineCode.Speaker <= 9) LineState.CurrentSlot = LineCode.Speaker;
    ReadLinePrefixes(6);
    ReadLinePrefixes(0);
    ReadLinePrefixes(11);
    // Converting the remainder again must hold up as well: lines run more than once.
    ConvertScriptLine();
  }
  return 0;
}
