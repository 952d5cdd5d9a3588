#pragma once
// What the fuzz harnesses share: a failed property stops the run at once
// with the input still on the stack (libFuzzer then keeps it as a crash
// input), and the input is cut into lines.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace quorvale::fuzz {

// The input as lines ('\n' separated, the last one may be unterminated), at
// most `maxLines` of them; the rest of the input stays in the last line.
inline std::vector<std::string> lines(const uint8_t* data, size_t size, size_t maxLines) {
    std::vector<std::string> out;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty() && out.size() + 1 < maxLines) {
        const size_t end = rest.find('\n');
        if (end == std::string_view::npos) {
            break;
        }
        out.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    if (!rest.empty()) {
        out.emplace_back(rest);
    }
    return out;
}

}  // namespace quorvale::fuzz
