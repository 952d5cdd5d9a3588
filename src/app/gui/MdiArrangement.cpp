#include "app/gui/MdiArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace quorvale {
namespace {

// Visible windows that are not minimized, the front window first.
QList<QMdiSubWindow*> openWindows(QMdiArea* area) {
    QList<QMdiSubWindow*> out;
    const QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        if ((*it)->isVisible() && !(*it)->isMinimized()) {
            out.append(*it);
        }
    }
    return out;
}

QList<QMdiSubWindow*> iconWindows(QMdiArea* area) {
    QList<QMdiSubWindow*> out;
    for (QMdiSubWindow* w : area->subWindowList(QMdiArea::CreationOrder)) {
        if (w->isVisible() && w->isMinimized()) {
            out.append(w);
        }
    }
    return out;
}

// The part of the area the tiles may use: all of it but the icon row.
QRect tileArea(QMdiArea* area) {
    QRect r = area->viewport()->rect();
    int iconHeight = 0;
    for (QMdiSubWindow* w : iconWindows(area)) {
        iconHeight = std::max(iconHeight, w->height());
    }
    r.setBottom(r.bottom() - iconHeight);
    return r;
}

bool isFixedSize(const QMdiSubWindow* w) {
    const QWidget* inner = w->widget();
    return inner && inner->minimumSize() == inner->maximumSize();
}

// Below this share the resizable windows would be too small to read, and
// every window gets an equal slot instead.
constexpr int kSmallestShare = 120;

void tileInLine(const QList<QMdiSubWindow*>& windows, const QRect& r, bool stacked) {
    if (windows.isEmpty()) {
        return;
    }
    const int total = stacked ? r.height() : r.width();
    const int n = static_cast<int>(windows.size());
    int fixedExtent = 0;
    int flexible = 0;
    for (QMdiSubWindow* w : windows) {
        if (isFixedSize(w)) {
            fixedExtent += stacked ? w->height() : w->width();
        } else {
            ++flexible;
        }
    }
    // A fixed-size window keeps its size and takes its own extent; the
    // others share what is left.
    const bool fixedKeepRoom = flexible > 0 && (total - fixedExtent) / flexible >= kSmallestShare;

    int position = stacked ? r.top() : r.left();
    int flexibleLeft = flexible;
    int roomLeft = total - fixedExtent;
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized()) {
            w->showNormal();
        }
        int extent = 0;
        if (!fixedKeepRoom) {
            const int start = total * i / n;
            extent = total * (i + 1) / n - start;
        } else if (isFixedSize(w)) {
            extent = stacked ? w->height() : w->width();
        } else {
            extent = roomLeft / flexibleLeft;
            roomLeft -= extent;
            --flexibleLeft;
        }
        const QRect slot =
            stacked ? QRect(r.left(), position, r.width(), extent) : QRect(position, r.top(), extent, r.height());
        if (isFixedSize(w)) {
            w->move(slot.topLeft());
        } else {
            w->setGeometry(slot);
        }
        position += extent;
    }
}

// Fixed-size windows that leave the others too little room in the line
// stand in a line of their own along the far edge (the right edge of a
// stack, the bottom of a row), and the others tile the rest, so that a
// stack of charts beside the Simulator window stays readable.
void tile(QMdiArea* area, bool stacked) {
    const QList<QMdiSubWindow*> windows = openWindows(area);
    const QRect r = tileArea(area);
    QList<QMdiSubWindow*> fixed;
    QList<QMdiSubWindow*> flexible;
    int fixedAlong = 0;
    int fixedAcross = 0;
    for (QMdiSubWindow* w : windows) {
        if (isFixedSize(w)) {
            fixed.append(w);
            fixedAlong += stacked ? w->height() : w->width();
            fixedAcross = std::max(fixedAcross, stacked ? w->width() : w->height());
        } else {
            flexible.append(w);
        }
    }
    const int total = stacked ? r.height() : r.width();
    const int across = stacked ? r.width() : r.height();
    const bool roomInLine =
        flexible.isEmpty() || (total - fixedAlong) / static_cast<int>(flexible.size()) >= kSmallestShare;
    if (fixed.isEmpty() || roomInLine || fixedAlong > total || across - fixedAcross < kSmallestShare) {
        tileInLine(windows, r, stacked);
        return;
    }
    int position = stacked ? r.top() : r.left();
    for (QMdiSubWindow* w : fixed) {
        if (w->isMaximized()) {
            w->showNormal();
        }
        w->move(stacked ? QPoint(r.right() + 1 - fixedAcross, position)
                        : QPoint(position, r.bottom() + 1 - fixedAcross));
        position += stacked ? w->height() : w->width();
    }
    tileInLine(flexible, stacked ? r.adjusted(0, 0, -fixedAcross, 0) : r.adjusted(0, 0, 0, -fixedAcross), stacked);
}

}  // namespace

void MdiArrangement::cascade(QMdiArea* area) { area->cascadeSubWindows(); }

void MdiArrangement::tileHorizontal(QMdiArea* area) { tile(area, true); }

void MdiArrangement::tileVertical(QMdiArea* area) { tile(area, false); }

void MdiArrangement::arrangeIcons(QMdiArea* area) {
    const QRect r = area->viewport()->rect();
    int x = r.left();
    int y = r.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* w : iconWindows(area)) {
        // A new row above the last when the icons do not fit side by side.
        if (x > r.left() && x + w->width() > r.right() + 1) {
            x = r.left();
            y -= rowHeight;
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, w->height());
        w->move(x, y - w->height());
        x += w->width();
    }
}

}  // namespace quorvale
