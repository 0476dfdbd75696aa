// The original's code page (CP932, Shift-JIS as Windows has it) at the edges of the program.
#pragma once

#include <string>

namespace tq {

// Conversions; a character with no counterpart becomes '?' rather than failing.
std::string Utf8ToCp932(const std::string& utf8);
std::string Cp932ToUtf8(const std::string& cp932);

// Bytes the text takes in CP932: ASCII and half-width katakana 1, other characters 2
// (a character CP932 cannot hold counts as the one '?' it would become).
int Cp932ByteLength(const std::string& utf8);

// Counting code points of UTF-8 text, and slicing by code points (all game text is in
// the Basic Multilingual Plane, so this equals the original's UTF-16 counts).
int CodePointCount(const std::string& utf8);
// Byte offset of the code point with the given index (0-based); size() when past the end.
size_t CodePointOffset(const std::string& utf8, int index);
// Decodes the code point starting at byte offset pos and advances pos; a malformed
// byte yields U+FFFD and advances by one.
char32_t NextCodePoint(const std::string& utf8, size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace tq
