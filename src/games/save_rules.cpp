#include "games/save_rules.h"

#include <cstdio>
#include <cstdlib>

#include "engine/numeric.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A decimal number with an optional sign and fraction, blanks around it allowed.
bool ParseDecimal(const std::string& text, double& value) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  size_t end = i;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) return false;
  value = std::strtod(text.substr(start, end - start).c_str(), nullptr);
  return true;
}

bool EqualsWord(const std::string& text, const char* word) {
  size_t first = text.find_first_not_of(" \t");
  size_t last = text.find_last_not_of(" \t");
  if (first == std::string::npos) return false;
  std::string core = text.substr(first, last - first + 1);
  std::string lower;
  for (char c : core) lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower == word;
}

}  // namespace

int SaveWholeNumber(const std::string& text) {
  double value = 0;
  if (!ParseDecimal(text, value)) return 0;
  int whole = RoundHalfEven(value);
  if (whole < -32768 || whole > 32767) return 0;
  return whole;
}

int SaveSwitch(const std::string& text) {
  if (EqualsWord(text, "true")) return -1;
  if (EqualsWord(text, "false")) return 0;
  double value = 0;
  if (!ParseDecimal(text, value)) return 0;
  return value != 0 ? -1 : 0;
}

void C00_IniWrite(const std::string& section, const std::string& key, const std::string& file,
                  const std::string& value) {
  tq::EnsureFolderOf(file);
  tq::WritePrivateProfileString(section, key, value, file);
}

std::string C00_IniRead(const std::string& section, const std::string& key, const std::string& file) {
  return SaveFileReader(file).Read(section, key);
}

SaveFileReader::SaveFileReader(const std::string& file)
    : path_(tq::ResolvePath(file)), file_(tq::IniFile::Read(file)) {}

std::string SaveFileReader::Read(const std::string& section, const std::string& key) const {
  // The game's read buffer holds 9 characters and the terminating zero.
  return file_.Get(section, key, "0").substr(0, 9);
}

void SaveFileReader::Report() const {
  std::string what;
  switch (file_.status()) {
    case tq::IniFile::Status::kMissing: break;
    case tq::IniFile::Status::kRefused:
      what = "is " + file_.Why() + "; the defaults are used and " + file_.NextWrite();
      break;
    case tq::IniFile::Status::kUnreadable: what = "cannot be read (" + file_.Why() + "); the defaults are used"; break;
    case tq::IniFile::Status::kRead:
      if (!file_.Damage().empty()) {
        what = "is damaged (" + file_.Damage() + ")";
        what += reset_ ? " and" : "; the rest was read and the next save writes it clean";
      }
      break;
  }
  if (reset_) what += (what.empty() ? "" : " ") + std::string("holds values out of range; the defaults are used");
  const std::string& kept = file_.KeptAs();
  if (file_.status() == tq::IniFile::Status::kRead && !kept.empty()) {
    what += (reset_ ? "; the next save keeps it as " : ", keeping it as ") + kept.substr(kept.find_last_of('/') + 1);
  }
  if (!what.empty()) std::fprintf(stderr, "thornquill: save file %s %s\n", path_.c_str(), what.c_str());
}
