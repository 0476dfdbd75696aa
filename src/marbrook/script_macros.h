// The Marbrook script macros: short bracketed names ("「フキジャンプ」",
// "「アニメ-130-2」") that a stage script writes in place of whole commands.
// C15_Macro is the mode's ExpandMacros member: the scenario engine calls it before it
// converts a line, and it rewrites the line with every macro field replaced.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Rewrites ScriptText(CurrentScriptLine): each whole field that names a macro becomes
// its expansion, and the line is rebuilt as "：field：field..." (at most 19 fields).
void C15_Macro();

// The expansion of one macro name, or nothing for a field that names no macro.
std::optional<std::string> MacroExpansion(std::string_view name);
// Every macro name, for the script validator.
const std::vector<std::string>& MacroNames();
