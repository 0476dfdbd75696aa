// The shared random source and the string procedures of the script and text parsers.
// Characters are counted as code points (see platform/text_encoding.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A whole number from lo to hi inclusive. The generator is seeded once (SeedRandom),
// not on every call, so that draws in one clock tick differ.
int RandomRange(int lo, int hi);
void SeedRandom(uint32_t seed);
int Toggle01(int x);

std::string TextAfter(const std::string& s, int n, const std::string& delim);
std::string TextBefore(const std::string& s, int n, const std::string& delim);
// out is indexed from 1 (out[0] unused) and grown to at least max + 1 entries.
void SplitFields(const std::string& text, const std::string& sep, int max,
                 std::vector<std::string>& out, int& count);
int CountOccurrences(const std::string& text, const std::string& needle);
int ByteLength(const std::string& s);
void PadToByteWidth(std::string& s, int width, int align);
