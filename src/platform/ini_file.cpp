#include "platform/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

#include "platform/media_files.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"

namespace tq {
namespace {

// One line of the file. Lines the write does not touch go back byte for byte, even
// where they hold bytes that CP932 cannot decode.
using IniLine = IniFile::Line;

std::string Trim(const std::string& s) {
  const char* blanks = " \t\r";
  size_t first = s.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  size_t last = s.find_last_not_of(blanks);
  return s.substr(first, last - first + 1);
}

// "[name]" gives name; anything else is not a section header.
std::optional<std::string> SectionName(const std::string& text) {
  std::string t = Trim(text);
  if (t.empty() || t.front() != '[') return std::nullopt;
  size_t close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// "key = value" gives its trimmed parts; comments and lines without '=' are not keys.
bool SplitKey(const std::string& text, std::string& key, std::string& value) {
  std::string t = Trim(text);
  if (t.empty() || t.front() == ';') return false;
  size_t eq = t.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(t.substr(0, eq));
  value = Trim(t.substr(eq + 1));
  return true;
}

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

// The words of the names a refused or damaged file is kept under.
constexpr const char* kRefusedWord = "refused";
constexpr const char* kDamagedWord = "damaged";

bool StartsMarked(const std::string& bytes) { return bytes.rfind(kByteOrderMark, 0) == 0; }

// Splits at the line ends: "\r\n", "\n", or a "\r" alone (a file saved with old
// Macintosh line ends is lines too, not one long first line). CP932 never uses 0x0A
// or 0x0D inside a two-byte character, so splitting the raw bytes is safe.
std::vector<IniLine> SplitLines(const std::string& bytes) {
  std::vector<IniLine> lines;
  // A UTF-8 byte-order mark (a file saved by a text editor) is not part of the first
  // line's text; the raw bytes keep it so that a write gives it back.
  const bool marked = StartsMarked(bytes);
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    size_t next = end == std::string::npos ? bytes.size() : end + 1;
    if (end == std::string::npos) end = bytes.size();
    if (next < bytes.size() && bytes[end] == '\r' && bytes[next] == '\n') ++next;
    IniLine line;
    line.raw = bytes.substr(start, end - start);
    line.text = Cp932ToUtf8(lines.empty() && marked ? line.raw.substr(3) : line.raw);
    lines.push_back(std::move(line));
    start = next;
  }
  return lines;
}

// A control byte other than a tab is no part of any text the file holds.
bool HoldsBinary(const std::string& raw) {
  for (unsigned char c : raw) {
    if ((c < 0x20 && c != '\t') || c == 0x7F) return true;
  }
  return false;
}

// The lines a read sees: section headers, the keys of a section and blank lines.
// Lines of binary junk or over kMaxIniLineBytes, a section met again (with its
// lines), a key met again in its section (the first of each is kept) and any other
// line (a key before the first section, text that is neither a section nor a key)
// are dropped. What was dropped is described in damage ("" for none).
//
// Only the file's first line has its byte-order mark taken off, so a later line
// that starts with one reads as text, not as the section or comment it would be at
// the top. Such a line is dropped here, so whatever line comes first once damaged
// lines before it are dropped reads the same at the top of the rewritten file; the
// mark itself moves to that line.
std::vector<IniLine> Clean(std::vector<IniLine> lines, bool marked, std::string& damage) {
  std::vector<std::string> found;
  auto note = [&found](const std::string& what) {
    if (std::find(found.begin(), found.end(), what) == found.end()) found.push_back(what);
  };
  std::vector<IniLine> kept;
  std::vector<std::string> sections;  // seen so far
  std::vector<std::string> keys;      // seen in the current section
  bool skipping = false;              // inside a section met before
  bool firstKept = false;             // the file's first line is kept[0]
  for (IniLine& line : lines) {
    const bool first = &line == &lines.front();
    if (line.raw.size() > kMaxIniLineBytes) {
      note("a line over " + std::to_string(kMaxIniLineBytes) + " bytes");
      continue;
    }
    if (HoldsBinary(line.raw)) {
      note("binary data");
      continue;
    }
    if (std::optional<std::string> name = SectionName(line.text)) {
      auto same = [&name](const std::string& s) { return EqualIgnoringAsciiCase(s, *name); };
      skipping = std::any_of(sections.begin(), sections.end(), same);
      if (skipping) {
        note("section [" + *name + "] twice");
        continue;
      }
      sections.push_back(*name);
      keys.clear();
    } else if (skipping) {
      continue;
    } else if (!Trim(line.text).empty()) {
      std::string key, unused;
      if (sections.empty() || !SplitKey(line.text, key, unused)) {
        note("lines that are neither a section nor a key");
        continue;
      }
      auto same = [&key](const std::string& k) { return EqualIgnoringAsciiCase(k, key); };
      if (std::any_of(keys.begin(), keys.end(), same)) {
        note("key " + key + " twice in [" + sections.back() + "]");
        continue;
      }
      keys.push_back(key);
    }
    if (first) firstKept = true;
    kept.push_back(std::move(line));
  }
  if (marked && !firstKept && !kept.empty()) kept.front().raw.insert(0, kByteOrderMark);
  damage.clear();
  for (size_t i = 0; i < found.size() && i < 3; ++i) damage += (i == 0 ? "" : ", ") + found[i];
  if (found.size() > 3) damage += ", ...";
  return kept;
}

// Index of the first header of section, or lines.size().
size_t FindSection(const std::vector<IniLine>& lines, const std::string& section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    std::optional<std::string> name = SectionName(lines[i].text);
    if (name && EqualIgnoringAsciiCase(*name, section)) return i;
  }
  return lines.size();
}

// One past the last line of the section whose header is at index header.
size_t SectionEnd(const std::vector<IniLine>& lines, size_t header) {
  size_t i = header + 1;
  while (i < lines.size() && !SectionName(lines[i].text)) ++i;
  return i;
}

IniLine MakeLine(const std::string& text) { return IniLine{Utf8ToCp932(text), text}; }

// The failures already reported: a game that saves key by key into a folder it
// cannot write says so once, not once per key and save.
std::set<std::string> reportedFailures;

void Report(const std::string& path, const char* what, const std::string& reason) {
  if (!reportedFailures.insert(path + '\n' + what + '\n' + reason).second) return;
  std::fprintf(stderr, "ini: cannot write %s: %s: %s\n", path.c_str(), what, reason.c_str());
}
void Report(const std::string& path, const char* what, int error) { Report(path, what, std::string(std::strerror(error))); }

// Writes bytes to a new file at path (which must not exist) and syncs it.
bool WriteNewFile(const std::string& path, const std::string& bytes, mode_t mode, int& error) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = errno;
    return false;
  }
  FILE* f = ::fdopen(fd, "wb");
  if (!f) {
    error = errno;
    ::close(fd);
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = ok && std::fflush(f) == 0;
  ok = ok && (mode == 0 || ::fchmod(fd, mode) == 0);
  ok = ok && ::fsync(fd) == 0;
  if (!ok) error = errno;
  if (std::fclose(f) != 0 && ok) {
    error = errno;
    ok = false;
  }
  return ok;
}

