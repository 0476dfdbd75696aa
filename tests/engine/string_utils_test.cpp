#include "engine/string_utils.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct SplitCase {
  const char* text;
  const char* sep;
  int max;
  std::vector<std::string> fields;
};

TEST(SplitFieldsTest, FieldsAreMaximalRunsUpToMax) {
  const SplitCase cases[] = {
      {"：：x", "：", 19, {"x"}},
      {"：a：：b：", "：", 19, {"a", "b"}},
      {"x：y：z", "：", 2, {"x", "y"}},
      {"x：y：z", "：", 3, {"x", "y", "z"}},
      {"a：b，c", "：，", 19, {"a", "b，c"}},  // only the first character separates
      {" a ： b ", "：", 19, {" a ", " b "}},  // fields are never trimmed
      {"●1：[顔の移動]", "：", 19, {"●1", "[顔の移動]"}},
      {"1,2,,3", ",", 9, {"1", "2", "3"}},
      {"：：：", "：", 19, {}},
      {"x：y", "：", 0, {}},
      // Malformed bytes are characters of their own: a separator is never found
      // inside another character, and a malformed separator splits only on itself.
      {"\xE3：a\xFF", "：", 19, {"\xE3", "a\xFF"}},
      {"a\x80" "b", "\x80", 19, {"a", "b"}},
      {"あ\x81い", "\x81", 19, {"あ", "い"}},
      {"\xE3\x81\x82", "\x81", 19, {"\xE3\x81\x82"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::string> out;
    int count = -1;
    SplitFields(c.text, c.sep, c.max, out, count);
    ASSERT_EQ(count, static_cast<int>(c.fields.size()));
    ASSERT_GE(out.size(), static_cast<size_t>(c.max) + 1);
    for (int i = 0; i < count; ++i) EXPECT_EQ(out[i + 1], c.fields[i]);
    for (int i = count + 1; i <= c.max; ++i) EXPECT_EQ(out[i], "") << "slot " << i;
  }
}

TEST(SplitFieldsTest, EmptyTextOrSeparatorLeavesOutputAlone) {
  std::vector<std::string> out = {"", "keep", "me"};
  int count = 5;
  SplitFields("", "：", 2, out, count);
  EXPECT_EQ(count, 0);
  count = 5;
  SplitFields("a：b", "", 2, out, count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(out, (std::vector<std::string>{"", "keep", "me"}));
}

TEST(SplitFieldsTest, EarlierFieldsOfALongerSplitAreCleared) {
  std::vector<std::string> out;
  int count = 0;
  SplitFields("a：b：c：d", "：", 5, out, count);
  SplitFields("x", "：", 5, out, count);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(out[1], "x");
  EXPECT_EQ(out[2], "");
  EXPECT_EQ(out[4], "");
}

struct SliceCase {
  bool after;
  const char* s;
  int n;
  const char* delim;
  const char* expected;
};

TEST(TextSliceTest, AfterAndBefore) {
  const SliceCase cases[] = {
      {true, "Fu=20", 0, "=", "20"},
      {true, "送", 0, "=", "送"},              // no delimiter: the whole text
      {true, "a=b=c", 0, "=", "b=c"},
      {true, "○2", 0, "", "2"},               // empty delimiter, n 0 drops one character
      {true, "○2：x", 2, "", "：x"},
      {true, "ab=:cd", 0, "=:", ":cd"},       // only the delimiter's first character is skipped
      {true, "", 0, "=", ""},
      {true, "ab", 5, "", ""},                // past the end
      {true, "ab", -3, "", "b"},              // a negative count counts as 1
      {false, "Fu=20", 0, "=", "Fu"},
      {false, "1,2,3)", 0, "", "1,2,3"},
      {false, "あいう：", 0, "", "あいう"},
      {false, "あいう", 2, "", "あ"},
      {false, "送", 0, "=", "送"},            // a missing delimiter keeps the whole text
      {false, "ab", 5, "", ""},
      {false, "ab", -1, "", "a"},
      {false, "", 0, "", ""},
  };
  for (const SliceCase& c : cases) {
    SCOPED_TRACE(std::string(c.after ? "after " : "before ") + c.s);
    EXPECT_EQ(c.after ? TextAfter(c.s, c.n, c.delim) : TextBefore(c.s, c.n, c.delim), c.expected);
  }
}

TEST(CountOccurrencesTest, NonOverlappingFromTheLeft) {
  EXPECT_EQ(CountOccurrences("a=b=c", "="), 2);
  EXPECT_EQ(CountOccurrences("aaa", "aa"), 1);
  EXPECT_EQ(CountOccurrences("aaaa", "aa"), 2);
  EXPECT_EQ(CountOccurrences("：■：■", "■"), 2);
  EXPECT_EQ(CountOccurrences("abc", ""), 0);
  EXPECT_EQ(CountOccurrences("", "a"), 0);
}

TEST(ByteLengthTest, ShiftJisWidths) {
  EXPECT_EQ(ByteLength("HPあ"), 4);
  EXPECT_EQ(ByteLength("ｱｲｳ"), 3);  // half-width katakana are single bytes
  EXPECT_EQ(ByteLength("ＨＰ"), 4);
  EXPECT_EQ(ByteLength(""), 0);
}

TEST(PadToByteWidthTest, AlignsByByteWidth) {
  struct Case {
    const char* s;
    int width;
    int align;
    const char* expected;
  };
  const Case cases[] = {
      {" 7 ", 3, 1, "  7"},
      {" 7 ", 3, 0, "7  "},
      {" 7 ", 3, 2, " 7 "},
      {"7", 4, 2, " 7  "},          // the odd spare space goes after
      {"1234", 3, 1, "1234"},       // never cut
      {" 1234 ", 3, 1, "1234"},     // only trimmed when already full
      {"あ", 3, 1, " あ"},           // a double-byte character takes two cells
      {"ｱ", 3, 1, "  ｱ"},
      {" 7 ", 3, 5, " 7 "},          // unknown alignment: untouched, not even trimmed
      {" 7 ", 0, 1, "7"},
      {"   ", 2, 0, "  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.s + "' width " + std::to_string(c.width) + " align " +
                 std::to_string(c.align));
    std::string s = c.s;
    PadToByteWidth(s, c.width, c.align);
    EXPECT_EQ(s, c.expected);
  }
}

TEST(Toggle01Test, SwapsZeroAndOne) {
  EXPECT_EQ(Toggle01(0), 1);
  EXPECT_EQ(Toggle01(1), 0);
  EXPECT_EQ(Toggle01(-1), 2);
}

TEST(RandomRangeTest, StaysInRangeAndCoversIt) {
  SeedRandom(12345);
  std::set<int> seen;
  for (int i = 0; i < 5000; ++i) {
    int v = RandomRange(-2, 4);
    ASSERT_GE(v, -2);
    ASSERT_LE(v, 4);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 7u);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(RandomRange(3, 3), 3);
  for (int i = 0; i < 1000; ++i) {
    int v = RandomRange(-32768, 32767);
    ASSERT_GE(v, -32768);
    ASSERT_LE(v, 32767);
  }
}

TEST(RandomRangeTest, SameSeedSameDrawsAndDrawsDiffer) {
  SeedRandom(7);
  std::vector<int> first;
  for (int i = 0; i < 20; ++i) first.push_back(RandomRange(0, 1000));
  SeedRandom(7);
  std::vector<int> second;
  for (int i = 0; i < 20; ++i) second.push_back(RandomRange(0, 1000));
  EXPECT_EQ(first, second);
  // Seeded once, not per call: draws made in the same instant are not all equal.
  EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 1u);
}

TEST(RandomRangeTest, BrokenRangeGivesLo) {
  EXPECT_EQ(RandomRange(5, 2), 5);
}

}  // namespace
