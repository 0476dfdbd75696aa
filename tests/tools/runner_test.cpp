// The headless runner's file handling and its input limits, through the program itself.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/content_texts.h"
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

  // The dump's line that starts with `word` and a blank, or "" when there is none.
  std::string DumpLine(const std::string& name, const std::string& word) const {
    std::istringstream in(Read(name));
    for (std::string line; std::getline(in, line);) {
      if (line.rfind(word + " ", 0) == 0) return line;
    }
    return "";
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

// The files the runner is given are read as the game reads its own: a FIFO is not
// waited on and a folder is not an empty file; the message names the file and why.
TEST_F(RunnerTest, AFileThatIsNoRegularFileIsNamedAndRefused) {
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  fs::create_directories(dir_ / "folder");
  const struct {
    const char* file;
    const char* why;
  } files[] = {{"fifo", "not a regular file"}, {"folder", "not a regular file"}, {"missing", "no such file"}};
  for (const char* option : {"--input", "--script", "--convert"}) {
    for (const auto& f : files) {
      SCOPED_TRACE(std::string(option) + " " + f.file);
      // A run that waits on the FIFO is stopped, and fails here, rather than hanging.
      const std::string command = std::string("timeout -s KILL 60 '") + THORNQUILL_RUNNER + "' --mode 'Skelvane２' " +
                                  option + " '" + Path(f.file) + "' --until 100 2>'" + Path("err") + "' >/dev/null";
      const int raw = std::system(command.c_str());
      EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 2) << raw;
      EXPECT_NE(Read("err").find("cannot read " + Path(f.file) + ": " + f.why + "\n"), std::string::npos)
          << Read("err");
    }
  }
}

// A missing or malformed value and an unknown option end the run before it starts,
// naming the fault above the usage; --help prints the usage and stops reading.
TEST_F(RunnerTest, OptionFaultsAreNamedBeforeAnythingRuns) {
  const struct {
    const char* args;
    int status;
    const char* message;  // the first line of standard error; "" for none
  } cases[] = {
      {"--mode", 2, "--mode needs a word"},
      {"--until 12x", 2, "--until needs milliseconds"},
      {"--until 4294967296", 2, "--until needs milliseconds"},
      {"--shot 500", 2, "--shot needs MS:FILE"},
      {"--dump 500:", 2, "--dump needs MS:FILE"},
      {"--seed -1", 2, "--seed needs a whole number"},
      {"--stage 1000", 2, "--stage needs a stage number"},
      {"--enter 51,1", 2, "--enter needs CODE,STATE,STEP"},
      {"--enter 51,1,0x", 2, "--enter needs CODE,STATE,STEP"},
      {"--board 100", 2, "--board needs a board number"},
      {"--stage 5 --bogus", 2, "unknown option --bogus"},
      {"--stage 5 --help --bogus", 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const std::string command = std::string("'") + THORNQUILL_RUNNER + "' " + c.args + " >'" + Path("out") + "' 2>'" +
                                Path("err") + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), c.status);
    const std::string err = Read("err");
    EXPECT_EQ(err.substr(0, err.find('\n')), *c.message ? std::string("thornquill-headless: ") + c.message : "");
    EXPECT_EQ(Read(c.status == 0 ? "out" : "err").find("usage: thornquill-headless"), c.status == 0 ? 0u : err.find('\n') + 1);
  }
}

