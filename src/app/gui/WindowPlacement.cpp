#include "app/gui/WindowPlacement.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

#include "base/Texts.h"
#include "base/gui/ShownPath.h"
#include "base/gui/Twips.h"

namespace quorvale {
namespace {

// The part of the top strip that must lie on a screen for the window to be
// grabbed and moved back.
constexpr int kGripHeight = 24;
constexpr int kGripWidth = 100;

QString keyPath(const char* key) {
    return QString::fromLatin1(texts::shell::kSettingsSection) + QLatin1Char('/') + QString::fromLatin1(key);
}

float readKey(QSettings& store, const char* key, float fallback) {
    const QVariant stored = store.value(keyPath(key));
    if (!stored.isValid() || stored.userType() != QMetaType::QString) {
        return fallback;
    }
    bool ok = false;
    const float value = stored.toString().trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

void writeKey(QSettings& store, const char* key, float value) { store.setValue(keyPath(key), QString::number(value)); }

}  // namespace

Placement WindowPlacement::read(QSettings& store) {
    const Placement defaults;
    Placement p;
    p.left = readKey(store, texts::shell::kMainLeft, defaults.left);
    p.top = readKey(store, texts::shell::kMainTop, defaults.top);
    p.width = readKey(store, texts::shell::kMainWidth, defaults.width);
    p.height = readKey(store, texts::shell::kMainHeight, defaults.height);
    return p;
}

QString WindowPlacement::write(QSettings& store, const Placement& p) {
    writeKey(store, texts::shell::kMainLeft, p.left);
    writeKey(store, texts::shell::kMainTop, p.top);
    writeKey(store, texts::shell::kMainWidth, p.width);
    writeKey(store, texts::shell::kMainHeight, p.height);
    store.sync();
    if (store.status() == QSettings::NoError) {
        return {};
    }
    const char* why = store.status() == QSettings::AccessError ? texts::shell::kSettingsAccessError
                                                               : texts::shell::kSettingsFormatError;
    return QString::fromUtf8(texts::shell::kSettingsNotSaved).arg(shownPath(store.fileName()), QString::fromUtf8(why));
}

QRect WindowPlacement::toPixels(const Placement& p, double dpi) {
    const Twips twips(dpi);
    return {twips.x(p.left), twips.y(p.top), twips.x(p.width), twips.y(p.height)};
}

Placement WindowPlacement::fromPixels(const QRect& r, double dpi) {
    const Twips twips(dpi);
    return {static_cast<float>(twips.fromX(r.x())), static_cast<float>(twips.fromY(r.y())),
            static_cast<float>(twips.fromX(r.width())), static_cast<float>(twips.fromY(r.height()))};
}

QRect WindowPlacement::reachable(const QRect& wanted, const QList<QRect>& screens, const QSize& minimum) {
    if (screens.isEmpty()) {
        return {wanted.topLeft(), wanted.size().expandedTo(minimum)};
    }
    int widest = 0;
    int tallest = 0;
    for (const QRect& s : screens) {
        widest = std::max(widest, s.width());
        tallest = std::max(tallest, s.height());
    }
    const int width = std::clamp(wanted.width(), std::min(minimum.width(), widest), widest);
    const int height = std::clamp(wanted.height(), std::min(minimum.height(), tallest), tallest);
    QRect r(wanted.x(), wanted.y(), width, height);

    const QRect grip(r.x(), r.y(), r.width(), kGripHeight);
    for (const QRect& s : screens) {
        const QRect onScreen = s.intersected(grip);
        if (onScreen.height() >= kGripHeight && onScreen.width() >= std::min(kGripWidth, r.width())) {
            return r;
        }
    }
    r.moveTopLeft(screens.first().topLeft());
    return r;
}

}  // namespace quorvale
