#pragma once
// The per-user settings store: one INI file of the application "Quorvale_2000"
// under the user's configuration folder. The main window keeps its placement
// there, the unit commands the recent units and the last inputs.

#include <QSettings>
#include <QString>
#include <memory>

namespace quorvale {

class SettingsStore {
public:
    // The store; nothing is reported when it cannot be read. Two faults are
    // said once each on stderr: a damaged file is moved aside (to the same
    // name with ".damaged" added) and the settings start afresh; a settings
    // file that is a FIFO, device or socket, or a link to one, is left alone,
    // never opened, and the settings of this run are kept in a scratch file
    // that goes with the program.
    static std::unique_ptr<QSettings> open();

    // The settings file.
    static QString fileName();
    // The configuration folder the file lives under (tests keep their own);
    // empty for the user's.
    static void setFolder(const QString& folder);
};

}  // namespace quorvale
