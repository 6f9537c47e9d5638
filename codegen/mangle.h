// Turns a Forth name into text that can stand in an assembler label.
#pragma once

#include <string>
#include <string_view>

namespace kestrel {

// Punctuation is replaced character by character: "!" to "/" become "A" to
// "O" followed by "Z", ":" to "@" become "P" to "V" followed by "X", "[" to
// "`" (except "_") become "a" to "f" followed by "Q". When anything was
// replaced, "_QZX_" is appended. Other characters stay as they are.
std::string mangle(std::string_view name);

}  // namespace kestrel
