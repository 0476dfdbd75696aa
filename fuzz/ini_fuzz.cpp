// Feeds arbitrary bytes as a save file to the INI reader, the INI writer and every
// save-file load of the games: reading never fails, a load leaves nothing out of
// range, and a write gives a whole file that reads back what was written while the
// rest of the file reads as before.
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

// The sections and keys the bytes name, so that reads reach the file's own lines.
std::vector<std::pair<std::string, std::string>> NamedKeys(const std::string& bytes) {
  std::vector<std::pair<std::string, std::string>> keys = {{"Config", "0"}, {"Game", "0"}, {"set", "Speed"}};
  std::string section;
  size_t start = 0;
  while (start < bytes.size() && keys.size() < 64) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + 1;
    size_t open = line.find('['), close = line.find(']');
    if (open != std::string::npos && close != std::string::npos && close > open) {
      section = line.substr(open + 1, close - open - 1);
    } else if (size_t eq = line.find('='); eq != std::string::npos) {
      keys.emplace_back(section, line.substr(0, eq));
    }
  }
  return keys;
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

void FuzzIniLayer(const std::string& bytes) {
  const std::string path = Folder() + "/fuzz.ini";
  tq::testing::WriteFileBytes(path, bytes);
  std::vector<std::pair<std::string, std::string>> keys = NamedKeys(bytes);
  std::vector<std::string> before;
  for (const auto& [section, key] : keys) before.push_back(tq::GetPrivateProfileString(section, key, "\x01", path));

  Check(tq::WritePrivateProfileString("Fuzz", "Written", "7 ７", path));
  CheckWhole(path);
  Check(tq::GetPrivateProfileString("fuzz", "WRITTEN", "", path) == "7 ７");
  for (size_t i = 0; i < keys.size(); ++i) {
    const auto& [section, key] = keys[i];
    std::string after = tq::GetPrivateProfileString(section, key, "\x01", path);
    Check(after == before[i] || after == "7 ７");
  }
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
  return 0;
}
