// The games' save-file rules: one key read or written as the games do it, and the
// conversions their loaders apply to what they read.
#pragma once

#include <string>

#include "platform/ini_file.h"

void C00_IniWrite(const std::string& section, const std::string& key, const std::string& file,
                  const std::string& value);
// One key as the game reads it: at most 9 characters, "0" for a missing file or key.
std::string C00_IniRead(const std::string& section, const std::string& key, const std::string& file);

// A save file read once for all the keys a load takes. A file that could not be
// read whole (refused, unreadable or damaged) or whose values the loader had to
// reset is reported in one line on standard error by Report.
class SaveFileReader {
 public:
  explicit SaveFileReader(const std::string& file);
  // One key as C00_IniRead gives it.
  std::string Read(const std::string& section, const std::string& key) const;
  bool WasRead() const { return file_.status() == tq::IniFile::Status::kRead; }
  // Nothing of the file could be read: there is none (a first start), or it is no
  // regular file, too large or unreadable, which read as none.
  bool ReadsAsMissing() const { return file_.status() != tq::IniFile::Status::kRead; }
  // The loader put the defaults in place of values it could not use.
  void NoteReset() { reset_ = true; }
  void Report() const;

 private:
  std::string path_;
  tq::IniFile file_;
  bool reset_ = false;
};

// A whole number (empty, unreadable or beyond 16 bits reads as 0) and a switch
// (-1 or 0).
int SaveWholeNumber(const std::string& text);
int SaveSwitch(const std::string& text);
