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

// The text with every control character (C0, DEL and C1) and every byte that
// is not part of well-formed UTF-8 written as an escape ("\n", "\t", "\r",
// otherwise "\x1b" for each byte), so that a file name printed in a message
// can neither move a terminal's cursor, start a new line nor change colours.
std::string escapedControls(std::string_view text);

// A text the user gave, as a one-line message quotes it: escaped as above
// and cut after `longest` bytes, at a whole character, with "...".
std::string quotedText(std::string_view text, std::size_t longest = 40);

}  // namespace quorvale
