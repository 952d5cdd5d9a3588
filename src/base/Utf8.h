#pragma once
// Text that leaves the program as UTF-8 must be UTF-8: an entry can hold any
// bytes a terminal or a file sent us, and one stray byte makes a JSON or CSV
// file unreadable for the program that opens it next.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvale {

// The text with every byte sequence that is not well-formed UTF-8 replaced
// by U+FFFD, one replacement per maximal ill-formed part (the Unicode
// recommendation, which is also what browsers and ICU do).
std::string validUtf8(std::string_view text);

// A text the user gave, as a one-line message quotes it: valid UTF-8,
// control characters (a terminal's escape sequences, line breaks) written
// as \xNN, and cut after `longest` bytes with "..." at a whole character.
std::string quotedText(std::string_view text, std::size_t longest = 40);

}  // namespace quorvale
