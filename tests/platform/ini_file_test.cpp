#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/text_encoding.h"

namespace fs = std::filesystem;

namespace {

class IniFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    root_ = fs::temp_directory_path() /
            ("tq-ini-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
    fs::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  std::string PathOf(const std::string& name) const { return (root_ / name).string(); }

  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(root_ / name, std::ios::binary) << bytes;
  }
  std::string ReadBytes(const std::string& name) const {
    std::ifstream in(root_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path root_;
};

TEST_F(IniFileTest, ReadsValuesOrTheDefault) {
  WriteBytes("save.ini",
             "; settings of the game\r\n"
             "Orphan=1\r\n"
             "[Game]\r\n"
             "  Stage = 12  \r\n"
             "Name=\"  quoted \"\r\n"
             "Empty=\r\n"
             "Stage=99\r\n"
             ";Hidden=3\r\n"
             "\r\n"
             "[ Config ]\n"  // Unix line ends are read too
             "Speed=2\n"
             "Old=5\r"  // and old Macintosh ones
             "Last=7");  // no line end at all
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"Game", "Stage", "12"},  // trimmed, and the first of two wins
      {"GAME", "stage", "12"},
      {"Game", "Name", "  quoted "},
      {"Game", "Empty", ""},
      {"Game", "Missing", "dflt"},
      {"Game", "Hidden", "dflt"},
      {"Game", "Speed", "dflt"},  // keys of the next section do not leak in
      {"Config", "Speed", "2"},
      {"config", "LAST", "7"},
      {"Config", "Old", "5"},
      {"Missing", "Stage", "dflt"},
      {"", "Orphan", "dflt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tq::GetPrivateProfileString(c.section, c.key, "dflt", PathOf("save.ini")), c.expected)
        << c.section << "/" << c.key;
  }
  EXPECT_EQ(tq::GetPrivateProfileString("Game", "Stage", "0", PathOf("absent.ini")), "0");
  EXPECT_EQ(tq::GetPrivateProfileString("Game", "Stage", "0", PathOf("absent/save.ini")), "0");
}

// A file with carriage returns alone for line ends is lines, not one long first
// line that a write would keep whole with the new keys after it.
TEST_F(IniFileTest, AWriteToAFileWithCarriageReturnLineEndsLeavesItsLinesApart) {
  WriteBytes("save.ini", "[Game]\rStage=3\rScore=10\r");
  const std::string path = PathOf("save.ini");
  ASSERT_TRUE(tq::WritePrivateProfileString("Game", "Stage", "4", path));
  EXPECT_EQ(ReadBytes("save.ini"), "[Game]\r\nStage=4\r\nScore=10\r\n");
}

TEST_F(IniFileTest, WritesChangeOnlyTheirKey) {
  WriteBytes("save.ini",
             "; keep me\r\n"
             "[Game]\r\n"
             " Stage = 3 ; old\r\n"
             "Score=10\n"
             "\r\n"
             "[Config]\r\n"
             "Speed=1\r\n");
  const std::string path = PathOf("save.ini");
  ASSERT_TRUE(tq::WritePrivateProfileString("game", "STAGE", "4", path));  // in place
  ASSERT_TRUE(tq::WritePrivateProfileString("Game", "Lives", "2", path));  // end of section
  ASSERT_TRUE(tq::WritePrivateProfileString("clr", "Route1", "1", path));  // new section
  ASSERT_TRUE(tq::WritePrivateProfileString("CONFIG", "Music", "-5", path));
  // The comment is no section or key: a write leaves it out with the other lines no
  // read sees.
  EXPECT_EQ(ReadBytes("save.ini"),
            "[Game]\r\n"
            "Stage=4\r\n"
            "Score=10\r\n"
            "Lives=2\r\n"
            "\r\n"
            "[Config]\r\n"
            "Speed=1\r\n"
            "Music=-5\r\n"
            "[clr]\r\n"
            "Route1=1\r\n");
  EXPECT_EQ(tq::GetPrivateProfileString("Game", "Stage", "0", path), "4");
}

// Several keys in one replacement give what the single writes would, one after the
// other, and keep the file as it was before all of them as the backup.
TEST_F(IniFileTest, SeveralKeysInOneReplacement) {
  WriteBytes("save.ini", "[Game]\r\nStage=3\r\nOther=x\r\n");
  const std::string path = PathOf("save.ini");
  ASSERT_TRUE(tq::WritePrivateProfileStrings(
      {{"Game", "Stage", "4"}, {"Config", "0", "7"}, {"game", "Lives", "2"}, {"Config", "0", "8"}}, path));
  EXPECT_EQ(ReadBytes("save.ini"), "[Game]\r\nStage=4\r\nOther=x\r\nLives=2\r\n[Config]\r\n0=8\r\n");
  EXPECT_EQ(ReadBytes("save.ini.bak"), "[Game]\r\nStage=3\r\nOther=x\r\n");
}

TEST_F(IniFileTest, CreatesTheFileAndKeepsTheOldOneAsBackup) {
  const std::string path = PathOf("Vadrim.sav");
  ASSERT_TRUE(tq::WritePrivateProfileString("set", "Speed", "1", path));
  EXPECT_EQ(ReadBytes("Vadrim.sav"), "[set]\r\nSpeed=1\r\n");
  EXPECT_FALSE(fs::exists(PathOf("Vadrim.sav.bak")));  // nothing was there before

  ASSERT_TRUE(tq::WritePrivateProfileString("set", "Speed", "2", path));
  EXPECT_EQ(ReadBytes("Vadrim.sav.bak"), "[set]\r\nSpeed=1\r\n");
  ASSERT_TRUE(tq::WritePrivateProfileString("sta", "Stage", "5", path));
  EXPECT_EQ(ReadBytes("Vadrim.sav.bak"), "[set]\r\nSpeed=2\r\n");
  EXPECT_EQ(ReadBytes("Vadrim.sav"), "[set]\r\nSpeed=2\r\n[sta]\r\nStage=5\r\n");
  EXPECT_FALSE(fs::exists(PathOf("Vadrim.sav.tmp")));
}

// A file too large to read reads as missing, and one read in part loses its
// damaged lines at the next write; either is the player's file, so the write keeps
// it whole under a name of its own, which no later write replaces (the rolling
// backup is the file before the last write only). Each refusal gets its own name.
TEST_F(IniFileTest, ARefusedOrDamagedFileIsKeptUnderANameNoLaterWriteTakes) {
  const struct {
    const char* what;
    std::string bytes;
    tq::IniFile::Status status;
    const char* kept;
  } cases[] = {
      {"too large", "[Game]\r\nStage=3\r\n" + std::string(tq::kMaxIniFileBytes, ';'), tq::IniFile::Status::kRefused,
       "save.ini.refused"},
      {"damaged", "[Game]\r\nStage=3\r\n\x01\x02junk\r\nStage=9\r\n", tq::IniFile::Status::kRead, "save.ini.damaged"},
  };
  const std::string path = PathOf("save.ini");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (int n = 1; n <= 2; ++n) {
      WriteBytes("save.ini", c.bytes);
      const std::string kept = std::string(c.kept) + "-" + std::to_string(n);
      const tq::IniFile read = tq::IniFile::Read(path);
      EXPECT_EQ(read.status(), c.status);
      EXPECT_EQ(read.KeptAs(), PathOf(kept));
      ASSERT_TRUE(tq::WritePrivateProfileString("Game", "Lives", "2", path));
      ASSERT_TRUE(tq::WritePrivateProfileString("Game", "Lives", "3", path));
      ASSERT_TRUE(tq::WritePrivateProfileString("Game", "Lives", "4", path));
      EXPECT_TRUE(ReadBytes(kept) == c.bytes);  // (not printed: up to 64 KB)
      EXPECT_EQ(tq::GetPrivateProfileString("Game", "Lives", "-", path), "4");
      EXPECT_EQ(tq::IniFile::Read(path).KeptAs(), "");  // a clean file is kept by nobody
    }
    if (c.status == tq::IniFile::Status::kRefused) {
      EXPECT_EQ(tq::IniFile::Read(path).NextWrite(), "");
      WriteBytes("save.ini", c.bytes);
      EXPECT_EQ(tq::IniFile::Read(path).NextWrite(), "the next save replaces it, keeping it as save.ini.refused-3");
    }
  }
}

