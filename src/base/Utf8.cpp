#include "base/Utf8.h"

namespace quorvale {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed sequence at the start of `s`, or 0 with
// `bad` set to the length of the ill-formed part to replace.
size_t sequenceLength(std::string_view s, size_t& bad) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    bad = 1;
    if (b0 < 0x80) {
        return 1;
    }
    size_t need = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2;
        lo = b0 == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        hi = b0 == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3;
        lo = b0 == 0xF0 ? 0x90 : 0x80;
        hi = b0 == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (size_t i = 1; i <= need; ++i) {
        if (i >= s.size()) {
            return 0;
        }
        const auto c = static_cast<unsigned char>(s[i]);
        const bool ok = i == 1 ? (c >= lo && c <= hi) : continuation(c);
        if (!ok) {
            return 0;
        }
        bad = i + 1;
    }
    return need + 1;
}

// Hands each well-formed sequence to `good` and each maximal ill-formed part
// to `bad`, in order.
template <class Good, class Bad>
void walkUtf8(std::string_view text, Good good, Bad bad) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t badLength = 0;
        const size_t n = sequenceLength(text.substr(pos), badLength);
        if (n > 0) {
            good(text.substr(pos, n));
            pos += n;
        } else {
            bad(text.substr(pos, badLength));
            pos += badLength;
        }
    }
}

void appendEscape(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    switch (byte) {
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            break;
    }
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

}  // namespace

std::string escapedControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const auto escapeEach = [&out](std::string_view bytes) {
        for (const char byte : bytes) {
            appendEscape(out, static_cast<unsigned char>(byte));
        }
    };
    walkUtf8(
        text,
        [&](std::string_view sequence) {
            const auto b0 = static_cast<unsigned char>(sequence[0]);
            // C0 and DEL; C1 is U+0080 to U+009F, 0xC2 then 0x80 to 0x9F.
            const bool control = sequence.size() == 1 ? b0 < 0x20 || b0 == 0x7F
                                                      : sequence.size() == 2 && b0 == 0xC2 &&
                                                            static_cast<unsigned char>(sequence[1]) <= 0x9F;
            if (control) {
                escapeEach(sequence);
            } else {
                out.append(sequence);
            }
        },
        escapeEach);
    return out;
}

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    walkUtf8(
        text, [&out](std::string_view sequence) { out.append(sequence); },
        [&out](std::string_view) { out.append(kReplacement); });
    return out;
}

std::string quotedText(std::string_view text, std::size_t longest) {
    std::string out = escapedControls(text);
    if (out.size() <= longest) {
        return out;
    }
    std::size_t end = longest;
    while (end > 0 && (static_cast<unsigned char>(out[end]) & 0xC0) == 0x80) {
        --end;
    }
    out.resize(end);
    return out + "...";
}

}  // namespace quorvale
