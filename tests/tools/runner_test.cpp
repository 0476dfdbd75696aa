// The headless runner's file handling and its input limits, through the program itself.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/save_files.h"

namespace {

namespace fs = std::filesystem;

class RunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("thornquill-runner-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  std::string Read(const std::string& name) const { return tq::testing::ReadFileBytes((dir_ / name).string()); }
  int Run(const std::string& args) const {
    const std::string command = std::string("'") + THORNQUILL_RUNNER + "' " + args + " 2>/dev/null";
    return std::system(command.c_str());
  }

  fs::path dir_;
};

TEST_F(RunnerTest, ConvertIgnoresAByteOrderMark) {
  const std::string script = "[顔の設定]：[顔No]=01：[顔BMPNo]=0\n＊Ａ：こんにちは\n";
  Write("plain.txt", script);
  Write("marked.txt", "\xEF\xBB\xBF" + script);
  ASSERT_EQ(Run("--convert '" + Path("plain.txt") + "' > '" + Path("plain.out") + "'"), 0);
  ASSERT_EQ(Run("--convert '" + Path("marked.txt") + "' > '" + Path("marked.out") + "'"), 0);
  EXPECT_FALSE(Read("plain.out").empty());
  EXPECT_EQ(Read("marked.out"), Read("plain.out"));
}

// Coordinates from a timeline may be any 32-bit number; the sanitizer build of the
// runner fails this test if any arithmetic on them overflows.
TEST_F(RunnerTest, ExtremePointerPositionsRunClean) {
  Write("input.txt",
        "500 move 2147483647 -2147483648\n"
        "600 click 2147483647 -2147483648 right\n"
        "1200 click -2147483648 2147483647 left\n"
        "1800 move -2147483648 -2147483648\n"
        "2000 click 2147483647 2147483647 right\n");
  Write("script.txt", "＊Ａ：こんにちは\n");
  EXPECT_EQ(Run("--mode 'Skelvane２' --script '" + Path("script.txt") + "' --input '" + Path("input.txt") +
                "' --until 3000"),
            0);
}

}  // namespace