TEST_F(IniFileTest, FindsTheFileWhateverTheCaseAndSeparators) {
  fs::create_directories(root_ / "Kespa_Data");
  WriteBytes("Kespa_Data/Vadrim.sav", "[set]\r\nSpeed=1\r\n");
  const std::string path = root_.string() + "\\KESPA_DATA\\vadrim.SAV";
  EXPECT_EQ(tq::GetPrivateProfileString("set", "Speed", "0", path), "1");
  ASSERT_TRUE(tq::WritePrivateProfileString("set", "Speed", "2", path));
  EXPECT_EQ(ReadBytes("Kespa_Data/Vadrim.sav"), "[set]\r\nSpeed=2\r\n");
  EXPECT_FALSE(fs::exists(root_ / "Kespa_Data" / "vadrim.SAV"));
  EXPECT_FALSE(fs::exists(root_ / "KESPA_DATA"));
}

TEST_F(IniFileTest, JapaneseIsCp932OnDiskAndRoundTrips) {
  const std::string path = PathOf("save.ini");
  ASSERT_TRUE(tq::WritePrivateProfileString("表ゾ", "名前", "ハル～－", path));
  EXPECT_EQ(ReadBytes("save.ini"),
            "[\x95\x5c\x83\x5d]\r\n"
            "\x96\xbc\x91\x4f=\x83\x6e\x83\x8b\x81\x60\x81\x7c\r\n");
  EXPECT_EQ(tq::GetPrivateProfileString("表ゾ", "名前", "", path), "ハル～－");

  ASSERT_TRUE(tq::WritePrivateProfileString("表ゾ", "名前", "ソ", path));
  EXPECT_EQ(tq::GetPrivateProfileString("表ゾ", "名前", "", path), "ソ");
}

