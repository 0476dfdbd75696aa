#include "platform/paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

class PathsTest : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    root_ = fs::temp_directory_path() /
            ("tq-paths-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
    fs::create_directories(root_ / "Tanselr_Data" / "TanselrCG");
    fs::create_directories(root_ / "Sound_Data" / "Music");
    fs::create_directories(root_ / "Data");
    fs::create_directories(root_ / "data");
    std::ofstream(root_ / "Tanselr_Data" / "TanselrCG" / "Title.BMP") << "x";
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  std::string Root() const { return root_.string(); }

  fs::path root_;
};

TEST_F(PathsTest, ResolvesComponentsIgnoringCaseAndKeepsMissingOnesAsWritten) {
  struct Case {
    const char* input;     // appended to the test folder
    const char* expected;  // likewise
  };
  const Case cases[] = {
      {"\\tanselr_data\\tanselrcg\\title.bmp", "/Tanselr_Data/TanselrCG/Title.BMP"},
      {"/Tanselr_Data/TanselrCG/Title.BMP", "/Tanselr_Data/TanselrCG/Title.BMP"},
      {"\\\\TANSELR_DATA\\/\\TanselrCG//TITLE.bmp", "/Tanselr_Data/TanselrCG/Title.BMP"},
      // A file about to be created: the folders resolve, the new name stays.
      {"\\tanselr_data\\tanselrcg\\New.sav", "/Tanselr_Data/TanselrCG/New.sav"},
      // Once a folder is missing, what follows is not looked up.
      {"\\tanselr_data\\Missing\\tanselrcg\\title.bmp", "/Tanselr_Data/Missing/tanselrcg/title.bmp"},
      {"\\sound_data\\music\\", "/Sound_Data/Music/"},
      // An exact match wins over another spelling; otherwise the smallest name does.
      {"\\data", "/data"},
      {"\\Data", "/Data"},
      {"\\DATA", "/Data"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tq::ResolvePath(Root() + c.input), Root() + c.expected) << c.input;
  }
}

TEST_F(PathsTest, RelativeToGivesThePartBelowTheRoot) {
  struct Case {
    const char* path;
    const char* root;
    const char* expected;
  };
  const Case cases[] = {
      {"/a/b/c/d", "/a/b", "c/d"},
      {"/a/b/c", "/a/b/", "c"},
      {"/a/b", "/a/b", ""},
      {"/a/bc/d", "/a/b", "/a/bc/d"},  // a sibling that shares the prefix is not under it
      {"/x/y", "/a", "/x/y"},
      {"/x/y", "/", "x/y"},
      {"\\a\\b\\c", "/a", "b/c"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tq::RelativeTo(c.path, c.root), c.expected) << c.path << " under " << c.root;
  }
}

TEST(Paths, EmptyPathStaysEmpty) { EXPECT_EQ(tq::ResolvePath(""), ""); }

TEST(Paths, ExecutableFolderHoldsTheRunningProgram) {
  std::string folder = tq::ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_TRUE(fs::exists(fs::path(folder) / program_invocation_short_name));
}

}  // namespace
