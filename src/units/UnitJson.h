#pragma once
// The JSON side of reading a unit document: the bytes parsed as exactly one
// JSON text, and the small text helpers its messages share with the reader.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace quorvale::unitjson {

using json = nlohmann::json;

// Parses the bytes as one JSON text. Refuses, with one line naming the file
// and the place: bytes that are no JSON, a number too large for any type, a
// NUL byte (the parser would stop there and pass over what follows), and a
// key given twice in one object (the parser would keep only one of them).
bool parseUnitJson(std::string_view fileName, std::string_view bytes, json& root, std::string& message);

// A JSON pointer token: "~" and "/" escaped as the pointer syntax wants,
// control characters shown as \uXXXX so a message stays on one line.
std::string pointerToken(std::string_view key);

// No control character: the text stays on one line.
bool isOneLine(std::string_view text);

// Cuts a text to at most `limit` bytes, never inside a UTF-8 sequence;
// true when it cut.
bool cutAtCharacter(std::string& text, std::size_t limit);

}  // namespace quorvale::unitjson
