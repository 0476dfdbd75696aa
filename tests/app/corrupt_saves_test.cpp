// Corrupt save files load as the defaults or their readable part, the next save
// writes a whole file, and a save that cannot be written is reported once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <random>
#include <string>

#include "engine/settings_panel.h"
#include "engine/sound_channels.h"
#include "platform/ini_file.h"
#include "support/engine_harness.h"
#include "support/save_files.h"
#include "support/save_loads.h"

namespace {

namespace fs = std::filesystem;
using tq::testing::ReadFileBytes;
using tq::testing::SaveLoad;
using tq::testing::SaveLoads;
using tq::testing::WriteFileBytes;

struct Fixture {
  const char* file;  // in tests/data/saves
  // A key and what it reads as, in the INI layer.
  const char* section;
  const char* key;
  const char* reads;
  const char* marbrook;  // the Marbrook settings the file loads as
};

const char* kDefaults = "music 0 effects 0 voice 0 switches 000";

const Fixture kFixtures[] = {
    {"empty.sav", "Config", "0", "-", kDefaults},
    {"binary_noise.sav", "Config", "0", "-", kDefaults},
    {"forty_digits.sav", "Config", "0", "1234567890123456789012345678901234567890",
     "music 0 effects 4 voice 0 switches 000"},
    {"negative_levels.sav", "Config", "2", "-9", "music 0 effects 0 voice 0 switches -100"},
    {"missing_sections.sav", "Game", "0", "12", kDefaults},
    {"crlf_and_lf.sav", "Config", "7", "False", "music 4 effects 5 voice 6 switches -1-10"},
    {"section_twice.sav", "Config", "0", "3", "music 3 effects 0 voice 0 switches 000"},
    {"byte_order_mark.sav", "config", "1", "2", "music 6 effects 2 voice 0 switches 000"},
    // Lines that are neither a section nor a key ("[Config" lacks its bracket) are
    // passed over and left out of the rewrite.
    {"junk_lines.sav", "Config", "1", "5", "music 4 effects 5 voice 6 switches 000"},
    // A byte-order mark is taken off the first line only. Below a damaged first line
    // the marked line is text; it must not become "[C.nfig]", "[Config]" or
    // "[[Config]" when the rewrite drops the line above it.
    {"marked_line_after_junk.sav", "C.nfig", "0", "-", kDefaults},
    {"marked_section_after_junk.sav", "Config", "0", "-", kDefaults},
    {"marked_brackets_after_junk.sav", "[Config", "0", "-", "music 7 effects 0 voice 0 switches 000"},
};

std::string FixtureBytes(const Fixture& f) { return ReadFileBytes(std::string(THORNQUILL_TEST_DATA) + "/saves/" + f.file); }

class SaveLoadTest : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    root_ = fs::temp_directory_path() / ("tq-saves-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
    fs::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root_ / "Tanselr_Data", fs::perms::owner_all, ec);
    fs::remove_all(root_, ec);
  }
  fs::path root_;
};

// The save's sections and keys once each, whole lines of text only, nothing else
// but blank lines.
std::string Unclean(const std::string& bytes) {
  std::set<std::string> sections, keys;
  std::string section;
  size_t start = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) return "no CR LF at the end";
    const std::string line = bytes.substr(start, end - start);
    start = end + 2;
    if (line.size() > tq::kMaxIniLineBytes) return "a long line";
    for (unsigned char c : line) {
      if (c < 0x20) return "a control byte in " + line;
    }
    const size_t eq = line.find('=');
    if (!line.empty() && line.front() == '[' && line.find(']') != std::string::npos) {
      section = line;
      if (!sections.insert(section).second) return section + " twice";
    } else if (!section.empty() && eq != std::string::npos && line.front() != ';') {
      if (!keys.insert(section + line.substr(0, eq)).second) return line + " twice in " + section;
    } else if (!line.empty()) {
      return "neither a section nor a key: " + line;
    }
  }
  return "";
}

