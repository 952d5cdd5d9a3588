#include "cli/JsonWriter.h"

#include <array>
#include <cstdio>

#include "inputs/NumberText.h"

namespace quorvale::cli {

std::string jsonEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    std::array<char, 8> buf{};
                    std::snprintf(buf.data(), buf.size(), "\\u%04x", static_cast<unsigned>(c));
                    out += buf.data();
                } else {
                    out += c;
                }
        }
    }
    return out;
}

void JsonWriter::newline() {
    m_out << '\n' << std::string(m_hasElement.size() * 2, ' ');
}

void JsonWriter::separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasElement.empty()) {
        if (m_hasElement.back()) {
            m_out << ',';
        }
        m_hasElement.back() = true;
        newline();
    }
}

void JsonWriter::beginObject() {
    separate();
    m_out << '{';
    m_hasElement.push_back(false);
}

void JsonWriter::endObject() {
    const bool any = m_hasElement.back();
    m_hasElement.pop_back();
    if (any) {
        newline();
    }
    m_out << '}';
    if (m_hasElement.empty()) {
        m_out << '\n';
    }
}

void JsonWriter::beginArray() {
    separate();
    m_out << '[';
    m_hasElement.push_back(false);
}

void JsonWriter::endArray() {
    const bool any = m_hasElement.back();
    m_hasElement.pop_back();
    if (any) {
        newline();
    }
    m_out << ']';
}

void JsonWriter::key(std::string_view name) {
    separate();
    m_out << '"' << jsonEscape(name) << "\": ";
    m_afterKey = true;
}

void JsonWriter::value(std::string_view text) {
    separate();
    m_out << '"' << jsonEscape(text) << '"';
}

void JsonWriter::value(double number) {
    separate();
    m_out << roundTripText(number);
}

void JsonWriter::value(int number) {
    separate();
    m_out << number;
}

void JsonWriter::value(long long number) {
    separate();
    m_out << number;
}

void JsonWriter::value(unsigned long long number) {
    separate();
    m_out << number;
}

void JsonWriter::value(bool flag) {
    separate();
    m_out << (flag ? "true" : "false");
}

void JsonWriter::null() {
    separate();
    m_out << "null";
}

}  // namespace quorvale::cli
