#include "support/save_files.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tq::testing {

namespace {

namespace fs = std::filesystem;

std::string Trimmed(const std::string& s) {
  size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool EndsWithIgnoringCase(const std::string& name, const std::string& tail) {
  if (name.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i) {
    char c = name[name.size() - tail.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != tail[i]) return false;
  }
  return true;
}

std::vector<std::string> FilesEndingWith(const std::string& root, const std::string& tail) {
  std::vector<std::string> out;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && EndsWithIgnoringCase(it->path().filename().string(), tail)) {
      out.push_back(it->path().string());
    }
  }
  return out;
}

}  // namespace

bool IniTextIsWhole(const std::string& bytes, std::string& why) {
  size_t start = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  if (bytes.size() > start && (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0)) {
    why = "the last line has no CR LF";
    return false;
  }
  bool inSection = false;
  for (int number = 1; start < bytes.size(); ++number) {
    size_t end = bytes.find('\n', start);
    std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line.back() != '\r') {
      why = "line " + std::to_string(number) + " ends without CR LF";
      return false;
    }
    line = Trimmed(line.substr(0, line.size() - 1));
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.find(']') != std::string::npos) {
      inSection = true;
    } else if (!inSection || line.find('=') == std::string::npos || line.front() == '=') {
      why = "line " + std::to_string(number) + " is neither a section, a key nor a comment: " + line;
      return false;
    }
  }
  return true;
}

std::vector<std::string> SaveFilesUnder(const std::string& root) { return FilesEndingWith(root, ".sav"); }

std::vector<std::string> LeftoverWritesUnder(const std::string& root) { return FilesEndingWith(root, ".tmp"); }

std::vector<std::string> SaveFileFaults(const std::string& root) {
  std::vector<std::string> faults;
  for (const std::string& path : SaveFilesUnder(root)) {
    std::string why;
    if (!IniTextIsWhole(ReadFileBytes(path), why)) faults.push_back(path + ": " + why);
  }
  for (const std::string& path : LeftoverWritesUnder(root)) faults.push_back(path + ": left by an unfinished write");
  return faults;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace tq::testing