// unlink that is content when there was nothing to remove. (Asked first, so that a
// folder that cannot be written is reported where the write fails, not here.)
bool RemoveIfPresent(const std::string& path, int& error) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) return true;
  if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
  error = errno;
  return false;
}

// The first free name "<path>.<word>-N" for keeping a file that a write would
// otherwise lose; "" when even the thousandth is taken.
constexpr int kMostKeptFiles = 999;
std::string FreeKeptName(const std::string& path, const char* word) {
  struct stat st;
  for (int n = 1; n <= kMostKeptFiles; ++n) {
    std::string name = path + "." + word + "-" + std::to_string(n);
    if (::lstat(name.c_str(), &st) != 0 && errno == ENOENT) return name;
  }
  return "";
}

// Keeps the file at path under a name of its own before a write replaces it: a
// refused or damaged save is the player's, and the rolling backup would lose it at
// the write after next. Linked where the file system can, copied otherwise.
bool KeepOldFile(const std::string& path, const char* word, int& error, std::string& kept) {
  for (int attempt = 0; attempt < 3; ++attempt) {  // a name taken meanwhile: the next one
    kept = FreeKeptName(path, word);
    if (kept.empty()) {
      error = EEXIST;
      return false;
    }
    if (::link(path.c_str(), kept.c_str()) == 0) return true;
    if (errno == EEXIST) continue;
    std::error_code ec;
    if (std::filesystem::copy_file(path, kept, ec)) {
      int fd = ::open(kept.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
      }
      return true;
    }
    ::unlink(kept.c_str());
    error = ec.value();
    return false;
  }
  error = EEXIST;
  return false;
}

