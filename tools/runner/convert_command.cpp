#include "convert_command.h"

#include <cstdint>
#include <iostream>
#include <sstream>

#include "platform/media_files.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {
constexpr int64_t kMaxRunnerFileBytes = int64_t{64} << 20;
}  // namespace

void StripByteOrderMark(std::string& firstLine) {
  if (firstLine.rfind("\xEF\xBB\xBF", 0) == 0) firstLine.erase(0, 3);
}

bool ReadRunnerFile(const std::string& path, std::string& text, std::string& error) {
  std::string why;
  if (tq::ReadBoundedFile(path, kMaxRunnerFileBytes, text, why) == tq::BoundedRead::kRead) return true;
  error = "cannot read " + path + ": " + why;
  return false;
}

int RunConvertCommand(const std::string& path, std::ostream& out) {
  std::string text, error;
  if (!ReadRunnerFile(path, text, error)) {
    std::cerr << "convert: " << error << '\n';
    return 2;
  }
  std::istringstream in(text);
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    if (first) StripByteOrderMark(line);
    first = false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ScriptStore.ScriptLineCount = 0;
    ScriptStore.CurrentScriptLine = 0;
    PushScriptLine(line);
    ConvertScriptLine();
    const LineCodeRecord c = LineCode;
    const std::string converted = ScriptStore.ScriptText[0];
    ReadLinePrefixes(5);
    ReadLinePrefixes(6);
    ReadLinePrefixes(0);
    out << c.Speaker << '\t' << c.SubParam << '\t' << c.MainParam << '\t' << c.ActionCode
        << '\t' << c.ExecClass << '\t' << c.ContinueMode << '\t' << converted << '\t'
        << LineCode.Speaker << '\t' << ScriptStore.ScriptText[0] << '\n';
  }
  return 0;
}
