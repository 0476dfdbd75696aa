#include "support/soak.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "app/headless_session.h"
#include "app/screen_entry.h"
#include "assets/asset_table.h"
#include "assets/make_assets.h"
#include "engine/frame_model.h"
#include "engine/modes.h"
#include "platform/compositor.h"
#include "platform/pictures.h"
#include "skelvane/conversation_hooks.h"
#include "support/save_files.h"

namespace tq::testing {

namespace {

constexpr uint32_t kSampleMs = 25;          // how often the hang watch looks
constexpr uint32_t kSaveCheckMs = 60000;    // how often the save files are read back
constexpr uint32_t kShutdownBoundMs = 10000;  // Escape to the end of the program
// A session started at an entry that has been elsewhere this long is ended, so that
// the next one starts at the entry again: random input soon leaves a mini-game for
// the story or the title, and the hour should go to the screen under test.
constexpr uint32_t kAwayBoundMs = 30000;
// Wall time in which the virtual clock must move: a loop that never sleeps
// (a frame loop that spins outside the frame model) stops the clock altogether.
constexpr auto kStallBound = std::chrono::seconds(90);


const int kAdvanceKeys[] = {kKeyEnter, kKeySpace, kKeyRight, kKeySeparator, kKeyImeProcess};
const int kOtherKeys[] = {kKeyBack, kKeyTab, kKeyShift, kKeyControl, kKeyAlt, kKeyPageUp, kKeyPageDown,
                          kKeyEnd, kKeyHome, kKeyLeft, kKeyUp, kKeyDown, kKeyInsert, kKeyDelete,
                          kKeyMultiply, kKeyAdd, kKeySubtract, kKeyDecimal, kKeyDivide, kKeyF1,
                          kKeyF1 + 4, kKeyA, kKeyA + 12, kKeyA + 16, kKeyA + 25, 0, 255};

std::string Where() {
  std::ostringstream out;
  out << "loop code " << FrameClock.AnimationCode << " (running " << FrameClock.FrameLoopRunning << ", wait kind "
      << AnimationRun.WaitKind << ", timer " << FrameClock.TimerArmed << "), SceneCursor " << SceneCursor.SceneCode
      << '/' << SceneCursor.SceneState << '/' << SceneCursor.SceneStep << " stage " << SceneCursor.StageNumber;
  return out.str();
}

// Input is refused while a wait runs that no click may interrupt.
bool AcceptsInput() { return !(FrameClock.WaitActive == -1 && AnimationRun.WaitKind <= 0); }

// Ends the process when the virtual clock stops moving for kStallBound of wall time,
// naming where the engine last was (the engine thread cannot be asked while it spins).
class StallWatch {
 public:
  StallWatch() : thread_([this] { Watch(); }) {}
  ~StallWatch() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  void Beat(uint32_t now) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (now != lastVirtual_) {
      lastVirtual_ = now;
      lastMoved_ = std::chrono::steady_clock::now();
      where_ = Where();
    }
  }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!done_) {
      wake_.wait_for(lock, std::chrono::seconds(1));
      if (!done_ && std::chrono::steady_clock::now() - lastMoved_ > kStallBound) {
        std::fprintf(stderr, "soak: the virtual clock stopped at %u ms for %lld s; last seen at %s\n", lastVirtual_,
                     static_cast<long long>(kStallBound.count()), where_.c_str());
        std::fflush(stderr);
        std::_Exit(3);
      }
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  uint32_t lastVirtual_ = 0;
  std::chrono::steady_clock::time_point lastMoved_ = std::chrono::steady_clock::now();
  std::string where_ = "start-up";
  std::thread thread_;
};

class SoakSession {
 public:
  SoakSession(HeadlessPlatform& platform, std::mt19937& random, SoakFigures& figures, const std::string& root,
              uint32_t length, StallWatch& watch, const SoakEntry* entry)
      : platform_(platform),
        random_(random),
        figures_(figures),
        root_(root),
        length_(length),
        watch_(watch),
        entry_(entry) {}

  // Observers run just before the clock passes their time, so each is handed the
  // time it was set for: the clock itself may still stand earlier.
  void Arm() {
    ActAt(Gap());
    SampleAt(kSampleMs);
    ScriptedInput escape;
    escape.at = length_;
    escape.kind = ScriptedInput::Key;
    escape.key = kKeyEscape;
    platform_.AddInput(escape);
  }
  bool Hung() const { return hung_; }

