// INI files with the read and write semantics the games' save files rely on.
//
// Reading: a missing file, section or key gives the default. Section and key names
// compare without regard to ASCII case; values lose surrounding spaces (and one pair
// of enclosing double quotes). Writing creates the file, section or key as needed
// and keeps everything else. The file is held in CP932; strings here are UTF-8.
//
// Every write replaces the file atomically: the new text goes to a temporary file
// in the same folder, is flushed and synced, the old file is kept as "<name>.bak",
// and the temporary file is renamed over the old one. A failed write leaves the old
// file whole, is reported on standard error (each failure of a file once) and
// returns false. A UTF-8 byte-order mark before the first line is ignored and kept.
#pragma once

#include <string>
#include <vector>

namespace tq {

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path);

// Several keys in one replacement of the file, each as WritePrivateProfileString
// would set it in turn: a reader never sees some of them written and others not.
struct IniEntry {
  std::string section, key, value;
};
bool WritePrivateProfileStrings(const std::vector<IniEntry>& entries, const std::string& path);

// Forgets which write failures have been reported.
void ResetIniFileState();

}  // namespace tq
