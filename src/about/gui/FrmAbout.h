#pragma once
// The About box: the program's title, purpose and contact, "OK", and a
// launcher for the operating system's system-information program.

#include <QDialog>
#include <memory>

#include "about/gui/ProgramLauncher.h"

class QPushButton;

namespace quorvale {

class FrmAbout final : public QDialog {
    Q_OBJECT
public:
    // `launcher` finds and starts the system-information program; none is
    // the desktop's own.
    explicit FrmAbout(QWidget* owner, ProgramLauncher* launcher = nullptr);
    ~FrmAbout() override;

    // Opens the box modally over its owner and returns when it is closed.
    static void showModal(QWidget* owner);

    // Starts the system-information program, or tells the user it is not
    // available.
    void StartSysInfo();

public slots:
    // Esc and the close box choose "OK" like Enter does.
    void reject() override { accept(); }

private:
    void buildControls();

    std::unique_ptr<ProgramLauncher> m_ownLauncher;
    ProgramLauncher* m_launcher;
    QPushButton* m_ok = nullptr;
};

}  // namespace quorvale
