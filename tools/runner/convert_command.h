// The runner's --convert sub-command: converts each line of a script file as the
// scenario engine would and prints what the conversion produced.
#pragma once

#include <iosfwd>
#include <string>

// Removes a UTF-8 byte-order mark from the front of a file's first line.
void StripByteOrderMark(std::string& firstLine);

// Reads a whole file the runner is given (a script, an input timeline) as the game
// reads its own files: only a regular file of at most 64 MB, so that a FIFO cannot
// block the run and a folder does not read as an empty file. False with a message
// naming the file and the reason otherwise.
bool ReadRunnerFile(const std::string& path, std::string& text, std::string& error);

// For each line of the UTF-8 file (a byte-order mark and a trailing "\r" stripped): the six code words,
// the stored text after the conversion, the face slot after the prefix readers 5, 6
// and 0, and the stored text after them, tab-separated. Returns 0, or 2 with a
// message on standard error when the file cannot be read.
int RunConvertCommand(const std::string& path, std::ostream& out);
