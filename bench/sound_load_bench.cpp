// Sound loads in the window's sound library with no sound device, as the games make
// them: an effect loaded again before each play (Again), and a file's first load in
// a library that has read nothing yet (First). Each is a WAV effect and an MP3
// piece of music from the build folder's stand-ins. A load's time is time the frame
// that makes it stands still.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/sdl/mixer_sound_library.h"

namespace {

namespace fs = std::filesystem;

// The first stand-in of the folder with the extension, or "" where there is none.
std::string StandIn(const std::string& folder, const std::string& extension) {
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(THORNQUILL_STAND_INS) / folder, ec)) {
    std::string ext = entry.path().extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (entry.is_regular_file() && ext == extension) return entry.path().string();
  }
  return "";
}

const std::string& SoundFile(int kind) {
  static const std::string wav = StandIn("Sound_Data/Sound", ".wav");
  static const std::string mp3 = StandIn("Sound_Data/Music", ".mp3");
  return kind == 0 ? wav : mp3;
}

// A silent library: the environment names no audio driver there is.
std::unique_ptr<tq::MixerSoundLibrary> SilentLibrary() {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  auto library = std::make_unique<tq::MixerSoundLibrary>([] { return uint32_t{0}; });
  library->STInit(0, 0);
  return library;
}

int Load(tq::MixerSoundLibrary& library, int kind) {
  const std::string& path = SoundFile(kind);
  return kind == 0 ? library.STReadFile(1, path, 0) : library.STReadMP3File(100, path, 0);
}

void BM_SilentSoundLoadAgain(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  if (SoundFile(kind).empty()) {
    state.SkipWithError("no stand-in sound in the build folder");
    return;
  }
  auto library = SilentLibrary();
  Load(*library, kind);
  for (auto _ : state) benchmark::DoNotOptimize(Load(*library, kind));
  state.SetLabel(kind == 0 ? "wav" : "mp3");
}
BENCHMARK(BM_SilentSoundLoadAgain)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SilentSoundLoadFirst(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  if (SoundFile(kind).empty()) {
    state.SkipWithError("no stand-in sound in the build folder");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto library = SilentLibrary();
    state.ResumeTiming();
    benchmark::DoNotOptimize(Load(*library, kind));
    state.PauseTiming();
    library.reset();
    state.ResumeTiming();
  }
  state.SetLabel(kind == 0 ? "wav" : "mp3");
}
BENCHMARK(BM_SilentSoundLoadFirst)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
