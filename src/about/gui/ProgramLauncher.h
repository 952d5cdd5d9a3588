#pragma once
// How the About box finds and starts another program: a look-up on the PATH
// and a detached start. DesktopLauncher does it for real; the tests use a
// fake.

#include <QString>

namespace quorvale {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // The full path of `program` on the PATH, or an empty text.
    virtual QString findOnPath(const QString& program) = 0;
    // Starts the program with a normal, focused window, independent of
    // this one; false when it cannot be started.
    virtual bool start(const QString& path) = 0;
};

class DesktopLauncher final : public ProgramLauncher {
public:
    QString findOnPath(const QString& program) override;
    bool start(const QString& path) override;
};

}  // namespace quorvale
