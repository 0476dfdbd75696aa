// The test program's main. Every test runs under a time limit: a test that hangs
// fails by its own name instead of stopping the whole run at the test runner's limit.
//
// A test's limit is about twenty times its time under the sanitizers on a two-core
// machine, so that a slow or loaded machine stays well inside it: the default covers
// every test measured below 3 s, the table the few that take longer.
// THORNQUILL_TEST_TIME_SCALE multiplies every limit (0 turns them off, as the long
// soaks of tools/soak want).
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace {

constexpr int kDefaultLimitSeconds = 60;

struct LongTest {
  std::string_view prefix;  // a test's full name, or the start of a group of names
  int seconds;
};
constexpr LongTest kLongTests[] = {
    {"ExtrasArea_.RandomInputNeitherCrashesNorHangs", 300},
    {"MarbrookNewStory.", 150},
    {"MemoryPairsTest.RandomInputNeverLeavesTheGameDeaf", 150},
    {"RockPaperScissors.EachOpponentWonToTheEndHandsBackWithItsStage", 120},
    {"FromStageTwenty/", 150},
    {"Vadrim/VadrimStoryRun.", 300},
    {"MakeAssetsTest.EveryNamedFileIsThereAndLoads", 150},
    {"EveryMode/SoakTest.", 120},
};

int LimitSeconds(const std::string& name) {
  for (const LongTest& t : kLongTests) {
    if (name.compare(0, t.prefix.size(), t.prefix) == 0) return t.seconds;
  }
  return kDefaultLimitSeconds;
}

double Scale() {
  const char* text = std::getenv("THORNQUILL_TEST_TIME_SCALE");
  if (text == nullptr || *text == '\0') return 1.0;
  char* end = nullptr;
  const double scale = std::strtod(text, &end);
  return (end != text && scale >= 0) ? scale : 1.0;
}

// Ends the program with the running test's name when that test outlives its limit.
class Watchdog : public ::testing::EmptyTestEventListener {
 public:
  explicit Watchdog(double scale) : scale_(scale), thread_([this] { Watch(); }) {}
  ~Watchdog() override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }

  void OnTestStart(const ::testing::TestInfo& info) override {
    std::lock_guard<std::mutex> lock(mutex_);
    name_ = std::string(info.test_suite_name()) + "." + info.name();
    seconds_ = LimitSeconds(name_) * scale_;
    armed_ = seconds_ > 0;
    deadline_ = std::chrono::steady_clock::now() +
                std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds_));
    changed_.notify_all();
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    std::lock_guard<std::mutex> lock(mutex_);
    armed_ = false;
    changed_.notify_all();
  }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
      if (!armed_) {
        changed_.wait(lock);
        continue;
      }
      const auto deadline = deadline_;
      if (changed_.wait_until(lock, deadline) == std::cv_status::timeout && armed_ && deadline_ == deadline) {
        std::fprintf(stderr, "\n[  TIMEOUT ] %s ran past its limit of %.0f s\n", name_.c_str(), seconds_);
        std::fflush(stderr);
        std::_Exit(1);
      }
    }
  }

  const double scale_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool stopping_ = false, armed_ = false;
  std::string name_;
  double seconds_ = 0;
  std::chrono::steady_clock::time_point deadline_;
  std::thread thread_;  // last: it starts once the fields above stand
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const double scale = Scale();
  if (scale > 0) ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog(scale));
  return RUN_ALL_TESTS();
}