  void CheckSaves() {
    ++figures_.saveChecks;
    for (const std::string& fault : SaveFileFaults(root_)) {
      figures_.failures.push_back("save file not whole: " + fault);
    }
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

  // Mostly quick, like a player clicking through; now and then a pause long
  // enough for timed screens and automatic reading to run on.
  uint32_t Gap() {
    int kind = Pick(10);
    if (kind < 4) return static_cast<uint32_t>(Between(5, 120));
    if (kind < 8) return static_cast<uint32_t>(Between(120, 900));
    return static_cast<uint32_t>(Between(900, 6000));
  }

  // A random point of a visible layer (within the window), or of the window.
  void PickPoint(bool onLayer, int& x, int& y) {
    x = Between(0, kWindowWidth - 1);
    y = Between(0, kWindowHeight - 1);
    if (!onLayer) return;
    Compositor& screen = platform_.Screen();
    std::vector<int> shown;
    for (int i = 1; i < kLayerCount; ++i) {
      const LayerSurface& layer = screen.Layer(i);
      if (layer.visible && layer.image.Width() > 0 && layer.image.Height() > 0 && layer.x < kWindowWidth &&
          layer.y < kWindowHeight && layer.x + layer.image.Width() > 0 && layer.y + layer.image.Height() > 0) {
        shown.push_back(i);
      }
    }
    if (shown.empty()) return;
    const LayerSurface& layer = screen.Layer(shown[static_cast<size_t>(Pick(static_cast<int>(shown.size())))]);
    x = Between(std::max(layer.x, 0), std::min(layer.x + layer.image.Width(), kWindowWidth) - 1);
    y = Between(std::max(layer.y, 0), std::min(layer.y + layer.image.Height(), kWindowHeight) - 1);
    ++figures_.layerClicks;
  }

  void ActAt(uint32_t at) {
    if (at < length_) platform_.At(at, [this, at] { Act(at); });
  }
  void SampleAt(uint32_t at) {
    platform_.At(at, [this, at] { Sample(at); });
  }

  void Act(uint32_t now) {
    ScriptedInput input;
    input.at = now;
    int roll = Pick(100);
    if (roll < 45) {
      input.kind = ScriptedInput::Click;
      input.button = roll < 38 ? kButtonLeft : (roll < 44 ? kButtonRight : kButtonMiddle);
      PickPoint(roll < 28, input.x, input.y);
      ++figures_.clicks;
    } else if (roll < 65) {
      input.kind = ScriptedInput::Move;
      int before = figures_.layerClicks;
      PickPoint(roll < 57, input.x, input.y);
      figures_.layerClicks = before;
      ++figures_.moves;
    } else {
      input.kind = ScriptedInput::Key;
      if (roll < 83) {
        input.key = kAdvanceKeys[Pick(std::size(kAdvanceKeys))];
      } else if (roll < 91) {
        input.key = Pick(2) == 0 ? kKey0 + Pick(10) : kKeyPad0 + Pick(10);
      } else if (roll < 95) {
        input.key = Pick(2) == 0 ? 'S' : 'G';
      } else {
        input.key = kOtherKeys[Pick(std::size(kOtherKeys))];
      }
      ++figures_.keys;
    }
    ++figures_.inputs;
    platform_.AddInput(input);
    ActAt(now + Gap());
  }

  void WatchEntry(uint32_t now) {
    if (SceneCursor.SceneCode == entry_->sceneCode) {
      figures_.entryScreenMs += kSampleMs;
      awaySince_ = now;
    } else if (now - awaySince_ > kAwayBoundMs && !leaving_ && now + kShutdownBoundMs < length_) {
      leaving_ = true;
      ScriptedInput escape;
      escape.at = now;
      escape.kind = ScriptedInput::Key;
      escape.key = kKeyEscape;
      platform_.AddInput(escape);
    }
  }

  void Sample(uint32_t now) {
    watch_.Beat(now);
    if (entry_ != nullptr) WatchEntry(now);
    if (AcceptsInput()) {
      deafSince_ = now;
    } else {
      if (now - deafSince_ > figures_.longestDeafMs) {
        figures_.longestDeafMs = now - deafSince_;
        figures_.longestDeafWhere = Where();
      }
      if (now - deafSince_ > kHangBoundMs) {
        hung_ = true;
        ++figures_.hangs;
        figures_.failures.push_back("at " + std::to_string(now) + " ms, input refused for more than " +
                                    std::to_string(kHangBoundMs) + " ms: " + Where());
        platform_.SetUntil(now);  // the run stops at the next step of the clock
        return;
      }
    }
    if (now >= nextSaveCheck_) {
      CheckSaves();
      nextSaveCheck_ = now + kSaveCheckMs;
    }
    SampleAt(now + kSampleMs);
  }

  HeadlessPlatform& platform_;
  std::mt19937& random_;
  SoakFigures& figures_;
  const std::string& root_;
  uint32_t length_;
  StallWatch& watch_;
  const SoakEntry* entry_;
  uint32_t awaySince_ = 0;
  bool leaving_ = false;
  uint32_t deafSince_ = 0;
  uint32_t nextSaveCheck_ = kSaveCheckMs;
  bool hung_ = false;
};

std::string NewFolder() {
  namespace fs = std::filesystem;
  std::random_device rd;
  fs::path p = fs::temp_directory_path() / ("thornquill-soak-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(p);
  return p.string();
}

}  // namespace

// The build folder's stand-ins (every build writes them there). The games keep their
// saves at the top of their data folders, so those are made afresh with links to
// the files there, and the folders below them, pictures and sounds only, are linked
// whole: a run places a few links, not thousands of files. make-assets draws what
// is missing, so a folder without them only makes this slower.
void PlaceStandIns(const std::string& root) {
  namespace fs = std::filesystem;
  static const std::set<std::string> tops = [] {
    std::set<std::string> names;
    for (const assets::AssetFile& f : assets::ExpandAssets()) names.insert(f.path.substr(0, f.path.find('/')));
    return names;
  }();
  const fs::path build(THORNQUILL_STAND_INS);
  std::error_code ec;
  for (const std::string& top : tops) {
    fs::create_directories(fs::path(root) / top, ec);
    for (const fs::directory_entry& e : fs::directory_iterator(build / top, ec)) {
      const fs::path to = fs::path(root) / top / e.path().filename();
      if (e.is_directory(ec)) {
        fs::create_directory_symlink(e.path(), to, ec);
      } else if (e.is_regular_file(ec) && e.path().extension() != ".sav" && e.path().extension() != ".tmp") {
        fs::create_hard_link(e.path(), to, ec);
        if (ec) fs::copy_file(e.path(), to, ec);
      }
    }
  }
  assets::GenerateAssets(root);
}

SoakFigures RunSoak(const SoakOptions& options) {
  SoakFigures figures;
  const bool ownsRoot = options.root.empty();
  const std::string root = ownsRoot ? NewFolder() : options.root;
  // Each entry its own stream: the same one would make every screen's input alike.
  const std::string stream = options.mode + (options.entry != nullptr ? options.entry->name : "");
  std::seed_seq seq{options.seed, static_cast<uint32_t>(std::hash<std::string>{}(stream))};
  std::mt19937 random(seq);
  StallWatch watch;
  if (options.standIns) PlaceStandIns(root);
  const PictureLoadCounts before = PictureLoads();

  uint32_t left = options.virtualMs;
  while (left > 0 && figures.failures.empty()) {
    ++figures.sessions;
    SessionOptions session;
    session.mode = options.mode;
    session.root = root;
    session.until = left + kShutdownBoundMs;
    session.seed = options.seed + static_cast<uint32_t>(figures.sessions);
    HeadlessSession run(session);
    // After the session: setting it up puts every module back to its start values.
    if (!options.stageScript.empty()) SetStageScriptOverride(options.stageScript);
    if (options.entry != nullptr) {
      // As the runner's --enter and --board enter it.
      run.Platform().At(kScreenEntryAt, [entry = *options.entry] {
        EnterScreen(entry.sceneCode, entry.sceneState, entry.sceneStep);
        if (entry.board >= 0 && GameMode == kModeVadrim) SetVadrimBoard(entry.board);
      });
    }
    SoakSession soak(run.Platform(), random, figures, root, left, watch, options.entry);
    soak.Arm();
    SessionResult result = run.Run();
    const uint32_t ran = std::min(result.endedAt, left);
    figures.virtualMs += ran;
    left -= ran;
    if (soak.Hung()) break;
    if (!result.ended) {
      figures.failures.push_back("the program did not end within " + std::to_string(kShutdownBoundMs) +
                                 " ms of Escape: " + Where());
    } else if (result.status != 0) {
      figures.failures.push_back("the program ended with status " + std::to_string(result.status) + " at " +
                                 std::to_string(result.endedAt) + " ms");
    }
    soak.CheckSaves();
    // A program that ended by itself (a quit button) starts again on the same folder.
    if (ran == 0) break;
  }
  const PictureLoadCounts after = PictureLoads();
  figures.picturesLoaded = static_cast<int>(after.loaded - before.loaded);
  figures.picturesMissing = static_cast<int>(after.missing - before.missing);
  if (options.standIns && options.expectPictures && figures.picturesLoaded == 0) {
    figures.failures.push_back("no picture loaded: the run never reached the decoders");
  }
  if (options.standIns && figures.picturesMissing > 0) {
    figures.failures.push_back(std::to_string(figures.picturesMissing) +
                               " loads of pictures that have no stand-in (named on standard error)");
  }
  if (ownsRoot) {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }
  return figures;
}

std::string SoakSummary(const SoakOptions& options, const SoakFigures& f) {
  std::ostringstream out;
  out << "soak " << options.mode << (options.entry != nullptr ? std::string(" from ") + options.entry->name : "")
      << (options.stageScript.empty() ? "" : " with a stage script") << (options.standIns ? "" : " without stand-ins")
      << " seed " << options.seed << ": " << f.virtualMs << " virtual ms, " << f.sessions
      << " session(s), " << f.inputs << " inputs (" << f.clicks << " clicks, " << f.layerClicks << " on layers, "
      << f.moves << " moves, " << f.keys << " keys), " << f.picturesLoaded << " pictures loaded, " << f.saveChecks << " save checks, longest wait refusing input "
      << f.longestDeafMs << " ms" << (f.longestDeafWhere.empty() ? "" : " (" + f.longestDeafWhere + ")") << ", ";
  if (options.entry != nullptr) out << f.entryScreenMs * 100 / std::max<uint32_t>(f.virtualMs, 1) << "% on the entry's screen, ";
  out << f.hangs << " hangs, " << f.failures.size() << " failures";
  return out.str();
}

}  // namespace tq::testing
