#pragma once
// The per-user settings store: one INI file of the application "Quorvale_2000"
// under the user's configuration folder. The main window keeps its placement
// there, the unit commands the recent units and the last inputs.

#include <QSettings>
#include <memory>

namespace quorvale {

class SettingsStore {
public:
    // The store; nothing is reported when it cannot be read.
    static std::unique_ptr<QSettings> open();
};

}  // namespace quorvale
