#include "app/gui/TilePlanner.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace quorvale {
namespace {

// The plan is worked out for windows side by side in rows; a stack is the
// same plan with width and height swapped.
QSize flip(const QSize& s) { return {s.height(), s.width()}; }
QRect flip(const QRect& r) { return {r.y(), r.x(), r.height(), r.width()}; }
TileWindow flip(const TileWindow& w) {
    TileWindow out{w.isFixed() ? flip(w.fixedSize) : QSize(), {}};
    for (const QSize& s : w.legible) {
        out.legible.push_back(flip(s));
    }
    return out;
}

// The windows that keep their size, set along one edge, and the free
// rectangles they leave: the main one first, then those beside them.
struct Dock {
    std::vector<QRect> frames;
    std::vector<QRect> free;
    bool preferred = true;
};

// Columns along the right edge: each column from the top down, each window
// at the column's right edge; a window that does not fit below the last one
// begins a new column further left.
Dock dockRight(const QRect& area, const std::vector<QSize>& sizes) {
    Dock dock;
    dock.frames.resize(sizes.size());
    std::vector<QRect> beside;
    int right = area.right() + 1;
    for (size_t i = 0; i < sizes.size();) {
        const size_t first = i;
        int width = 0;
        for (int y = area.top(); i < sizes.size() && (i == first || y + sizes[i].height() <= area.bottom() + 1); ++i) {
            width = std::max(width, sizes[i].width());
            y += sizes[i].height();
        }
        const int left = right - width;
        int top = area.top();
        for (size_t k = first; k < i; ++k) {
            const QSize s = sizes[k];
            dock.frames[k] = QRect(right - s.width(), top, s.width(), s.height());
            beside.emplace_back(left, top, width - s.width(), s.height());
            top += s.height();
        }
        beside.emplace_back(left, top, width, area.bottom() + 1 - top);
        right = left;
    }
    dock.free.emplace_back(area.left(), area.top(), right - area.left(), area.height());
    for (const QRect& r : beside) {
        if (!r.isEmpty()) {
            dock.free.push_back(r);
        }
    }
    return dock;
}

// Rows along the bottom edge: the columns of dockRight with width and height
// swapped.
Dock dockBottom(const QRect& area, const std::vector<QSize>& sizes) {
    std::vector<QSize> flipped;
    for (const QSize& s : sizes) {
        flipped.push_back(flip(s));
    }
    Dock dock = dockRight(flip(area), flipped);
    for (QRect& r : dock.frames) {
        r = flip(r);
    }
    for (QRect& r : dock.free) {
        r = flip(r);
    }
    return dock;
}

// Alone, the windows that keep their size stand from the left edge, as the
// tiles would set them.
Dock fromLeft(Dock dock, const QRect& area) {
    for (QRect& r : dock.frames) {
        r.moveLeft(area.left() + area.right() - r.right());
    }
    return dock;
}

// `total` split in parts that follow the weights and add up exactly.
std::vector<int> split(int total, const std::vector<int>& weights) {
    long long sum = 0;
    for (int w : weights) {
        sum += std::max(w, 1);
    }
    std::vector<int> parts;
    long long before = 0;
    int start = 0;
    for (int w : weights) {
        before += std::max(w, 1);
        const int end = static_cast<int>(total * before / sum);
        parts.push_back(end - start);
        start = end;
    }
    return parts;
}

// How much room a frame of `size` gives a window: 1 at one of its legible
// sizes, more beyond, less short of them.
double room(const TileWindow& w, const QSize& size) {
    if (w.legible.empty()) {
        return std::numeric_limits<double>::infinity();
    }
    double best = 0;
    for (const QSize& s : w.legible) {
        const double across = s.width() > 0 ? static_cast<double>(size.width()) / s.width() : 1;
        const double down = s.height() > 0 ? static_cast<double>(size.height()) / s.height() : 1;
        best = std::max(best, std::min(across, down));
    }
    return best;
}

// The legible size a window is best served by in a cell of about `cell`:
// the one it comes nearest to, the smaller of two it both has.
QSize need(const TileWindow& w, const QSize& cell) {
    QSize best(1, 1);
    double bestFit = -1;
    for (const QSize& s : w.legible) {
        const double fit = TilePlanner::legibility(TileWindow{{}, {s}}, cell);
        if (fit > bestFit || (fit == bestFit && s.width() * s.height() < best.width() * best.height())) {
            best = s;
            bestFit = fit;
        }
    }
    return best;
}

// How well a plan serves the windows the tiles size.
struct Score {
    bool fits = true;                                       // every window has a legible size
    double least = 1;                                       // the legibility of the most cramped window
    double room = std::numeric_limits<double>::infinity();  // its room, uncapped
    double sum = 0;                                         // the legibility of all
    int lines = 0;                                          // rows or columns, in the main rectangle
    bool preferred = true;

