// Turns a Forth name into text that can stand in an assembler label.
#pragma once

#include <string>
#include <string_view>

namespace kestrel {

// Letters, digits and "_" stay as they are. Other characters are replaced
// one by one: "!" to "/" become "A" to "O" followed by "Z", ":" to "@"
// become "P" to "V" followed by "X", "[" to "`" (except "_") become "a" to
// "f" and "{" to "~" become "g" to "j", each followed by "Q"; any other byte
// (control characters, bytes above 126) becomes its two upper-case hex
// digits followed by "Y". When anything was replaced, "_QZX_" is appended.
// So the result holds only letters, digits and "_".
std::string mangle(std::string_view name);

}  // namespace kestrel
