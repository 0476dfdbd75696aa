#include "engine/string_utils.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <string_view>

#include "platform/text_encoding.h"

namespace {

std::mt19937 gGenerator;
bool gSeeded = false;

std::mt19937& Generator() {
  if (!gSeeded) {
    auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    gGenerator.seed(static_cast<uint32_t>(ticks ^ (ticks >> 32)));
    gSeeded = true;
  }
  return gGenerator;
}

// Byte length of the code point that starts at pos (1 for a malformed byte).
size_t CodePointBytes(const std::string& s, size_t pos) {
  size_t next = pos;
  tq::NextCodePoint(s, next);
  return next - pos;
}

// Byte offset just after the first n code points (size() when s is shorter).
size_t OffsetAfter(const std::string& s, int n) {
  return tq::CodePointOffset(s, n);
}

}  // namespace

void SeedRandom(uint32_t seed) {
  gGenerator.seed(seed);
  gSeeded = true;
}

int RandomRange(int lo, int hi) {
  // A broken range has no right answer; lo is at least a value the caller named.
  if (lo > hi) return lo;
  // Single precision from the top 24 bits, so r stays strictly below 1.
  float r = static_cast<float>(Generator()() >> 8) * (1.0f / 16777216.0f);
  double span = static_cast<double>(hi) - static_cast<double>(lo) + 1.0;
  double v = std::floor(static_cast<double>(r) * span + static_cast<double>(lo));
  if (v < lo) return lo;
  if (v > hi) return hi;
  return static_cast<int>(v);
}

int Toggle01(int x) {
  long long v = static_cast<long long>(x) - 1;
  if (v < 0) v = -v;
  return v > INT32_MAX ? INT32_MAX : static_cast<int>(v);
}

// With an empty delimiter a count below 1 is taken as 1 (0 is documented as 1; a
// negative count has no meaning), and a count past the end gives the empty text.
std::string TextAfter(const std::string& s, int n, const std::string& delim) {
  if (s.empty()) return {};
  if (!delim.empty()) {
    size_t at = s.find(delim);
    if (at == std::string::npos) return s;
    // Only the delimiter's first character is skipped.
    return s.substr(at + CodePointBytes(s, at));
  }
  if (n < 1) n = 1;
  return s.substr(OffsetAfter(s, n));
}

// A missing delimiter gives the whole text: nothing stands after a cut that is not
// there, and for a key field this is the "whole field is the key" reading. With an
// empty delimiter a count below 1 is taken as 1, and dropping more characters than
// the text holds gives the empty text.
std::string TextBefore(const std::string& s, int n, const std::string& delim) {
  if (s.empty()) return {};
  if (!delim.empty()) {
    size_t at = s.find(delim);
    if (at == std::string::npos) return s;
    return s.substr(0, at);
  }
  if (n < 1) n = 1;
  int keep = tq::CodePointCount(s) - n;
  if (keep <= 0) return {};
  return s.substr(0, OffsetAfter(s, keep));
}

void SplitFields(const std::string& text, const std::string& sep, int max,
                 std::vector<std::string>& out, int& count) {
  if (text.empty() || sep.empty()) {
    count = 0;
    return;
  }
  if (max < 0) max = 0;
  if (out.size() < static_cast<size_t>(max) + 1) out.resize(static_cast<size_t>(max) + 1);
  for (int i = 1; i <= max; ++i) out[i].clear();

  size_t sepLen = 0;
  const bool sepIsCharacter =
      tq::NextCodePoint(sep, sepLen) != 0xFFFD || sep.compare(0, sepLen, "\xEF\xBF\xBD") == 0;
  const std::string_view sepBytes(sep.data(), sepLen);
  count = 0;

  if (sepIsCharacter) {
    // A whole character can only match at a character boundary (a lead byte is never
    // a continuation byte, and a malformed byte decodes on its own), so a byte search
    // finds exactly the separators a character-by-character scan would.
    const std::string_view all(text);
    size_t pos = 0;
    while (pos < all.size()) {
      size_t at = all.find(sepBytes, pos);
      size_t end = at == std::string_view::npos ? all.size() : at;
      if (end > pos) {
        if (count == max) return;  // a field beyond the max-th would begin
        out[++count].assign(all.substr(pos, end - pos));
      }
      pos = end + sepLen;
    }
    return;
  }

  // A separator that is itself a malformed byte: compare character by character.
  size_t fieldStart = std::string::npos;
  size_t pos = 0;
  auto closeField = [&](size_t end) {
    out[count].assign(text, fieldStart, end - fieldStart);
    fieldStart = std::string::npos;
  };
  while (pos < text.size()) {
    size_t start = pos;
    tq::NextCodePoint(text, pos);
    bool isSep = std::string_view(text).substr(start, pos - start) == sepBytes;
    if (isSep) {
      if (fieldStart != std::string::npos) closeField(start);
    } else if (fieldStart == std::string::npos) {
      if (count == max) return;
      ++count;
      fieldStart = start;
    }
  }
  if (fieldStart != std::string::npos) closeField(text.size());
}

int CountOccurrences(const std::string& text, const std::string& needle) {
  if (needle.empty()) return 0;
  int n = 0;
  for (size_t at = text.find(needle); at != std::string::npos;
       at = text.find(needle, at + needle.size())) {
    ++n;
  }
  return n;
}

int ByteLength(const std::string& s) { return tq::Cp932ByteLength(s); }

void PadToByteWidth(std::string& s, int width, int align) {
  size_t first = s.find_first_not_of(' ');
  std::string t = first == std::string::npos
                      ? std::string()
                      : s.substr(first, s.find_last_not_of(' ') - first + 1);
  int len = ByteLength(t);
  if (width >= 1 && len < width) {
    int d = width - len;
    switch (align) {
      case 0: s = t + std::string(d, ' '); break;
      case 1: s = std::string(d, ' ') + t; break;
      case 2: s = std::string(d / 2, ' ') + t + std::string(d - d / 2, ' '); break;
      default: break;  // an unknown alignment leaves the text exactly as it was
    }
    return;
  }
  s = t;
}