// Replaces the file at path by bytes so that a crash or failure at any point leaves
// either the old file or the new one, never a mix. The old file is kept as
// "<path>.bak" when oldExists; oldBytes is its content, or nullptr when it was too
// large to read (it is then moved where it cannot be linked).
bool ReplaceFile(const std::string& path, const std::string& bytes, bool oldExists,
                 const std::string* oldBytes) {
  const std::string tmp = path + ".tmp";
  const std::string bak = path + ".bak";
  int error = 0;

  mode_t mode = 0;
  struct stat st;
  if (oldExists && ::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;

  // A leftover from an interrupted write is stale; anything else in the way stops us.
  if (!RemoveIfPresent(tmp, error)) {
    Report(path, "temporary file in the way", error);
    return false;
  }
  if (!WriteNewFile(tmp, bytes, mode, error)) {
    ::unlink(tmp.c_str());
    Report(path, "writing the temporary file", error);
    return false;
  }

  if (oldExists) {
    bool kept = RemoveIfPresent(bak, error);
    if (kept && ::link(path.c_str(), bak.c_str()) != 0) {
      if (oldBytes != nullptr) {
        // File systems without hard links get a copy.
        kept = WriteNewFile(bak, *oldBytes, mode, error);
        if (!kept) ::unlink(bak.c_str());
      } else if (::rename(path.c_str(), bak.c_str()) != 0) {
        // An old file too large to read reads as missing, so for the moment between
        // the two renames the file read is the same.
        error = errno;
        kept = false;
      }
    }
    if (!kept) {
      ::unlink(tmp.c_str());
      Report(path, "keeping the backup", error);
      return false;
    }
  }

  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    error = errno;
    ::unlink(tmp.c_str());
    Report(path, "replacing the file", error);
    return false;
  }

  // Make the rename itself durable; the new file is already in place either way.
  std::string folder = path.substr(0, path.find_last_of('/') + 1);
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

// Sets one key in the parsed lines, creating the section or key as needed.
void SetKey(std::vector<IniLine>& lines, const std::string& section, const std::string& key,
            const std::string& value) {
  size_t header = FindSection(lines, section);
  if (header == lines.size()) {
    lines.push_back(MakeLine("[" + section + "]"));
    lines.push_back(MakeLine(key + "=" + value));
  } else {
    size_t end = SectionEnd(lines, header);
    size_t found = end;
    size_t lastFilled = header;
    for (size_t i = header + 1; i < end; ++i) {
      if (!Trim(lines[i].text).empty()) lastFilled = i;
      std::string name, unused;
      if (found == end && SplitKey(lines[i].text, name, unused) && EqualIgnoringAsciiCase(name, key)) {
        found = i;
      }
    }
    if (found != end) {
      // Keep the key exactly as the file spells it; only the value changes. '=' is
      // never part of a CP932 two-byte character, so the raw bytes split the same way.
      const std::string& raw = lines[found].raw;
      std::string rawKey = Trim(raw.substr(0, raw.find('=')));
      lines[found].raw = rawKey + "=" + Utf8ToCp932(value);
      lines[found].text = Cp932ToUtf8(lines[found].raw);
    } else {
      // After the section's last non-blank line, so a blank line before the next
      // section stays where it is.
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1),
                   MakeLine(key + "=" + value));
    }
  }
}

}  // namespace

