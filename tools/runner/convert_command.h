// The runner's --convert sub-command: converts each line of a script file as the
// scenario engine would and prints what the conversion produced.
#pragma once

#include <iosfwd>
#include <string>

// For each line of the UTF-8 file (a trailing "\r" stripped): the six code words,
// the stored text after the conversion, the face slot after the prefix readers 5, 6
// and 0, and the stored text after them, tab-separated. Returns 0, or 2 with a
// message on standard error when the file cannot be read.
int RunConvertCommand(const std::string& path, std::ostream& out);
