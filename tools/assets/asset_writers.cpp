#include "assets/asset_writers.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace assets {
namespace {

constexpr int kRedSteps = 6;
constexpr int kGreenSteps = 7;
constexpr int kBlueSteps = 6;
constexpr int kCubeSize = kRedSteps * kGreenSteps * kBlueSteps;  // 252
constexpr int kGreys[] = {0x22, 0x55, 0x99, 0xDD};

int Level(int value, int steps) { return (value * (steps - 1) + 127) / 255; }
int Channel(int level, int steps) { return level * 255 / (steps - 1); }

uint8_t PaletteIndex(uint32_t px) {
  const int r = (px >> 16) & 0xFF;
  const int g = (px >> 8) & 0xFF;
  const int b = px & 0xFF;
  const int ri = Level(r, kRedSteps);
  const int gi = Level(g, kGreenSteps);
  const int bi = Level(b, kBlueSteps);
  int best = (ri * kGreenSteps + gi) * kBlueSteps + bi;
  // Near-greys go to the extra grey entries when those are closer than the cube.
  if (std::abs(r - g) < 12 && std::abs(g - b) < 12) {
    const int cube = std::abs(r - Channel(ri, kRedSteps)) + std::abs(g - Channel(gi, kGreenSteps)) +
                     std::abs(b - Channel(bi, kBlueSteps));
    for (int i = 0; i < 4; ++i) {
      const int d = std::abs(r - kGreys[i]) + std::abs(g - kGreys[i]) + std::abs(b - kGreys[i]);
      if (d < cube) best = kCubeSize + i;
    }
  }
  return static_cast<uint8_t>(best);
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Set32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 0xFF;
}

// One row in RLE8: runs of up to 255 equal indices, then end of line.
void EncodeRow(const std::vector<uint8_t>& row, std::vector<uint8_t>& out) {
  size_t i = 0;
  while (i < row.size()) {
    size_t run = 1;
    while (i + run < row.size() && run < 255 && row[i + run] == row[i]) ++run;
    out.push_back(static_cast<uint8_t>(run));
    out.push_back(row[i]);
    i += run;
  }
  out.push_back(0);
  out.push_back(0);
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const tq::Surface& image) {
  const int w = image.Width();
  const int h = image.Height();
  constexpr uint32_t kHeaderSize = 14 + 40 + 256 * 4;
  std::vector<uint8_t> out;
  out.reserve(kHeaderSize + static_cast<size_t>(w) * h / 8);
  out.push_back('B');
  out.push_back('M');
  Put32(out, 0);  // file size, set below
  Put32(out, 0);
  Put32(out, kHeaderSize);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(w));
  Put32(out, static_cast<uint32_t>(h));  // bottom-up rows
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 1);  // BI_RLE8
  Put32(out, 0);  // image size, set below
  Put32(out, 3780);
  Put32(out, 3780);
  Put32(out, 256);
  Put32(out, 0);
  for (int i = 0; i < 256; ++i) {
    int r, g, b;
    if (i < kCubeSize) {
      r = Channel(i / (kGreenSteps * kBlueSteps), kRedSteps);
      g = Channel((i / kBlueSteps) % kGreenSteps, kGreenSteps);
      b = Channel(i % kBlueSteps, kBlueSteps);
    } else {
      r = g = b = kGreys[i - kCubeSize];
    }
    out.push_back(static_cast<uint8_t>(b));
    out.push_back(static_cast<uint8_t>(g));
    out.push_back(static_cast<uint8_t>(r));
    out.push_back(0);
  }
  std::vector<uint8_t> row(static_cast<size_t>(w));
  for (int y = h - 1; y >= 0; --y) {
    const uint32_t* src = image.Row(y);
    for (int x = 0; x < w; ++x) row[static_cast<size_t>(x)] = PaletteIndex(src[x]);
    EncodeRow(row, out);
  }
  out.back() = 1;  // the last end-of-line becomes end of bitmap
  Set32(out, 2, static_cast<uint32_t>(out.size()));
  Set32(out, 34, static_cast<uint32_t>(out.size() - kHeaderSize));
  return out;
}

std::vector<uint8_t> EncodeWav(const std::vector<float>& samples) {
  std::vector<uint8_t> out;
  const uint32_t dataSize = static_cast<uint32_t>(samples.size());
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  Put32(out, 36 + dataSize + (dataSize & 1));
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, kSampleRate);
  Put32(out, kSampleRate);
  Put16(out, 1);
  Put16(out, 8);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  Put32(out, dataSize);
  for (float s : samples) {
    const float clamped = std::clamp(s, -1.0f, 1.0f);
    out.push_back(static_cast<uint8_t>(std::lround(128.0f + clamped * 127.0f)));
  }
  if (dataSize & 1) out.push_back(128);
  return out;
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, int* error) {
  // A temporary name of this process's own: two runs writing the same file at once
  // (parallel tests, two builds) must never rename each other's half-written part.
  const std::string temp = path + ".part" + std::to_string(::getpid());
  int unused = 0;
  int& failure = error != nullptr ? *error : unused;
  FILE* file = std::fopen(temp.c_str(), "wb");
  if (file == nullptr) {
    failure = errno;
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  if (!ok) failure = errno;
  if (std::fclose(file) != 0 && ok) {
    failure = errno;
    ok = false;
  }
  if (!ok) {
    std::remove(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    failure = errno;
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace assets