void ResetIniFileState() { reportedFailures.clear(); }

IniFile IniFile::Read(const std::string& path) {
  IniFile file;
  std::string why;
  const std::string resolved = ResolvePath(path);
  switch (ReadBoundedFile(resolved, kMaxIniFileBytes, file.bytes_, why)) {
    case BoundedRead::kRead:
      file.status_ = Status::kRead;
      file.lines_ = Clean(SplitLines(file.bytes_), StartsMarked(file.bytes_), file.damage_);
      if (!file.damage_.empty()) file.keptAs_ = FreeKeptName(resolved, kDamagedWord);
      break;
    case BoundedRead::kMissing: file.status_ = Status::kMissing; break;
    case BoundedRead::kRefused: {
      file.status_ = Status::kRefused;
      file.why_ = why;
      file.refusal_ = Refusal::kNotAFile;
      file.nextWrite_ = "the next save replaces it";
      struct stat st;
      if (::stat(resolved.c_str(), &st) != 0) break;
      if (S_ISDIR(st.st_mode)) {
        file.why_ = "a folder";
        file.refusal_ = Refusal::kFolder;
        file.nextWrite_ = "nothing is saved until it is moved away";
      } else if (S_ISREG(st.st_mode)) {
        file.refusal_ = Refusal::kTooLarge;
        file.keptAs_ = FreeKeptName(resolved, kRefusedWord);
        file.nextWrite_ = "the next save replaces it, keeping it as " + file.keptAs_.substr(file.keptAs_.find_last_of('/') + 1);
      }
      break;
    }
    case BoundedRead::kFailed:
      file.status_ = Status::kUnreadable;
      file.why_ = why;
      break;
  }
  return file;
}

std::string IniFile::Get(const std::string& section, const std::string& key, const std::string& defaultValue) const {
  size_t header = FindSection(lines_, section);
  if (header == lines_.size()) return defaultValue;
  size_t end = SectionEnd(lines_, header);
  for (size_t i = header + 1; i < end; ++i) {
    std::string name, value;
    if (!SplitKey(lines_[i].text, name, value) || !EqualIgnoringAsciiCase(name, key)) continue;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    return value;
  }
  return defaultValue;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path) {
  return IniFile::Read(path).Get(section, key, defaultValue);
}

bool WritePrivateProfileStrings(const std::vector<IniEntry>& entries, const std::string& path) {
  const std::string resolved = ResolvePath(path);
  IniFile old = IniFile::Read(resolved);
  if (old.status_ == IniFile::Status::kUnreadable) {
    Report(resolved, "reading the old file", old.why_);
    return false;
  }
  // A refused file is replaced whole: one too large is kept as the backup (the keys
  // it holds may be worth having back), a FIFO or a device is not; a folder stays
  // where it is and the write fails.
  std::vector<IniLine> lines = std::move(old.lines_);
  for (const IniEntry& entry : entries) SetKey(lines, entry.section, entry.key, entry.value);

  std::string bytes;
  for (const IniLine& line : lines) bytes += line.raw + "\r\n";
  const bool tooLarge = old.refusal_ == IniFile::Refusal::kTooLarge;
  const bool damaged = old.status_ == IniFile::Status::kRead && !old.damage_.empty();
  if (tooLarge || damaged) {
    // Nothing is written unless the old file is safe first.
    int error = 0;
    std::string kept;
    if (!KeepOldFile(resolved, tooLarge ? kRefusedWord : kDamagedWord, error, kept)) {
      Report(resolved, tooLarge ? "keeping the refused file" : "keeping the damaged file", error);
      return false;
    }
  }
  return ReplaceFile(resolved, bytes, old.status_ == IniFile::Status::kRead || tooLarge,
                     tooLarge ? nullptr : &old.bytes_);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
  return WritePrivateProfileStrings({{section, key, value}}, path);
}

}  // namespace tq
