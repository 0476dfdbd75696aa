// INI files with the read and write semantics the games' save files rely on.
//
// Reading: a missing file, section or key gives the default. Section and key names
// compare without regard to ASCII case; values lose surrounding spaces (and one pair
// of enclosing double quotes). Writing creates the file, section or key as needed
// and keeps everything else. The file is held in CP932; strings here are UTF-8.
//
// Every write replaces the file atomically: the new text goes to a temporary file
// in the same folder, is flushed and synced, the old file is kept as "<name>.bak",
// and the temporary file is renamed over the old one. A file too large to read or
// read in part is kept besides under a name no later write takes (KeptAs). A failed write leaves the old
// file whole, is reported on standard error (each failure of a file once) and
// returns false. A UTF-8 byte-order mark before the first line is ignored and kept.
//
// A file is read only when it is a regular file of at most kMaxIniFileBytes: a FIFO,
// a device, a folder or a huge file reads as missing. The next write replaces it
// whole, keeping a huge file; a folder stays and the write fails.
// Damaged parts are passed over as if absent: lines with control bytes (binary
// junk), lines over kMaxIniLineBytes, a section or key met again (the first wins),
// and lines that are neither a section header, a key of a section nor blank
// (comments and stray text among them). A write keeps only what a read sees, so
// the file it leaves is clean and reads as the old one did but for the keys written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tq {

// The games' save files hold a few dozen short lines, well under a kilobyte.
inline constexpr int64_t kMaxIniFileBytes = 64 * 1024;
inline constexpr size_t kMaxIniLineBytes = 1024;

struct IniEntry {
  std::string section, key, value;
};

// One read of a whole file, for many keys.
class IniFile {
 public:
  enum class Status {
    kRead,        // read (perhaps in part: see Damage)
    kMissing,     // no such file
    kRefused,     // not a regular file, or over kMaxIniFileBytes: read as missing
    kUnreadable,  // an error reading it
  };
  struct Line {
    std::string raw;   // as stored (CP932, no line end)
    std::string text;  // UTF-8
  };

  static IniFile Read(const std::string& path);

  Status status() const { return status_; }
  // Why the file was refused or unreadable; what was passed over when it was read
  // in part ("" when read whole).
  const std::string& Why() const { return why_; }
  const std::string& Damage() const { return damage_; }
  // What the next save does with a refused file, for the report: one too large is
  // kept under a name of its own (KeptAs), a FIFO or a device is replaced, a folder
  // stays and the write fails.
  const std::string& NextWrite() const { return nextWrite_; }
  // Where the next write keeps a file too large to read, or one read in part,
  // before it replaces it: "<path>.refused-N" or "<path>.damaged-N", the first N
  // free, so that no later write replaces it. "" for any other file.
  const std::string& KeptAs() const { return keptAs_; }
  const std::string& Bytes() const { return bytes_; }

  std::string Get(const std::string& section, const std::string& key, const std::string& defaultValue) const;

 private:
  friend bool WritePrivateProfileStrings(const std::vector<IniEntry>&, const std::string&);
  enum class Refusal { kNone, kNotAFile, kFolder, kTooLarge };
  Status status_ = Status::kMissing;
  Refusal refusal_ = Refusal::kNone;
  std::string why_, damage_, nextWrite_, keptAs_, bytes_;
  std::vector<Line> lines_;
};

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path);

// Several keys in one replacement of the file, each as WritePrivateProfileString
// would set it in turn: a reader never sees some of them written and others not.
bool WritePrivateProfileStrings(const std::vector<IniEntry>& entries, const std::string& path);


// Forgets which write failures have been reported.
void ResetIniFileState();

}  // namespace tq
