#pragma once
// Whether the desktop application has a screen to open its windows on. Asked
// before the toolkit starts, which would otherwise abort without a display.

#include <optional>
#include <string>

namespace quorvale {

class DisplayCheck {
public:
    // Why no window can be opened with these environment values (null when a
    // variable is not set), or nothing when a display is there or the
    // platform plugin chosen needs none.
    static std::optional<std::string> problem(const char* qpaPlatform, const char* x11Display,
                                              const char* waylandDisplay);
    // The same for this process's environment (always fine on systems whose
    // windowing needs no display variable).
    static std::optional<std::string> problemHere();
    // The full message printed instead of starting.
    static std::string message(const std::string& problem);
};

}  // namespace quorvale