    void add(const Score& other) {
        fits = fits && other.fits;
        least = std::min(least, other.least);
        room = std::min(room, other.room);
        sum += other.sum;
        lines += other.lines;
    }
    // Every window served first, then the plain tiles: as few lines as can
    // do it, along the edge the tiles' direction stands for; then the most
    // room for the most cramped window. Failing that, the most room for the
    // most cramped window.
    bool betterThan(const Score& o) const {
        if (fits != o.fits) {
            return fits;
        }
        if (!fits && least != o.least) {
            return least > o.least;
        }
        if (lines != o.lines) {
            return lines < o.lines;
        }
        if (preferred != o.preferred) {
            return preferred;
        }
        if (room != o.room) {
            return room > o.room;
        }
        return sum > o.sum;
    }
};

constexpr double kFits = 1 - 1e-9;

// Windows side by side in `lines` rows inside `rect`: rows as high, and
// windows as wide, as their legible sizes ask, in proportion.
Score placeInRows(const QRect& rect, const std::vector<const TileWindow*>& windows, int lines,
                  std::vector<QRect>& frames) {
    const int n = static_cast<int>(windows.size());
    std::vector<std::vector<int>> rows(static_cast<size_t>(lines));
    for (int i = 0; i < n; ++i) {
        rows[static_cast<size_t>(i * lines / n)].push_back(i);
    }
    std::vector<QSize> needs(static_cast<size_t>(n));
    std::vector<int> heights;
    for (const std::vector<int>& row : rows) {
        int height = 0;
        for (int i : row) {
            const QSize cell(rect.width() / static_cast<int>(row.size()), rect.height() / lines);
            needs[static_cast<size_t>(i)] = need(*windows[static_cast<size_t>(i)], cell);
            height = std::max(height, needs[static_cast<size_t>(i)].height());
        }
        heights.push_back(height);
    }
    Score score;
    score.lines = lines;
    frames.assign(static_cast<size_t>(n), QRect());
    int top = rect.top();
    const std::vector<int> rowHeights = split(rect.height(), heights);
    for (size_t r = 0; r < rows.size(); ++r) {
        std::vector<int> widths;
        for (int i : rows[r]) {
            widths.push_back(needs[static_cast<size_t>(i)].width());
        }
        int left = rect.left();
        const std::vector<int> cellWidths = split(rect.width(), widths);
        for (size_t k = 0; k < rows[r].size(); ++k) {
            const int i = rows[r][k];
            const QRect frame(left, top, cellWidths[k], rowHeights[r]);
            frames[static_cast<size_t>(i)] = frame;
            const double r = room(*windows[static_cast<size_t>(i)], frame.size());
            score.least = std::min(score.least, std::min(1.0, r));
            score.room = std::min(score.room, r);
            score.sum += std::min(1.0, r);
            left += cellWidths[k];
        }
        top += rowHeights[r];
    }
    score.fits = score.least >= kFits;
    return score;
}

// The best number of rows for the windows in one rectangle. Only the main
// rectangle's rows count as lines of the tiles; beside the fixed windows
// the room decides.
Score bestRows(const QRect& rect, const std::vector<const TileWindow*>& windows, bool main,
               std::vector<QRect>& frames) {
    frames.clear();
    if (windows.empty()) {
        return Score{};
    }
    Score best;
    best.fits = false;
    best.least = -1;
    std::vector<QRect> trial;
    for (int lines = 1; lines <= static_cast<int>(windows.size()); ++lines) {
        Score s = placeInRows(rect, windows, lines, trial);
        s.lines = main ? lines : 0;
        if (s.betterThan(best)) {
            best = s;
            frames = trial;
        }
    }
    return best;
}

struct Plan {
    Score score;
    std::vector<QRect> frames;  // of the windows the tiles size, in their order
};

// Every way of sharing the windows out among the free rectangles; windows
// with the same legible sizes are interchangeable, so only their counts per
// rectangle are tried.
Plan bestShare(const std::vector<QRect>& free, const std::vector<TileWindow>& windows) {
    const size_t n = windows.size();
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i) {
        order[i] = i;
    }
    const auto area = [&windows](size_t i) {
        long long a = 0;
        for (const QSize& s : windows[i].legible) {
            a = std::max(a, static_cast<long long>(s.width()) * s.height());
        }
        return a;
    };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return area(a) > area(b); });

    Plan best;
    best.score.fits = false;
    best.score.least = -std::numeric_limits<double>::infinity();
    bool found = false;
    std::vector<size_t> choice(n, 0);
    const std::function<void(size_t)> share = [&](size_t k) {
        if (k == n) {
            Plan plan;
            plan.frames.assign(n, QRect());
            for (size_t r = 0; r < free.size(); ++r) {
                std::vector<const TileWindow*> in;
                std::vector<size_t> which;
                for (size_t j = 0; j < n; ++j) {
                    if (choice[j] == r) {
                        in.push_back(&windows[order[j]]);
                        which.push_back(order[j]);
                    }
                }
                std::vector<QRect> frames;
                plan.score.add(bestRows(free[r], in, r == 0, frames));
                for (size_t j = 0; j < which.size(); ++j) {
                    plan.frames[which[j]] = frames[j];
                }
            }
            // An empty main rectangle is no fewer lines than one.
            plan.score.lines = std::max(plan.score.lines, n > 0 ? 1 : 0);
            if (!found || plan.score.betterThan(best.score)) {
                best = plan;
                found = true;
            }
            return;
        }
        const bool sameAsLast = k > 0 && windows[order[k]].legible == windows[order[k - 1]].legible;
        for (size_t r = sameAsLast ? choice[k - 1] : 0; r < free.size(); ++r) {
            choice[k] = r;
            share(k + 1);
        }
    };
    share(0);
    return best;
}

