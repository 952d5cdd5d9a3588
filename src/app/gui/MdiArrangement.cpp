#include "app/gui/MdiArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/gui/TilePlanner.h"
#include "base/gui/ChildWindow.h"

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

// The part of the area the tiles may use: all of it but the icon row, as it
// is once the tiles have sent the scroll bars away.
QRect tileArea(QMdiArea* area) {
    QRect r(QPoint(0, 0), area->maximumViewportSize());
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

// What the planner needs to know of a window: its size if it keeps it, else
// the frames it reads well in (its own legible sizes with the frame around
// them, or the least it can shrink to).
TileWindow tileWindow(QMdiSubWindow* w) {
    if (isFixedSize(w)) {
        return {w->size(), {}};
    }
    TileWindow tile;
    const QSize frame = w->size() - (w->widget() ? w->widget()->size() : QSize(0, 0));
    if (const auto* child = qobject_cast<const ChildWindow*>(w->widget())) {
        for (const QSize& inner : child->legibleSizes()) {
            tile.legible.push_back(inner + frame);
        }
    }
    if (tile.legible.empty()) {
        tile.legible.push_back(w->minimumSizeHint());
    }
    return tile;
}

void tile(QMdiArea* area, TilePlanner::Direction direction) {
    const QList<QMdiSubWindow*> windows = openWindows(area);
    std::vector<TileWindow> tiles;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized()) {
            w->showNormal();
        }
        tiles.push_back(tileWindow(w));
    }
    const std::vector<QRect> frames = TilePlanner::plan(tileArea(area), tiles, direction);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        const QRect& frame = frames[static_cast<size_t>(i)];
        if (tiles[static_cast<size_t>(i)].isFixed()) {
            w->move(frame.topLeft());
        } else {
            w->setGeometry(frame);
        }
    }
}

}  // namespace

void MdiArrangement::cascade(QMdiArea* area) { area->cascadeSubWindows(); }

void MdiArrangement::tileHorizontal(QMdiArea* area) { tile(area, TilePlanner::Direction::Stacked); }

void MdiArrangement::tileVertical(QMdiArea* area) { tile(area, TilePlanner::Direction::SideBySide); }

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
