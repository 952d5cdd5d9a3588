#pragma once
// The program's table of numbered strings. Window definitions can hold a
// string number instead of a text; LoadFormStrings swaps in the text.

#include <QString>
#include <optional>

namespace quorvale {

class StringTable {
public:
    // The text of entry `number`, or nothing when the table has no such entry.
    static std::optional<QString> text(int number);
};

}  // namespace quorvale
