// Save files as the checks see them: whether a file is a whole INI file, and the
// save files a run has left in a program folder.
#pragma once

#include <string>
#include <vector>

namespace tq::testing {

// Whether bytes are a whole INI file as the INI layer writes it: every line ends
// with CR LF, the first non-blank line is a section header, and every other
// non-blank line is a header, a "key=value" line or a ';' comment (a UTF-8
// byte-order mark may lead). why names the first fault.
bool IniTextIsWhole(const std::string& bytes, std::string& why);

// Every "*.sav" file (any case) under root, and every "*.tmp" file an
// interrupted write left there.
std::vector<std::string> SaveFilesUnder(const std::string& root);
std::vector<std::string> LeftoverWritesUnder(const std::string& root);

// The faults of the save files under root, one line each; empty when all are whole.
std::vector<std::string> SaveFileFaults(const std::string& root);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace tq::testing
