#include "base/gui/SettingsStore.h"

#include "base/Texts.h"

namespace quorvale {

std::unique_ptr<QSettings> SettingsStore::open() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvale"),
                                       QString::fromLatin1(texts::shell::kSettingsApplication));
}

}  // namespace quorvale
