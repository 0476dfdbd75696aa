#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, Cp932ByteLengthCountsAsTheOriginalDid) {
  struct Case {
    const char* utf8;
    int bytes;
  };
  const Case cases[] = {
      {"", 0},
      {"ABC", 3},
      {"HPあ", 4},
      {"ｱ", 1},
      {"ｱｲｳﾟ", 4},   // half-width katakana, including the sound mark
      {"アイウ", 6},  // full-width katakana
      {"～－①", 6},
      {"A€B", 3},     // no CP932 form: counts as the '?' it becomes
      {"A\xff" "B", 3},  // malformed byte: likewise
  };
  for (const Case& c : cases) EXPECT_EQ(tq::Cp932ByteLength(c.utf8), c.bytes) << c.utf8;
}

TEST(TextEncoding, JapaneseTextRoundTripsThroughCp932) {
  struct Case {
    const char* utf8;
    const char* cp932;
  };
  const Case cases[] = {
      {"あ", "\x82\xa0"},
      {"～", "\x81\x60"},  // plain SHIFT_JIS has no full-width tilde
      {"－", "\x81\x7c"},  // nor full-width hyphen-minus
      {"\\", "\\"},        // and would turn the backslash into a yen sign
      {"ｱ", "\xb1"},
      {"表ゾ", "\x95\x5c\x83\x5d"},  // second bytes that look like '\' and ']'
      {"①Ⅰ㈱", "\x87\x40\x87\x54\x87\x8a"},
      {"C:\\Tanselr_Data\\タンセル～－ｾｰﾌﾞ。", nullptr},
  };
  for (const Case& c : cases) {
    std::string encoded = tq::Utf8ToCp932(c.utf8);
    if (c.cp932) {
      EXPECT_EQ(encoded, c.cp932) << c.utf8;
    }
    EXPECT_EQ(tq::Cp932ToUtf8(encoded), c.utf8) << c.utf8;
  }
}

TEST(TextEncoding, UnconvertibleAndMalformedInputBecomesQuestionMarks) {
  struct Case {
    const char* input;
    const char* expected;
  };
  const Case toCp932[] = {
      {"A€B", "A?B"},
      {"é", "?"},
      {"A\x80" "B", "A?B"},                // stray continuation byte
      {"A\xff" "B", "A?B"},                // never valid in UTF-8
      {"\xc0\xaf", "??"},                  // overlong '/'
      {"\xed\xa0\x80", "???"},             // encoded surrogate
      {"\xe3\x81", "??"},                  // cut short at the end
      {"\xe3\x81" "A\xe3\x81\x82", "??A\x82\xa0"},  // cut short in the middle
  };
  for (const Case& c : toCp932) EXPECT_EQ(tq::Utf8ToCp932(c.input), c.expected) << c.input;

  const Case toUtf8[] = {
      {"\x80", "?"},
      {"A\xfd" "B", "A?B"},
      {"\x82", "?"},            // lead byte at the end
      {"\x82 A", "? A"},        // lead byte without a trail byte keeps what follows
      {"\x81\x20\x82\xa0", "? あ"},
      {"\x82\xa0\xff", "あ?"},
  };
  for (const Case& c : toUtf8) EXPECT_EQ(tq::Cp932ToUtf8(c.input), c.expected);
}

TEST(TextEncoding, EveryByteSequenceGivesWellFormedText) {
  // All one- and two-byte inputs: the conversions must neither crash nor let a
  // malformed byte through.
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; b += 3) {
      std::string in{static_cast<char>(a), static_cast<char>(b)};
      std::string utf8 = tq::Cp932ToUtf8(in);
      for (size_t pos = 0; pos < utf8.size();) {
        ASSERT_NE(tq::NextCodePoint(utf8, pos), U'\uFFFD') << a << " " << b;
      }
      std::string back = tq::Utf8ToCp932(in);
      EXPECT_EQ(tq::Cp932ByteLength(in), static_cast<int>(back.size())) << a << " " << b;
    }
  }
}

TEST(TextEncoding, NextCodePointDecodesOrSkipsOneByte) {
  struct Case {
    const char* utf8;
    char32_t cp;
    size_t advance;
  };
  const Case cases[] = {
      {"A", U'A', 1},
      {"é", 0xE9, 2},
      {"あ", 0x3042, 3},
      {"\xf0\x9f\x98\x80", 0x1F600, 4},
      {"\x80", 0xFFFD, 1},
      {"\xff", 0xFFFD, 1},
      {"\xe3\x81", 0xFFFD, 1},            // cut short
      {"\xe3\x41\x82", 0xFFFD, 1},        // continuation missing
      {"\xe0\x80\x80", 0xFFFD, 1},        // overlong
      {"\xed\xa0\x80", 0xFFFD, 1},        // surrogate
      {"\xf4\x90\x80\x80", 0xFFFD, 1},    // past U+10FFFF
  };
  for (const Case& c : cases) {
    std::string s = c.utf8;
    size_t pos = 0;
    EXPECT_EQ(tq::NextCodePoint(s, pos), c.cp) << s;
    EXPECT_EQ(pos, c.advance) << s;
  }
  std::string empty;
  size_t pos = 0;
  tq::NextCodePoint(empty, pos);
  EXPECT_EQ(pos, 0u);
}

TEST(TextEncoding, CountsAndSlicesByCodePoint) {
  const std::string text = "HPあい";
  EXPECT_EQ(tq::CodePointCount(text), 4);
  EXPECT_EQ(tq::CodePointCount(""), 0);
  EXPECT_EQ(tq::CodePointCount("a\xff" "b"), 3);

  struct Case {
    int index;
    size_t offset;
  };
  const Case cases[] = {{-1, 0}, {0, 0}, {2, 2}, {3, 5}, {4, 8}, {9, 8}};
  for (const Case& c : cases) EXPECT_EQ(tq::CodePointOffset(text, c.index), c.offset) << c.index;
}

TEST(TextEncoding, AppendUtf8EncodesWhatNextCodePointDecodes) {
  const char32_t points[] = {0x41, 0x7F, 0x80, 0x7FF, 0x800, 0x3042, 0xFFFD, 0xFFFF, 0x10000, 0x10FFFF};
  for (char32_t cp : points) {
    std::string s;
    tq::AppendUtf8(s, cp);
    size_t pos = 0;
    EXPECT_EQ(tq::NextCodePoint(s, pos), cp);
    EXPECT_EQ(pos, s.size());
  }
  for (char32_t bad : {char32_t{0xD800}, char32_t{0x110000}}) {
    std::string s;
    tq::AppendUtf8(s, bad);
    EXPECT_EQ(s, "\xef\xbf\xbd");
  }
}

}  // namespace