std::vector<QRect> planSideBySide(const QRect& area, const std::vector<TileWindow>& windows) {
    std::vector<QSize> fixedSizes;
    std::vector<TileWindow> sized;
    for (const TileWindow& w : windows) {
        if (w.isFixed()) {
            fixedSizes.push_back(w.fixedSize);
        } else {
            sized.push_back(w);
        }
    }
    std::vector<Dock> docks;
    if (fixedSizes.empty()) {
        docks.push_back(Dock{{}, {area}, true});
    } else if (sized.empty()) {
        docks.push_back(fromLeft(dockRight(area, fixedSizes), area));
    } else {
        docks.push_back(dockRight(area, fixedSizes));
        docks.push_back(dockBottom(area, fixedSizes));
        docks.back().preferred = false;
    }
    Plan best;
    const Dock* chosen = nullptr;
    for (const Dock& dock : docks) {
        Plan plan = bestShare(dock.free, sized);
        plan.score.preferred = dock.preferred;
        if (!chosen || plan.score.betterThan(best.score)) {
            best = plan;
            chosen = &dock;
        }
    }
    std::vector<QRect> out;
    size_t nextFixed = 0;
    size_t nextSized = 0;
    for (const TileWindow& w : windows) {
        out.push_back(w.isFixed() ? chosen->frames[nextFixed++] : best.frames[nextSized++]);
    }
    return out;
}

}  // namespace

double TilePlanner::legibility(const TileWindow& window, const QSize& size) {
    return std::min(1.0, room(window, size));
}

std::vector<QRect> TilePlanner::plan(const QRect& area, const std::vector<TileWindow>& windows, Direction direction) {
    if (direction == Direction::SideBySide) {
        return planSideBySide(area, windows);
    }
    std::vector<TileWindow> flipped;
    for (const TileWindow& w : windows) {
        flipped.push_back(flip(w));
    }
    std::vector<QRect> frames = planSideBySide(flip(area), flipped);
    for (QRect& r : frames) {
        r = flip(r);
    }
    return frames;
}

}  // namespace quorvale
