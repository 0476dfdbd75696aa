#include "platform/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace tq {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One iconv descriptor per direction and thread: opening one loads a conversion
// module, which is too slow to repeat for every measured string.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts in[pos..) until the end or the first character it cannot convert;
  // appends what it made to out and moves pos past the converted input.
  // True when the whole rest was converted.
  bool Run(const std::string& in, size_t& pos, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (pos < in.size()) {
      char buffer[1024];
      char* src = const_cast<char*>(in.data() + pos);
      size_t srcLeft = in.size() - pos;
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      int err = errno;
      pos = in.size() - srcLeft;
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (r != static_cast<size_t>(-1)) continue;
      if (err == E2BIG) continue;
      return false;  // EILSEQ or EINVAL (cut short): the caller skips one character
    }
    return true;
  }

 private:
  iconv_t cd_;
};

Converter& ToCp932() {
  thread_local Converter c("CP932", "UTF-8");
  return c;
}

Converter& FromCp932() {
  thread_local Converter c("UTF-8", "CP932");
  return c;
}

bool IsCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsCp932Trail(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Length of the CP932 character at pos as its bytes claim, for skipping one that
// does not convert: a lead byte without a proper trail byte is one bad byte.
size_t Cp932CharLength(const std::string& s, size_t pos) {
  if (IsCp932Lead(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() &&
      IsCp932Trail(static_cast<unsigned char>(s[pos + 1]))) {
    return 2;
  }
  return 1;
}

// CP932 bytes of one code point, or false when CP932 has no such character.
bool EncodeOne(char32_t cp, std::string& out) {
  Converter& c = ToCp932();
  if (!c.ok()) return false;
  std::string utf8;
  AppendUtf8(utf8, cp);
  size_t pos = 0;
  std::string bytes;
  if (!c.Run(utf8, pos, bytes)) return false;
  out += bytes;
  return true;
}

}  // namespace

std::string Utf8ToCp932(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  Converter& c = ToCp932();
  size_t pos = 0;
  while (pos < utf8.size()) {
    if (c.ok() && c.Run(utf8, pos, out)) break;
    // The character at pos has no CP932 form (or is not UTF-8): one '?' for it.
    // ASCII passes even when the converter could not be opened.
    char32_t cp = NextCodePoint(utf8, pos);
    out += cp < 0x80 ? static_cast<char>(cp) : '?';
  }
  return out;
}

std::string Cp932ToUtf8(const std::string& cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  Converter& c = FromCp932();
  size_t pos = 0;
  while (pos < cp932.size()) {
    if (c.ok() && c.Run(cp932, pos, out)) break;
    const unsigned char b = static_cast<unsigned char>(cp932[pos]);
    pos += Cp932CharLength(cp932, pos);
    out += b < 0x80 ? static_cast<char>(b) : '?';
  }
  return out;
}

int Cp932ByteLength(const std::string& utf8) {
  int total = 0;
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = NextCodePoint(utf8, pos);
    if (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F)) {
      total += 1;
      continue;
    }
    std::string bytes;
    total += EncodeOne(cp, bytes) ? static_cast<int>(bytes.size()) : 1;
  }
  return total;
}

int CodePointCount(const std::string& utf8) {
  int count = 0;
  size_t pos = 0;
  while (pos < utf8.size()) {
    NextCodePoint(utf8, pos);
    ++count;
  }
  return count;
}

size_t CodePointOffset(const std::string& utf8, int index) {
  size_t pos = 0;
  for (int i = 0; i < index && pos < utf8.size(); ++i) NextCodePoint(utf8, pos);
  return pos;
}

// Strict decoding: overlong forms, surrogates and values past U+10FFFF are malformed.
// At or past the end it returns 0 and leaves pos there.
char32_t NextCodePoint(const std::string& utf8, size_t& pos) {
  if (pos >= utf8.size()) {
    pos = utf8.size();
    return 0;
  }
  const unsigned char b0 = static_cast<unsigned char>(utf8[pos]);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int length;
  char32_t cp;
  char32_t minimum;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, cp = b0 & 0x1F, minimum = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, cp = b0 & 0x0F, minimum = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, cp = b0 & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacement;
  }
  if (utf8.size() - pos < static_cast<size_t>(length)) {
    ++pos;
    return kReplacement;
  }
  for (int i = 1; i < length; ++i) {
    const unsigned char b = static_cast<unsigned char>(utf8[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += static_cast<size_t>(length);
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace tq
