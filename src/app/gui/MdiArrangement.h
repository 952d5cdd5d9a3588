#pragma once
// The four arrangements of the Window menu:
//   cascade:          overlapping, each a step down and right of the last;
//   tile horizontal:  stacked top to bottom, each the full width;
//   tile vertical:    side by side, each the full height;
//   arrange icons:    minimized windows lined up along the bottom edge.
// Windows that are hidden take no part; minimized windows keep their icons
// at the bottom, and the tiles leave that row free. Fixed-size windows are
// moved to their place but keep their size. Where the area is too small for
// one line of tiles, they take more (TilePlanner).

class QMdiArea;

namespace quorvale {

class MdiArrangement {
public:
    static void cascade(QMdiArea* area);
    static void tileHorizontal(QMdiArea* area);
    static void tileVertical(QMdiArea* area);
    static void arrangeIcons(QMdiArea* area);
};

}  // namespace quorvale
