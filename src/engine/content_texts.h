// The content text files (content/<game>/<name>.txt), embedded in the program at
// build time: one constant text per line, exactly as the file holds it.
#pragma once

#include <span>
#include <string_view>

struct ContentFile {
  const char* Game;  // the folder under content/, such as "skelvane"
  const char* Name;  // the file name without ".txt", such as "stage010"
  const char* const* Lines;
  int LineCount;
};

// Every embedded file, ordered by game and name.
std::span<const ContentFile> ContentFiles();
// The lines of one file; empty when no such file was embedded.
std::span<const char* const> ContentLines(std::string_view game, std::string_view name);
