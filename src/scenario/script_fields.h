// Reading the parameter fields of the current line's stored remainder, as every
// parser of a line shares it: "key=value" fields split at "：", lists "(a,b,…)".
#pragma once

#include <string>
#include <vector>

// The stored text of the current line ("" outside the store).
std::string CurrentLineRemainder();
// The text after its first "■" (all of it when there is none), every "■" deleted.
std::string WithoutDecoration(const std::string& text);
// The text split at sep into at most max fields (empty fields are skipped).
std::vector<std::string> SplitText(const std::string& text, const std::string& sep, int max);
// The current line's remainder split at "：" into at most 9 fields.
std::vector<std::string> LineFields();

// The text before the first "=", or the whole field when it has none.
std::string FieldKey(const std::string& field);
// The number after the first "=" (rounded into 16 bits), 0 when there is no "=" or
// no number.
int FieldValue(const std::string& field);
// The same number as a fraction, unrounded (for volume changes).
float FieldFraction(const std::string& field);
// The items of a list "(a,b,…)" as numbers, at most max of them.
std::vector<int> FieldList(const std::string& field, int max);
