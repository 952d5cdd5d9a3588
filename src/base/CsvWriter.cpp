#include "base/CsvWriter.h"

#include <array>
#include <charconv>
#include <cmath>

#include "base/Utf8.h"

namespace quorvale {

std::string CsvWriter::field(std::string_view value) {
    std::string text = validUtf8(value);
    if (text.find_first_of(",\"\n\r") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void CsvWriter::separate() {
    if (m_rowStarted) {
        m_out << ',';
    }
    m_rowStarted = true;
}

CsvWriter& CsvWriter::text(std::string_view value) {
    separate();
    m_out << field(value);
    return *this;
}

CsvWriter& CsvWriter::number(double value) {
    separate();
    if (std::isfinite(value)) {
        // The shortest text that reads back as the same double, the form
        // roundTripText gives the JSON output too.
        std::array<char, 32> buf{};
        const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value);
        m_out.write(buf.data(), result.ptr - buf.data());
    }
    return *this;
}

CsvWriter& CsvWriter::integer(long long value) {
    separate();
    m_out << value;
    return *this;
}

CsvWriter& CsvWriter::integer(std::uint64_t value) {
    separate();
    m_out << value;
    return *this;
}

void CsvWriter::endRow() {
    m_out << '\n';
    m_rowStarted = false;
}

}  // namespace quorvale
