#pragma once
// The one CSV writer: the command-line tool's tables and the charts' saved
// data are written through it, so both follow the same rules.
//
// - Fields are separated by ',' and rows end with '\n'.
// - A text field is quoted when it holds a comma, a quote or a line break,
//   with quotes doubled; it is made valid UTF-8 first.
// - A number is written in its shortest form that reads back as the same
//   double ('.' decimal point, exponent allowed); a number that is not
//   finite leaves its field empty, since "nan" or "inf" would be read as text
//   or as a number nobody computed.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace quorvale {

class CsvWriter {
public:
    explicit CsvWriter(std::ostream& out) : m_out(out) {}

    CsvWriter& text(std::string_view value);
    CsvWriter& number(double value);
    CsvWriter& integer(int value) { return integer(static_cast<long long>(value)); }
    CsvWriter& integer(long long value);
    CsvWriter& integer(std::uint64_t value);
    // Ends the row.
    void endRow();

    // The field form of a text, quoted where needed.
    static std::string field(std::string_view value);

private:
    void separate();

    std::ostream& m_out;
    bool m_rowStarted = false;
};

}  // namespace quorvale
