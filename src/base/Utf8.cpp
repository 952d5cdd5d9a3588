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

}  // namespace

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        size_t bad = 0;
        const size_t n = sequenceLength(text.substr(pos), bad);
        if (n > 0) {
            out.append(text.substr(pos, n));
            pos += n;
        } else {
            out.append(kReplacement);
            pos += bad;
        }
    }
    return out;
}

std::string quotedText(std::string_view text, std::size_t longest) {
    static constexpr char kHex[] = "0123456789abcdef";
    const std::string valid = validUtf8(text);
    std::string out;
    for (std::size_t i = 0; i < valid.size(); ++i) {
        if (out.size() >= longest && !continuation(static_cast<unsigned char>(valid[i]))) {
            return out + "...";
        }
        const auto c = static_cast<unsigned char>(valid[i]);
        if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xf];
        } else {
            out += valid[i];
        }
    }
    return out;
}

}  // namespace quorvale
