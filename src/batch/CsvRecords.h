#pragma once
// Reads a CSV file record by record, so a file of any length is read in
// constant memory: fields separated by ',', records ended by a line break
// (LF or CRLF), a field in double quotes may hold commas, line breaks and
// doubled quotes. A leading UTF-8 byte-order mark is skipped.

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace quorvale {

class CsvRecords {
public:
    explicit CsvRecords(std::istream& in) : m_in(in) {}

    // The next record; false at the end of the input. A record whose quote
    // is never closed, or that is longer than kLargestRecord bytes, sets
    // `error` and ends the reading.
    bool next(std::vector<std::string>& fields);
    // The line the last record began on, from 1.
    std::size_t line() const { return m_line; }
    const std::string& error() const { return m_error; }

    static constexpr std::size_t kLargestRecord = 1024 * 1024;

private:
    std::istream& m_in;
    std::size_t m_line = 0;
    std::size_t m_nextLine = 1;
    bool m_started = false;
    std::string m_error;
};

}  // namespace quorvale
