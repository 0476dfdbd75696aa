// check-stage, the command that holds one stage script file to its game's stage
// rules, run as a person runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/save_files.h"
#include "support/test_folders.h"

namespace {

namespace fs = std::filesystem;

// check-stage holds a file to its game's rules: an embedded script passes, a fault
// planted in a copy is printed with its file and line, and a command it cannot use
// is refused with its usage.
TEST(CheckStage, NamesTheFaultsOfOneScriptFile) {
  const fs::path dir = tq::testing::FreshTestFolder("check-stage");
  auto path = [&](const std::string& name) { return (dir / name).string(); };
  const std::string content = THORNQUILL_CONTENT;
  auto copied = [&](const std::string& game, const std::string& name, const std::string& from, const std::string& to) {
    std::string text = tq::testing::ReadFileBytes(content + "/" + game + "/" + name);
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    fs::create_directories(dir / game);
    std::ofstream(dir / game / name, std::ios::binary) << text;
    return path(game + "/" + name);
  };
  const struct {
    const char* name;
    std::string args;
    int status;
    std::string output;  // a part of the standard output, or of standard error for status 2
  } cases[] = {
      {"a Marbrook script as embedded", "marbrook '" + content + "/marbrook/stage007.txt'", 0, ""},
      {"a Vadrim script as embedded", "vadrim '" + content + "/vadrim/stage033.txt'", 0, ""},
      {"a Skelvane script as embedded", "skelvane '" + content + "/skelvane/stage010.txt'", 0, ""},
      {"a voice below the story's", "marbrook '" + copied("marbrook", "stage016.txt", "フ音=1", "フ音=0") + "'", 1,
       "stage016.txt: line "},
      {"music in a Vadrim stage", "vadrim '" + copied("vadrim", "stage010.txt", "\n", "\n[ミュージック再生]：ミュ番=3\n") + "'",
       1, "a music command"},
      {"a line more in the title's stage", "skelvane '" + copied("skelvane", "stage002.txt", "\n", "\n[ウェイト]：Fu=5\n") + "'",
       1, "lines: 4, not 3"},
      {"a file named for no stage", "marbrook '" + content + "/vadrim/stage_commands.tsv'", 2, "give --stage"},
      {"another game", "bogus '" + content + "/skelvane/stage010.txt'", 2, "no game bogus"},
      {"a folder", "marbrook '" + content + "' --stage 7", 2, "not a regular file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string command = std::string("'") + THORNQUILL_CHECK_STAGE + "' " + c.args + " >'" + path("out") + "' 2>'" +
                                path("err") + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    const std::string out = tq::testing::ReadFileBytes(path(c.status == 2 ? "err" : "out"));
    EXPECT_EQ(WEXITSTATUS(raw), c.status) << out;
    if (c.output.empty()) EXPECT_EQ(out, "");
    else EXPECT_NE(out.find(c.output), std::string::npos) << out;
  }
}

}  // namespace
