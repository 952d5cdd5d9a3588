#include "units/UnitJson.h"

#include <fmt/format.h>

#include <set>
#include <vector>

#include "base/Texts.h"

namespace quorvale::unitjson {
namespace {

using namespace texts::units;

// "line:column" of a byte offset, both counted from 1.
std::string lineColumn(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(bytes[i]) & 0xc0) != 0x80) {
            ++column;  // a UTF-8 character counts once
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t j = 1; j < length; ++j) {
            if ((static_cast<unsigned char>(text[i + j]) & 0xc0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// The library's own explanation without its prefix and position, which the
// message gives in the usual line:column form.
std::string parseDetail(const json::parse_error& error) {
    std::string what = error.what();
    const std::size_t column = what.find("column ");
    const std::size_t start = what.find(": ", column == std::string::npos ? 0 : column);
    if (start != std::string::npos) {
        what = what.substr(start + 2);
    }
    // The bytes it last read are quoted as they are; bytes that are no text
    // would spoil the message, and the place says enough.
    if (!isUtf8(what)) {
        what = what.substr(0, what.find("; last read"));
    }
    return isOneLine(what) ? what : pointerToken(what);
}

// A key given twice in one object, found while parsing.
struct DuplicateKey {
    std::string place;
};

// Watches the parse for a key given twice in one object; the library keeps
// only one of them, so the file would mean something other than it says.
class DuplicateKeyWatch {
public:
    bool operator()(int /*depth*/, json::parse_event_t event, json& parsed) {
        switch (event) {
            case json::parse_event_t::object_start:
            case json::parse_event_t::array_start:
                m_frames.push_back({event == json::parse_event_t::object_start, {}, {}, 0});
                break;
            case json::parse_event_t::key: {
                Frame& frame = m_frames.back();
                frame.key = parsed.get<std::string>();
                if (!frame.keys.insert(frame.key).second) {
                    throw DuplicateKey{place()};
                }
                break;
            }
            case json::parse_event_t::object_end:
            case json::parse_event_t::array_end:
                m_frames.pop_back();
                elementDone();
                break;
            case json::parse_event_t::value:
                elementDone();
                break;
        }
        return true;
    }

private:
    struct Frame {
        bool object;
        std::set<std::string> keys;
        std::string key;
        std::size_t index;
    };

    void elementDone() {
        if (!m_frames.empty() && !m_frames.back().object) {
            ++m_frames.back().index;
        }
    }

    std::string place() const {
        std::string pointer;
        for (const Frame& frame : m_frames) {
            pointer += "/" + (frame.object ? pointerToken(frame.key) : std::to_string(frame.index));
        }
        return pointer;
    }

    std::vector<Frame> m_frames;
};

}  // namespace

std::string pointerToken(std::string_view key) {
    std::string out;
    for (const char c : key) {
        if (c == '~') {
            out += "~0";
        } else if (c == '/') {
            out += "~1";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(static_cast<unsigned char>(c) >> 4) & 0xf];
            out += kHex[static_cast<unsigned char>(c) & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

bool isOneLine(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return false;
        }
    }
    return true;
}

bool cutAtCharacter(std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return false;
    }
    std::size_t end = limit;
    // Back to the first byte of the character that does not fit whole.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80) {
        --end;
    }
    text.resize(end);
    return true;
}

bool parseUnitJson(std::string_view fileName, std::string_view bytes, json& root, std::string& message) {
    // The parser takes a NUL byte for the end of the text and would pass
    // over whatever follows it; no JSON text holds one.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        message = fmt::format(kNotJson, fileName, lineColumn(bytes, nul), kNulByte);
        return false;
    }
    try {
        root = json::parse(bytes.begin(), bytes.end(), DuplicateKeyWatch());
    } catch (const DuplicateKey& duplicate) {
        message = fmt::format(kDuplicateKey, fileName, duplicate.place);
        return false;
    } catch (const json::parse_error& error) {
        message = fmt::format(kNotJson, fileName, lineColumn(bytes, error.byte == 0 ? 0 : error.byte - 1),
                              parseDetail(error));
        return false;
    } catch (const json::out_of_range& error) {
        // A number too large for any type ("5E0888..."): the parser names
        // the number, which places it in the file.
        const std::string what = error.what();
        const size_t open = what.find('\'');
        const size_t close = what.rfind('\'');
        const size_t at = open < close ? bytes.find(what.substr(open + 1, close - open - 1)) : std::string_view::npos;
        message = fmt::format(kNotJson, fileName, lineColumn(bytes, at == std::string_view::npos ? 0 : at),
                              "a number out of range");
        return false;
    }
    return true;
}

}  // namespace quorvale::unitjson
