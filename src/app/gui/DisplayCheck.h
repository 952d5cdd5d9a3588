#pragma once
// Whether the desktop application has a screen to open its windows on. Asked
// before the toolkit starts, which would otherwise abort without a display.

#include <functional>
#include <optional>
#include <string>

namespace quorvale {

class DisplayCheck {
public:
    // Whether a display server answers at the given display name.
    using Probe = std::function<bool(const char* display)>;
    struct Probes {
        Probe x11;
        Probe wayland;
    };

    // Why no window can be opened with these environment values (null when a
    // variable is not set), or nothing when a display is named or the
    // platform plugin chosen needs none.
    static std::optional<std::string> problem(const char* qpaPlatform, const char* x11Display,
                                              const char* waylandDisplay);
    // The same, and a named display must also answer its probe: a DISPLAY
    // left over from a closed session names a server that is not there.
    static std::optional<std::string> problem(const char* qpaPlatform, const char* x11Display,
                                              const char* waylandDisplay, const Probes& probes);

    // The real probes: an X11 connection made and closed through the
    // system's X client library, a connect to the Wayland socket.
    static bool x11Answers(const char* display);
    static bool waylandAnswers(const char* display);

    // Checks this process's environment and display servers (always fine on
    // systems whose windowing needs no display variable). When the platform
    // is left to the toolkit and only Wayland answers, the toolkit is pointed
    // at Wayland instead of trying the silent X display first. An X server
    // that answered keeps the probe's connection until toolkitConnected().
    static std::optional<std::string> prepareHere();
    // Called once the toolkit has made its own connection (QApplication is
    // constructed): only now may the probe's connection go.
    static void toolkitConnected();
    // The full message printed instead of starting.
    static std::string message(const std::string& problem);
};

}  // namespace quorvale