TEST_F(IniFileTest, BytesThatDoNotDecodeSurviveAWrite) {
  const std::string odd = "[Other]\r\nKey=\x80\xfd\x82\r\n";
  WriteBytes("save.ini", odd);
  ASSERT_TRUE(tq::WritePrivateProfileString("Game", "Stage", "1", PathOf("save.ini")));
  EXPECT_EQ(ReadBytes("save.ini"), odd + "[Game]\r\nStage=1\r\n");
}

TEST_F(IniFileTest, AFailedWriteLeavesTheOldFileWhole) {
  const std::string original = "[Game]\r\nStage=3\r\n";
  struct Case {
    const char* what;
    const char* target;
    const char* blocker;  // a folder made, with a file in it, before the write
  };
  const Case cases[] = {
      {"folder does not exist", "missing/save.ini", nullptr},
      {"folder is a file", "save.ini/inner.ini", nullptr},
      {"temporary name taken", "save.ini", "save.ini.tmp"},
      {"backup name taken", "save.ini", "save.ini.bak"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes("save.ini", original);
    if (c.blocker) {
      fs::create_directories(root_ / c.blocker);
      WriteBytes(std::string(c.blocker) + "/keep", "x");
    }
    testing::internal::CaptureStderr();
    EXPECT_FALSE(tq::WritePrivateProfileString("Game", "Stage", "4", PathOf(c.target)));
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(report.empty());
    EXPECT_EQ(report.find('\n'), report.size() - 1) << report;

    EXPECT_EQ(ReadBytes("save.ini"), original);
    EXPECT_FALSE(fs::exists(PathOf("missing")));
    if (c.blocker) {
      EXPECT_TRUE(fs::is_directory(root_ / c.blocker));
      fs::remove_all(root_ / c.blocker);
    }
    EXPECT_FALSE(fs::exists(PathOf("save.ini.tmp")));
  }
}

}  // namespace
