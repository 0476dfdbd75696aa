#include "scenario/script_fields.h"

#include <charconv>
#include <string_view>

#include "engine/string_utils.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

constexpr int kMaxFields = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text after the first "=", or nothing when the field has none.
bool ValueText(const std::string& field, std::string_view& value) {
  const size_t eq = field.find('=');
  if (eq == std::string::npos) return false;
  value = std::string_view(field).substr(eq + 1);
  return true;
}

}  // namespace

std::string CurrentLineRemainder() {
  const int n = ScriptStore.CurrentScriptLine;
  return n >= 0 && n < kScriptLineCapacity ? ScriptStore.ScriptText[static_cast<size_t>(n)] : std::string();
}

std::string WithoutDecoration(const std::string& text) {
  const std::string mark = "■";
  std::string s = TextAfter(text, 0, mark);
  for (size_t at = s.find(mark); at != std::string::npos; at = s.find(mark, at)) s.erase(at, mark.size());
  return s;
}

std::vector<std::string> SplitText(const std::string& text, const std::string& sep, int max) {
  std::vector<std::string> out;
  int count = 0;
  SplitFields(text, sep, max, out, count);
  std::vector<std::string> fields;
  for (int i = 1; i <= count; ++i) fields.push_back(out[static_cast<size_t>(i)]);
  return fields;
}

std::vector<std::string> LineFields() { return SplitText(CurrentLineRemainder(), "：", kMaxFields); }

std::string FieldKey(const std::string& field) { return field.substr(0, field.find('=')); }

int FieldValue(const std::string& field) {
  std::string_view value;
  return ValueText(field, value) ? ReadScriptNumber(value) : 0;
}

float FieldFraction(const std::string& field) {
  std::string_view v;
  if (!ValueText(field, v)) return 0.0f;
  size_t i = 0;
  while (i < v.size() && v[i] == ' ') ++i;
  bool negative = false;
  if (i < v.size() && (v[i] == '+' || v[i] == '-')) negative = v[i++] == '-';
  const size_t start = i;
  while (i < v.size() && (IsDigit(v[i]) || v[i] == '.')) ++i;
  double value = 0.0;
  auto [end, ec] = std::from_chars(v.data() + start, v.data() + i, value, std::chars_format::fixed);
  (void)end;
  if (ec != std::errc()) return 0.0f;
  return static_cast<float>(negative ? -value : value);
}

std::vector<int> FieldList(const std::string& field, int max) {
  // Everything up to the first "(" and the last character go.
  const std::string inner = TextBefore(TextAfter(field, 0, "("), 1, "");
  std::vector<int> items;
  for (const std::string& item : SplitText(inner, ",", max)) items.push_back(ReadScriptNumber(item));
  return items;
}
