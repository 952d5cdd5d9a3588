#pragma once
// The one way a text of the program's own (the texts table, an input rule's
// caption, a message of the core, all UTF-8) becomes a Qt string.

#include <QString>
#include <string_view>

namespace quorvale {

inline QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quorvale
