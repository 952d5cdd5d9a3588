#pragma once
// Where Tile Horizontal and Tile Vertical put each window: plain geometry,
// so that it can be checked without windows.
//
// Tile Horizontal stacks the windows, each as wide as its column; Tile
// Vertical sets them side by side, each as high as its row. Windows that keep
// their size (the Variables and Simulator windows) stand together along one
// edge: along the bottom, below the stack, or along the right, beside the
// row, or the other way where that gives the others more room; the space
// beside them takes windows too.
//
// Where one line of windows would leave a window less room than it reads
// well in, the tiles take more lines (columns of stacks, rows of windows side
// by side), as few as give every window its room; where no arrangement does,
// the one that leaves the most cramped window the most room.

#include <QRect>
#include <QSize>
#include <vector>

namespace quorvale {

struct TileWindow {
    // The frame size of a window that keeps its size; empty for a window the
    // tiles size.
    QSize fixedSize;
    // The least frame sizes at which the window reads well, one for each way
    // it can lay itself out (side by side, one above the other, ...).
    std::vector<QSize> legible;

    bool isFixed() const { return !fixedSize.isEmpty(); }
};

class TilePlanner {
public:
    enum class Direction { Stacked, SideBySide };

    // The frame of each window, in the order given. The frames lie inside
    // `area` unless a window that keeps its size is larger than the area.
    static std::vector<QRect> plan(const QRect& area, const std::vector<TileWindow>& windows, Direction direction);

    // How well a frame of `size` suits a window: 1 when it has one of its
    // legible sizes, less the further it falls short of the nearest.
    static double legibility(const TileWindow& window, const QSize& size);
};

}  // namespace quorvale
