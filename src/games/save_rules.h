// The games' save-file rules: one key read or written as the games do it, and the
// conversions their loaders apply to what they read.
#pragma once

#include <string>

void C00_IniWrite(const std::string& section, const std::string& key, const std::string& file,
                  const std::string& value);
// One key as the game reads it: at most 9 characters, "0" for a missing file or key.
std::string C00_IniRead(const std::string& section, const std::string& key, const std::string& file);

// A whole number (empty, unreadable or beyond 16 bits reads as 0) and a switch
// (-1 or 0).
int SaveWholeNumber(const std::string& text);
int SaveSwitch(const std::string& text);
