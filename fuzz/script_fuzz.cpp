// Feeds arbitrary bytes, one script line per newline, through the store, the
// conversion and the prefix readers as the executor calls them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/string_utils.h"
#include "platform/text_encoding.h"
#include "scenario/face_slots.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

namespace {

// Splitting by whole characters, one at a time: the field splitter searches bytes
// and must find exactly these fields, malformed text included.
std::vector<std::string> SplitByCharacters(const std::string& text, const std::string& sep) {
  std::vector<std::string> fields;
  std::string field;
  for (size_t pos = 0; pos < text.size();) {
    size_t start = pos;
    tq::NextCodePoint(text, pos);
    if (text.compare(start, pos - start, sep) == 0) {
      if (!field.empty()) fields.push_back(field);
      field.clear();
    } else {
      field.append(text, start, pos - start);
    }
  }
  if (!field.empty()) fields.push_back(field);
  return fields;
}

void CheckSplit(const std::string& text) {
  std::vector<std::string> out;
  int count = 0;
  SplitFields(text, "：", 1000, out, count);
  std::vector<std::string> expected = SplitByCharacters(text, "：");
  if (text.empty()) expected.clear();
  if (static_cast<size_t>(count) != expected.size()) std::abort();
  for (int i = 1; i <= count; ++i) {
    if (out[i] != expected[i - 1]) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResetScriptState();
  ResetSimultaneousState();
  ResetFaceSlotState();

  const std::string input(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= input.size()) {
    size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    const std::string line = input.substr(start, end - start);
    CheckSplit(line);
    PushScriptLine(line);
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
