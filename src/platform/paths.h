// File names as the games build them, found on this machine.
//
// The games build paths the original way: the program folder, then components
// joined with backslashes ("\Tanselr_Data\TanselrCG\..."). Here backslashes become
// slashes and every component below the program folder is matched without regard
// to (ASCII) case, so assets copied from another file system are still found.
#pragma once

#include <string>

namespace tq {

// The folder that holds the running executable (no trailing slash).
std::string ExecutableFolder();

// Turns '\' into '/', folds repeated separators, and resolves each existing
// component case-insensitively. Components that do not exist are kept as written,
// so the result also serves for files about to be created.
std::string ResolvePath(const std::string& path);

// Creates the folders that hold the file at path (a game-built path, resolved as
// above) when they are missing. Returns whether they exist afterwards.
bool EnsureFolderOf(const std::string& path);

// Whether a and b are the same once ASCII letters are folded to lower case (names of
// path components, INI sections and keys).
bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b);

// The part of a resolved path below root, with '/' separators, or the path itself
// when it does not lie under root.
std::string RelativeTo(const std::string& path, const std::string& root);

}  // namespace tq
