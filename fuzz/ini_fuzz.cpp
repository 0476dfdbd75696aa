// Feeds arbitrary bytes as a save file to the INI reader, the INI writer and every
// save-file load of the games. Reading never fails and a load leaves nothing out of
// range. Whatever a read sees reads the same after the clean rewrite: a read, a
// write of one key and a read give the first read's values for every other key (and
// a game's load, save and load give the first load's values); the rewritten file
// is whole, reads without damage, and a second write of the same key leaves it
// byte for byte as it was.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/register_games.h"
#include "platform/headless/headless_platform.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"
#include "support/save_files.h"
#include "support/save_loads.h"

namespace {

namespace fs = std::filesystem;

std::string Folder() {
  static const std::string folder = [] {
    fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path p = base / ("thornquill-ini-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(p);
    return p.string();
  }();
  return folder;
}

tq::HeadlessPlatform& Platform() {
  static tq::HeadlessPlatform* platform = [] {
    auto* p = new tq::HeadlessPlatform();
    p->SetProgramFolder(Folder());
    tq::InstallPlatform(p);
    return p;
  }();
  return *platform;
}

// Adds the sections and keys the bytes name, decoded and trimmed as the reader
// takes them, so that reads reach the file's own lines. Asked of the file before
// and after a write, they cover whatever either of the two reads.
void AddNamedKeys(const std::string& bytes, std::vector<std::pair<std::string, std::string>>& keys) {
  auto trim = [](const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
  };
  std::string section;
  size_t start = 0;
  while (start < bytes.size() && keys.size() < 128) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = tq::Cp932ToUtf8(bytes.substr(start, end - start));
    start = end + 1;
    size_t open = line.find('['), close = line.find(']', open == std::string::npos ? 0 : open);
    if (open != std::string::npos && close != std::string::npos) {
      section = trim(line.substr(open + 1, close - open - 1));
      keys.emplace_back(section, "0");
    } else if (size_t eq = line.find('='); eq != std::string::npos) {
      keys.emplace_back(section, trim(line.substr(0, eq)));
    }
  }
}

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckWhole(const std::string& path) {
  std::string bytes = tq::testing::ReadFileBytes(path);
  // Lines the file brought with it go back as they were; what the write added
  // must end the file with a whole line.
  Check(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);
}

// The damaged files the writes kept, removed so that every input starts alike.
void RemoveKeptFiles() {
  std::error_code ec;
  std::vector<fs::path> kept;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(Folder(), ec)) {
    const std::string name = e.path().filename().string();
    if (name.find(".damaged-") != std::string::npos || name.find(".refused-") != std::string::npos) kept.push_back(e.path());
  }
  for (const fs::path& p : kept) fs::remove(p, ec);
}

void FuzzIniLayer(const std::string& bytes) {
  const std::string path = Folder() + "/fuzz.ini";
  tq::testing::WriteFileBytes(path, bytes);
  const tq::IniFile first = tq::IniFile::Read(path);

  Check(tq::WritePrivateProfileString("Fuzz", "Written", "7 ７", path));
  CheckWhole(path);
  // A file read in part is kept whole before the clean rewrite.
  Check(first.KeptAs().empty() || tq::testing::ReadFileBytes(first.KeptAs()) == bytes);
  const std::string rewritten = tq::testing::ReadFileBytes(path);
  const tq::IniFile second = tq::IniFile::Read(path);
  Check(second.status() == tq::IniFile::Status::kRead && second.Damage().empty());

  std::vector<std::pair<std::string, std::string>> keys = {{"Config", "0"}, {"Game", "0"}, {"set", "Speed"}};
  AddNamedKeys(bytes, keys);
  AddNamedKeys(rewritten, keys);
  for (const auto& [section, key] : keys) {
    const bool written = tq::EqualIgnoringAsciiCase(section, "Fuzz") && tq::EqualIgnoringAsciiCase(key, "Written");
    Check(second.Get(section, key, "\x01") == (written ? "7 ７" : first.Get(section, key, "\x01")));
  }

  Check(tq::WritePrivateProfileString("Fuzz", "Written", "7 ７", path));
  Check(tq::testing::ReadFileBytes(path) == rewritten);
}

void FuzzSaveLoads(const std::string& bytes) {
  for (const tq::testing::SaveLoad& load : tq::testing::SaveLoads()) {
    ResetAllState();
    const std::string path = Folder() + "/" + load.file;
    tq::testing::WriteFileBytes(path, bytes);
    load.load();
    Check(load.check().empty());
    const std::string loaded = load.describe();
    Check(load.save());
    CheckWhole(path);
    Check(tq::IniFile::Read(path).Damage().empty());
    ResetAllState();
    load.load();
    Check(load.describe() == loaded);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Platform();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  FuzzIniLayer(bytes);
  FuzzSaveLoads(bytes);
  RemoveKeptFiles();
  return 0;
}