// A write ends the file with a whole line, keeps only sections and keys, and leaves
// no temporary file.
void ExpectWhole(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(Unclean(bytes), "");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(SaveLoadTest, TheIniLayerReadsWhatItCanAndWritesAWholeFile) {
  for (const Fixture& f : kFixtures) {
    SCOPED_TRACE(f.file);
    const std::string path = (root_ / f.file).string();
    const std::string original = FixtureBytes(f);
    WriteFileBytes(path, original);
    EXPECT_EQ(tq::GetPrivateProfileString(f.section, f.key, "-", path), f.reads);

    ASSERT_TRUE(tq::WritePrivateProfileString("Game", "9", "5", path));
    ExpectWhole(path);
    EXPECT_EQ(ReadFileBytes(path + ".bak"), original);
    EXPECT_EQ(tq::GetPrivateProfileString("Game", "9", "-", path), "5");
    EXPECT_EQ(tq::GetPrivateProfileString(f.section, f.key, "-", path), f.reads);
  }
}

TEST_F(SaveLoadTest, EveryGameLoadTakesTheDefaultsOrTheReadablePartAndSavesWhole) {
  for (const SaveLoad& load : SaveLoads()) {
    for (const Fixture& f : kFixtures) {
      SCOPED_TRACE(std::string(load.name) + ", " + f.file);
      const fs::path folder = root_ / f.file;
      const std::string path = (folder / load.file).string();
      WriteFileBytes(path, FixtureBytes(f));
      std::string loaded;
      {
        tq::testing::EngineHarness harness(load.mode, folder.string());
        harness.Start();  // the mode's Init loads the file
        EXPECT_EQ(load.check(), "");
        loaded = load.describe();
        if (std::string(load.mode) == "Marbrook") {
          EXPECT_EQ(loaded, f.marbrook);
        }
        // The loaded values reach the settings panel and the music volume.
        SettingsPanel(9);
        ApplyMusicVolume();
        ASSERT_TRUE(load.save());
        ExpectWhole(path);
        EXPECT_FALSE(harness.RunUntil(2000).ended);
      }
      tq::testing::EngineHarness again(load.mode, folder.string());
      again.Start();
      EXPECT_EQ(load.describe(), loaded);
    }
  }
}

TEST_F(SaveLoadTest, ASaveThatCannotBeWrittenIsReportedOnceAndTheOldFileStays) {
  const std::string original = "[Config]\r\n0=7\r\n1=3\r\n";
  const fs::path folder = root_ / "Tanselr_Data";
  WriteFileBytes((folder / "Tanselr.sav").string(), original);
  tq::testing::EngineHarness harness("Marbrook", root_.string());
  harness.Start();
  // A folder without write permission; the superuser writes anyway, so for it a
  // folder where the temporary file should go stands in the way instead.
  if (::geteuid() == 0) {
    fs::create_directories(folder / "Tanselr.sav.tmp" / "keep");
  } else {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  }
  const SaveLoad& load = SaveLoads().front();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(load.save());
  EXPECT_FALSE(load.save());
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
  EXPECT_NE(report.find("Tanselr.sav"), std::string::npos) << report;
  EXPECT_EQ(ReadFileBytes((folder / "Tanselr.sav").string()), original);
  EXPECT_FALSE(harness.RunUntil(5000).ended);  // the game goes on
}

// The lines of a capture that report on a save file.
int SaveReports(const std::string& captured) {
  int n = 0;
  for (size_t at = captured.find("thornquill: save file "); at != std::string::npos;
       at = captured.find("thornquill: save file ", at + 1)) {
    ++n;
  }
  return n;
}

// The report line says what the next save does: it replaces a FIFO or a device, keeps
// a file too large to read as the backup (the keys at its top may be worth having
// back), and cannot replace a folder.
TEST_F(SaveLoadTest, ASaveThatIsNoRegularFileOrTooLargeLoadsTheDefaultsAtOnceWithOneLine) {
  enum Kind { kFifo, kDevice, kLarge, kFolder };
  const struct {
    Kind kind;
    const char* name;
    const char* says;  // in the report line
  } kinds[] = {
      {kFifo, "a FIFO", "not a regular file; the defaults are used and the next save replaces it"},
      {kDevice, "a link to /dev/zero", "not a regular file; the defaults are used and the next save replaces it"},
      {kLarge, "a 50 MB file", "larger than 64 KB; the defaults are used and the next save replaces it, keeping it as "},
      {kFolder, "a folder", "a folder; the defaults are used and nothing is saved until it is moved away"},
  };
  for (const SaveLoad& load : SaveLoads()) {
    std::string defaults;
    {
      tq::testing::EngineHarness harness(load.mode, (root_ / "none").string());
      harness.Start();
      defaults = load.describe();
    }
    for (const auto& k : kinds) {
      SCOPED_TRACE(std::string(load.name) + ", " + k.name);
      const fs::path folder = root_ / (std::string(load.name) + k.name);
      const fs::path path = folder / load.file;
      const fs::path backup = path.string() + ".bak";
      fs::create_directories(path.parent_path());
      switch (k.kind) {
        case kFifo: ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); break;
        case kDevice: fs::create_symlink("/dev/zero", path); break;
        case kLarge:
          std::ofstream(path, std::ios::binary) << "[Config]\r\n0=3\r\n";
          fs::resize_file(path, 50u << 20);  // sparse: quick to make, as large to read
          break;
        case kFolder: fs::create_directories(path / "inside"); break;
      }
      tq::testing::EngineHarness harness(load.mode, folder.string());
      testing::internal::CaptureStderr();
      harness.Start();
      const std::string startReport = testing::internal::GetCapturedStderr();
      std::string report = startReport;
      EXPECT_EQ(SaveReports(report), 1) << report;
      EXPECT_NE(report.find(path.filename().string() + " is " + k.says), std::string::npos) << report;
      EXPECT_EQ(load.describe(), defaults);
      // A load may write the defaults back at once; the first write keeps the large
      // file as the backup.
      const uintmax_t kLargeSize = 50u << 20;
      auto largeIsBackup = [&] { return fs::is_regular_file(backup) && fs::file_size(backup) == kLargeSize; };
      const bool largeStays = k.kind == kLarge && fs::file_size(path) == kLargeSize;
      if (k.kind == kLarge && !largeStays) {
        EXPECT_TRUE(largeIsBackup());
      }

      testing::internal::CaptureStderr();
      const bool saved = load.save();
      report = testing::internal::GetCapturedStderr();
      if (k.kind == kFolder) {
        // Reported once, by whichever write came first.
        EXPECT_FALSE(saved);
        EXPECT_NE((startReport + report).find("cannot write"), std::string::npos) << report;
        EXPECT_TRUE(fs::is_directory(path / "inside"));
        continue;
      }
      // The next save replaces it whole.
      ASSERT_TRUE(saved) << report;
      EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
      EXPECT_LT(fs::file_size(path), 1024u);
      EXPECT_EQ(Unclean(ReadFileBytes(path.string())), "");
      if (largeStays) {
        EXPECT_TRUE(largeIsBackup());
      }
      if (k.kind == kLarge) {
        // Kept under the name the line gave, through any number of later saves.
        const fs::path kept = path.string() + ".refused-1";
        EXPECT_NE(startReport.find("keeping it as " + kept.filename().string()), std::string::npos) << startReport;
        ASSERT_TRUE(load.save());
        ASSERT_TRUE(load.save());
        ASSERT_TRUE(fs::is_regular_file(kept));
        EXPECT_EQ(fs::file_size(kept), kLargeSize);
        std::string head(15, '\0');
        std::ifstream(kept, std::ios::binary).read(head.data(), 15);
        EXPECT_EQ(head, "[Config]\r\n0=3\r\n");
      }
      // A FIFO or a device is no backup worth keeping.
      if (fs::exists(fs::symlink_status(backup))) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(backup)));
      }
    }
  }
}

