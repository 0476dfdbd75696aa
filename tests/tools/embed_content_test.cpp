// The build's embedding of the content texts, run as the build runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "support/save_files.h"

namespace {

namespace fs = std::filesystem;
using tq::testing::ReadFileBytes;
using tq::testing::WriteFileBytes;

class EmbedContentTest : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    root_ = fs::temp_directory_path() / ("tq-embed-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
    fs::create_directories(root_ / "content" / "game");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  // The embedding's exit status; its messages go to err.
  int Embed(std::string& err) const {
    const std::string command = std::string("'") + THORNQUILL_CMAKE + "' -DROOT='" + (root_ / "content").string() +
                                "' -DOUT='" + (root_ / "out.cpp").string() + "' -P '" + THORNQUILL_SOURCE +
                                "/cmake/embed_content.cmake' >/dev/null 2>'" + (root_ / "err").string() + "'";
    const int raw = std::system(command.c_str());
    // As one line: the message is wrapped at blanks.
    err.clear();
    for (char c : ReadFileBytes((root_ / "err").string())) {
      if (c == '\n' || c == ' ') {
        if (!err.empty() && err.back() != ' ') err += ' ';
      } else {
        err += c;
      }
    }
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  fs::path root_;
};

// A NUL byte would cut the file there; the build fails naming the file and the line.
TEST_F(EmbedContentTest, AContentFileWithANulByteFailsTheBuildByNameAndLine) {
  const fs::path good = root_ / "content" / "game" / "stage001.txt";
  const fs::path bad = root_ / "content" / "game" / "stage002.txt";
  WriteFileBytes(good.string(), "一行目\n二行目\n");
  std::string err;
  ASSERT_EQ(Embed(err), 0) << err;
  EXPECT_NE(ReadFileBytes((root_ / "out.cpp").string()).find("\"二行目\""), std::string::npos);

  const char kBad[] = "一行目\r\n二行目\r\n三行\0目\r\n四行目\r\n";
  WriteFileBytes(bad.string(), std::string(kBad, sizeof kBad - 1));
  EXPECT_NE(Embed(err), 0);
  EXPECT_NE(err.find(bad.string() + ": line 3 holds a NUL byte"), std::string::npos) << err;
}

}  // namespace
