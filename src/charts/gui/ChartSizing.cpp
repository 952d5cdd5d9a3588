#include "charts/gui/ChartSizing.h"

#include <QFontMetrics>
#include <algorithm>

namespace quorvale {
namespace {

// Room per tick interval, in pixels, so that neighbouring labels never meet.
constexpr int kPixelsPerXInterval = 50;
constexpr int kPixelsPerYInterval = 40;
constexpr int kFewestTicks = 2;
constexpr int kMostXTicks = 10;
constexpr int kMostYTicks = 8;
// Below this height the legend moves beside the plot, which needs the width.
constexpr int kLegendBesideBelowHeight = 240;
constexpr int kLegendBesideFromWidth = 480;
// Below these sizes texts take a smaller face.
constexpr int kSmallWidth = 360;
constexpr int kSmallHeight = 200;
// The legend's symbol and spacing beside each name, in pixels.
constexpr int kLegendEntryExtra = 36;
constexpr int kLegendLineGap = 6;
// Room along the value axis besides its title: the ends of the axis.
constexpr int kAxisTitleReserve = 90;
constexpr int kMargin = 4;

int intervals(const ChartDetail& detail, int room, int perInterval, int most) {
    if (detail.fewestTicks()) {
        return kFewestTicks;
    }
    return std::clamp(room / perInterval / detail.tickDivisor, kFewestTicks, most);
}

}  // namespace

qreal ChartSizing::faceScale(const QSize& room, const ChartDetail& detail) {
    const bool small = room.width() < kSmallWidth || room.height() < kSmallHeight;
    return detail.smallFace ? 0.7 : small ? 0.8 : 0.9;
}

int ChartSizing::xIntervals(const QSize& room, const ChartDetail& detail) {
    return intervals(detail, room.width(), kPixelsPerXInterval, kMostXTicks);
}

int ChartSizing::yIntervals(const QSize& room, const ChartDetail& detail) {
    return detail.fewestTicks() ? 1 : intervals(detail, room.height(), kPixelsPerYInterval, kMostYTicks);
}

ChartSizing::Legend ChartSizing::legend(const QSize& room, bool wanted, const QFontMetrics& metrics,
                                        const QStringList& names) {
    int row = 0;
    int widest = 0;
    for (const QString& name : names) {
        const int entry = metrics.horizontalAdvance(name) + kLegendEntryExtra;
        row += entry;
        widest = std::max(widest, entry);
    }
    const int listHeight = static_cast<int>(names.size()) * (metrics.height() + kLegendLineGap) + kLegendLineGap;
    const bool fitsBelow = row <= room.width() - 16;
    const bool fitsBeside = room.width() >= kLegendBesideFromWidth && widest <= room.width() / 4;
    const bool fitsListed = widest <= room.width() - 16 && listHeight <= room.height() / 4;
    if (!wanted) {
        return {};
    }
    if (room.height() < kLegendBesideBelowHeight && fitsBeside) {
        return {LegendPlace::Beside, 0};
    }
    if (fitsBelow) {
        return {LegendPlace::Below, 0};
    }
    if (fitsBeside) {
        return {LegendPlace::Beside, 0};
    }
    if (fitsListed) {
        return {LegendPlace::Listed, listHeight};
    }
    return {};
}

ChartSizing::YTitle ChartSizing::yTitle(const QSize& room, bool wanted, int titleWidth) {
    if (!wanted) {
        return YTitle::None;
    }
    if (titleWidth + kAxisTitleReserve <= room.height()) {
        return YTitle::Along;
    }
    return titleWidth <= room.width() - 2 * kMargin ? YTitle::Above : YTitle::None;
}

}  // namespace quorvale
