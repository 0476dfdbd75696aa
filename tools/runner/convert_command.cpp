#include "convert_command.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

void StripByteOrderMark(std::string& firstLine) {
  if (firstLine.rfind("\xEF\xBB\xBF", 0) == 0) firstLine.erase(0, 3);
}

int RunConvertCommand(const std::string& path, std::ostream& out) {
  std::error_code ec;
  std::ifstream in(path, std::ios::binary);
  // A folder opens as a stream but reads as nothing: it is not a script.
  if (!in || std::filesystem::is_directory(path, ec)) {
    std::cerr << "convert: cannot read " << path << '\n';
    return 2;
  }
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
  if (in.bad()) {
    std::cerr << "convert: error while reading " << path << '\n';
    return 2;
  }
  return 0;
}
