#pragma once
// JSON output of the command-line tool: documents are built as nlohmann-json
// values and written here.
//
// The layout is nlohmann's indented dump (two spaces, "key": value, one
// element per line, a newline at the end). Numbers are written as the
// shortest text that reads back as the same double: nlohmann's own dump
// would write a whole double as "5.0" and choose between fixed and exponent
// forms at other points ("1000000.0" where we write "1e+06"), which would
// change every file scripts have come to read. Strings go through nlohmann's
// escaping after invalid UTF-8 is replaced by U+FFFD.

#include <nlohmann/json.hpp>

#include <ostream>

namespace quorvale::cli {

using Json = nlohmann::ordered_json;

// Writes the document and a final newline.
void writeJson(std::ostream& out, const Json& document);
// The same on one line, without spaces: a line of JSON lines.
void writeJsonLine(std::ostream& out, const Json& document);

}  // namespace quorvale::cli
