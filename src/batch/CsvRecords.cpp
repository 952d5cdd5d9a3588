#include "batch/CsvRecords.h"

#include <fmt/format.h>

#include "base/Texts.h"

namespace quorvale {

bool CsvRecords::next(std::vector<std::string>& fields) {
    fields.clear();
    if (!m_error.empty()) {
        return false;
    }
    if (!m_started) {
        m_started = true;
        if (m_in.peek() == 0xEF) {
            char mark[3] = {};
            m_in.read(mark, 3);
            if (std::string(mark, 3) != "\xEF\xBB\xBF") {
                m_in.clear();
                m_in.seekg(0);
            }
        }
    }
    m_line = m_nextLine;
    std::string field;
    std::size_t size = 0;
    bool quoted = false;
    bool any = false;
    for (int c = m_in.get(); c != std::char_traits<char>::eof(); c = m_in.get()) {
        any = true;
        if (++size > kLargestRecord) {
            m_error = fmt::format(texts::batch::kRecordTooLong, m_line, kLargestRecord);
            return false;
        }
        if (quoted) {
            if (c == '"') {
                if (m_in.peek() == '"') {
                    m_in.get();
                    field += '"';
                } else {
                    quoted = false;
                }
            } else {
                m_nextLine += c == '\n' ? 1 : 0;
                field += static_cast<char>(c);
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            ++m_nextLine;
            if (!field.empty() && field.back() == '\r') {
                field.pop_back();
            }
            fields.push_back(std::move(field));
            return true;
        } else {
            field += static_cast<char>(c);
        }
    }
    if (quoted) {
        m_error = fmt::format(texts::batch::kQuoteNotClosed, m_line);
        return false;
    }
    if (!any) {
        return false;
    }
    if (!field.empty() && field.back() == '\r') {
        field.pop_back();
    }
    fields.push_back(std::move(field));
    return true;
}

}  // namespace quorvale
