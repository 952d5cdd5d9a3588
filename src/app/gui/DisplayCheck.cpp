#include "app/gui/DisplayCheck.h"

#include <fmt/format.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

#ifndef _WIN32
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "base/Texts.h"

namespace quorvale {
namespace {

bool isSet(const char* value) { return value && *value; }

std::string quoted(const char* value) { return std::string("\"") + value + "\""; }

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

std::optional<std::string> DisplayCheck::problem(const char* qpaPlatform, const char* x11Display,
                                                 const char* waylandDisplay, const Probes& probes) {
    if (auto missing = problem(qpaPlatform, x11Display, waylandDisplay)) {
        return missing;
    }
    const std::string_view platform = isSet(qpaPlatform) ? qpaPlatform : "";
    const bool wantsX11 = platform.empty() || platform.substr(0, 3) == "xcb";
    const bool wantsWayland = platform.empty() || platform.substr(0, 7) == "wayland";
    if (!wantsX11 && !wantsWayland) {
        return std::nullopt;
    }
    const bool x11 = wantsX11 && isSet(x11Display) && probes.x11(x11Display);
    const bool wayland = wantsWayland && isSet(waylandDisplay) && probes.wayland(waylandDisplay);
    if (x11 || wayland) {
        return std::nullopt;
    }
    std::string why;
    if (wantsX11 && isSet(x11Display)) {
        why = "no X server answers at DISPLAY " + quoted(x11Display);
    }
    if (wantsWayland && isSet(waylandDisplay)) {
        why += why.empty() ? "no " : " and no ";
        why += "Wayland compositor answers at WAYLAND_DISPLAY " + quoted(waylandDisplay);
    }
    return why;
}

#ifdef _WIN32
bool DisplayCheck::x11Answers(const char*) { return false; }
bool DisplayCheck::waylandAnswers(const char*) { return false; }
#else
namespace {

// The probe's X11 connection while it is kept, and the library it came from.
struct HeldConnection {
    void* library = nullptr;
    void* connection = nullptr;
    void (*disconnect)(void*) = nullptr;
};

HeldConnection& held() {
    static HeldConnection connection;
    return connection;
}

// Connects through the system's libxcb, loaded at run time: the toolkit's
// X11 plugin uses the same library, and a system without it has no X11 to
// offer anyway. Leaves the connection in `into` when it answers.
bool connectX11(const char* display, HeldConnection& into) {
    void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb) {
        return false;
    }
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    if (!connect || !hasError || !disconnect) {
        dlclose(xcb);
        return false;
    }
    void* connection = connect(display, nullptr);
    if (!connection || hasError(connection) != 0) {
        disconnect(connection);  // also for a failed connection, which is a static one
        dlclose(xcb);
        return false;
    }
    into = HeldConnection{xcb, connection, disconnect};
    return true;
}

void release(HeldConnection& connection) {
    if (connection.connection) {
        connection.disconnect(connection.connection);
        dlclose(connection.library);
    }
    connection = HeldConnection{};
}

}  // namespace

bool DisplayCheck::x11Answers(const char* display) {
    HeldConnection probe;
    const bool answers = connectX11(display, probe);
    release(probe);
    return answers;
}

bool DisplayCheck::waylandAnswers(const char* display) {
    std::string path = display;
    if (path.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (!isSet(runtime)) {
            return false;
        }
        path = std::string(runtime) + "/" + path;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool answers = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}
#endif

std::optional<std::string> DisplayCheck::prepareHere() {
#if defined(_WIN32) || defined(__APPLE__)
    return std::nullopt;
#else
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    bool x11Answered = false;
    // The connection stays open until the toolkit has its own: an X server
    // with no other client resets itself when its last client leaves, and
    // a toolkit connecting during that reset is turned away.
    const Probes probes{[&](const char* display) {
                            release(held());
                            return x11Answered = connectX11(display, held());
                        },
                        waylandAnswers};
    if (auto why = problem(platform, x11, wayland, probes)) {
        return why;
    }
    if (!isSet(platform) && isSet(wayland) && !x11Answered) {
        setenv("QT_QPA_PLATFORM", "wayland", 1);
    }
    return std::nullopt;
#endif
}

void DisplayCheck::toolkitConnected() {
#if !defined(_WIN32) && !defined(__APPLE__)
    release(held());
#endif
}

std::string DisplayCheck::message(const std::string& problem) { return fmt::format(texts::shell::kNoDisplay, problem); }

}  // namespace quorvale