// --stage and --enter together enter the screen --enter names with the stage --stage
// gives, once start-up is done and before the first tick.
TEST_F(RunnerTest, EnterTakesTheStageThatStageGives) {
  ASSERT_EQ(Run("--mode Marbrook --stage 7 --enter 45,200,1 --until 3 --dump 2:'" + Path("d") + "'"), 0);
  EXPECT_EQ(DumpLine("d", "scene"), "scene 45 200 1 7");
  ASSERT_EQ(Run("--mode Marbrook --stage 7 --until 3 --dump 2:'" + Path("s") + "'"), 0);
  EXPECT_EQ(DumpLine("s", "scene"), "scene 10 0 10 7");
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

// --stage starts the Vadrim conversation on that stage, and the dump's last line
// tells how many lines the stage pushed and which one runs: two dumps before and
// after the clicks that read it on.
TEST_F(RunnerTest, VadrimStageStartsItsConversationAndTheDumpShowsTheScript) {
  Write("script.txt",
        "[ウェイト]：Fu=1\n[フキA]：フ種=(60,0,-1)：一行目\n[フキA]：フ種=(60,0,-1)：二行目\n"
        "[フキA]：フ種=(60,0,-1)：三行目\n[別のゲームへ]\n");
  Write("input.txt", "3000 click 460 345\n4500 click 460 345\n");
  ASSERT_EQ(Run("--mode 'Vadrimの' --stage 21 --script '" + Path("script.txt") + "' --input '" + Path("input.txt") +
                "' --until 6000 --dump 2500:'" + Path("d1") + "' --dump 5500:'" + Path("d2") + "'"),
            0);
  EXPECT_EQ(DumpLine("d1", "scene"), "scene 10 10 0 21");
  EXPECT_EQ(DumpLine("d1", "script"), "script 5 2");
  EXPECT_EQ(DumpLine("d2", "script"), "script 5 4");
  // The dump keeps its layer and scene lines first; the script line comes last.
  const std::string dump = Read("d1");
  EXPECT_EQ(dump.rfind("layer 0 ", 0), 0u);
  EXPECT_EQ(dump.substr(dump.rfind('\n', dump.size() - 2) + 1), "script 5 2\n");
}

// Every mode's dump has the script line: the Marbrook mode's stage 2 from its
// embedded file, a Vadrim stage without a script (back to the title, the store
// empty), and the start-up's own title.
TEST_F(RunnerTest, EveryModesDumpShowsTheScriptStore) {
  const int marbrookLines = static_cast<int>(ContentLines("marbrook", "stage002").size());
  ASSERT_GT(marbrookLines, 0);
  ASSERT_EQ(Run("--mode Marbrook --stage 2 --until 1000 --dump 900:'" + Path("m") + "'"), 0);
  EXPECT_EQ(DumpLine("m", "scene").substr(0, 9), "scene 10 ");
  EXPECT_EQ(DumpLine("m", "script").rfind("script " + std::to_string(marbrookLines) + " ", 0), 0u) << DumpLine("m", "script");
  ASSERT_EQ(Run("--mode 'Vadrimの' --stage 2 --until 1000 --dump 900:'" + Path("v") + "'"), 0);
  EXPECT_EQ(DumpLine("v", "scene").substr(0, 9), "scene 99 ");
  EXPECT_EQ(DumpLine("v", "script"), "script 0 0");
  ASSERT_EQ(Run("--until 600 --dump 500:'" + Path("t") + "'"), 0);
  EXPECT_EQ(DumpLine("t", "script"), "script 0 0");
}

// The screenshot runs in tools/shots/ stay runnable: each file's command, run over an
// empty program folder, ends well and writes every shot it names.
TEST_F(RunnerTest, TheScreenshotRunsInToolsRunAsTheirFilesSay) {
  int files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(THORNQUILL_SOURCE) / "tools/shots")) {
    if (entry.path().extension() != ".input") continue;
    ++files;
    SCOPED_TRACE(entry.path().filename().string());
    // The command: the comment lines from "build/thornquill-headless" to the first
    // that does not end in a backslash.
    std::ifstream in(entry.path());
    std::string command;
    for (std::string line; std::getline(in, line) && line.rfind("#", 0) == 0;) {
      const std::string part = line.substr(line.find_first_not_of("# "));
      if (command.empty() && part.rfind("build/thornquill-headless ", 0) != 0) continue;
      command += part.back() == '\\' ? part.substr(0, part.size() - 1) : part + " ";
      if (part.back() != '\\') break;
    }
    ASSERT_FALSE(command.empty());
    std::istringstream words(command);
    std::string run = std::string("'") + THORNQUILL_RUNNER + "'";
    std::vector<std::string> shots;
    for (std::string word; words >> word;) {
      if (word == "build/thornquill-headless") continue;
      if (word.rfind("tools/", 0) == 0) word = std::string(THORNQUILL_SOURCE) + "/" + word;
      const size_t at = word.find(":shots/");
      if (at != std::string::npos) {
        word = word.substr(0, at + 1) + Path(word.substr(at + 7));
        shots.push_back(word.substr(at + 1));
      }
      run += " '" + (word == "shots" ? dir_.string() : word) + "'";
    }
    ASSERT_FALSE(shots.empty());
    EXPECT_EQ(std::system((run + " 2>/dev/null").c_str()), 0) << run;
    for (const std::string& shot : shots) EXPECT_TRUE(fs::is_regular_file(shot)) << shot;
  }
  EXPECT_EQ(files, 8);
}

}  // namespace
