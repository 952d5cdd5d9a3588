#include "shell/gui/DisplayCheck.h"

#include <cstdlib>
#include <string_view>

#include "base/Texts.h"

namespace quorvale {
namespace {

bool isSet(const char* value) { return value && *value; }

}  // namespace

std::optional<std::string> DisplayCheck::problem(const char* qpaPlatform, const char* x11Display,
                                                 const char* waylandDisplay) {
    const std::string_view platform = isSet(qpaPlatform) ? qpaPlatform : "";
    if (platform.empty()) {
        if (isSet(x11Display) || isSet(waylandDisplay)) {
            return std::nullopt;
        }
        return "neither DISPLAY nor WAYLAND_DISPLAY is set";
    }
    if (platform.substr(0, 3) == "xcb" && !isSet(x11Display)) {
        return "QT_QPA_PLATFORM asks for X11 but DISPLAY is not set";
    }
    if (platform.substr(0, 7) == "wayland" && !isSet(waylandDisplay)) {
        return "QT_QPA_PLATFORM asks for Wayland but WAYLAND_DISPLAY is not set";
    }
    // offscreen, vnc, eglfs, linuxfb and the like need no display variable.
    return std::nullopt;
}

std::optional<std::string> DisplayCheck::problemHere() {
#if defined(_WIN32) || defined(__APPLE__)
    return std::nullopt;
#else
    return problem(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
#endif
}

std::string DisplayCheck::message(const std::string& problem) {
    const std::string_view pattern = texts::shell::kNoDisplay;
    const size_t at = pattern.find("%1");
    if (at == std::string_view::npos) {
        return std::string(pattern);
    }
    std::string text(pattern.substr(0, at));
    text += problem;
    text += pattern.substr(at + 2);
    return text;
}

}  // namespace quorvale