TEST_F(SaveLoadTest, ADamagedSaveIsReportedInOneLineAndTheNextSaveIsClean) {
  const std::string damaged =
      "[Config]\r\n0=3\r\n0=8\r\n\x01\x02\x7F=5\r\n1=" + std::string(2000, '4') +
      "\r\n[Game]\r\n0=2\r\n[config]\r\n1=7\r\n[set]\r\n0=1\r\n1=4\r\n[SET]\r\n0=2\r\n[sta]\r\n0=1\r\n0=2\r\n";
  for (const SaveLoad& load : SaveLoads()) {
    SCOPED_TRACE(load.name);
    const fs::path folder = root_ / load.name;
    const std::string path = (folder / load.file).string();
    WriteFileBytes(path, damaged);
    std::string loaded;
    {
      tq::testing::EngineHarness harness(load.mode, folder.string());
      testing::internal::CaptureStderr();
      harness.Start();
      const std::string report = testing::internal::GetCapturedStderr();
      EXPECT_EQ(SaveReports(report), 1) << report;
      EXPECT_NE(report.find("damaged"), std::string::npos) << report;
      // The damaged file is the player's: kept whole under the name the line gives,
      // however many saves follow.
      const std::string kept = std::string(load.file) + ".damaged-1";
      EXPECT_NE(report.find(" it as " + fs::path(kept).filename().string()), std::string::npos) << report;
      EXPECT_EQ(load.check(), "");
      ASSERT_TRUE(load.save());
      EXPECT_EQ(Unclean(ReadFileBytes(path)), "");
      loaded = load.describe();
      ASSERT_TRUE(load.save());
      ASSERT_TRUE(load.save());
      EXPECT_EQ(ReadFileBytes((folder / kept).string()), damaged);
    }
    tq::testing::EngineHarness again(load.mode, folder.string());
    testing::internal::CaptureStderr();
    again.Start();
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(SaveReports(report), 0) << report;
    EXPECT_EQ(load.describe(), loaded);
  }
}

}  // namespace
