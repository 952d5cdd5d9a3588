#pragma once
// The main window's placement in the per-user settings store: application
// "Quorvale_2000", section "Settings", keys MainLeft, MainTop, MainWidth and
// MainHeight, each a number of twips written as text.

#include <QList>
#include <QRect>
#include <QString>

class QSettings;

namespace quorvale {

// Left, top, width and height in twips, as single-precision numbers.
struct Placement {
    float left = 1000;
    float top = 1000;
    float width = 6500;
    float height = 6500;
    bool operator==(const Placement&) const = default;
};

class WindowPlacement {
public:
    // Each key read as text and taken as a single-precision number; a key
    // that is missing or holds anything but a finite number gives its
    // default (1000, 1000, 6500, 6500).
    static Placement read(QSettings& store);
    // Writes the placement through to the file; the message to print when
    // that failed, empty when it worked.
    static QString write(QSettings& store, const Placement& placement);

    static QRect toPixels(const Placement& placement, double dpi);
    static Placement fromPixels(const QRect& rect, double dpi);

    // The wanted rectangle, moved and sized so that the window can be reached:
    // no larger than the largest screen, at least `minimum`, and with the
    // strip along its top edge (where it is grabbed) on a screen; otherwise
    // it goes to the first screen's top-left corner.
    static QRect reachable(const QRect& wanted, const QList<QRect>& screens, const QSize& minimum);
};

}  // namespace quorvale
