#include "app/gui/StartUp.h"

#include <QTimer>

#include "app/gui/FrmMain.h"
#include "app/gui/FrmSplash2.h"
#include "units/gui/UnitActions.h"

namespace quorvale {

StartUp::StartUp(QObject* parent) : QObject(parent) {}

StartUp::~StartUp() {
    delete m_splash;
    delete m_main;
}

FrmSplash2* StartUp::splash() const { return m_splash; }

FrmMain* StartUp::mainWindow() const { return m_main; }

void StartUp::begin() {
    m_splash = new FrmSplash2;
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_splash, &FrmSplash2::unloaded, this, &StartUp::openMainWindow);
    m_splash->show();
    m_splash->repaint();
}

void StartUp::openMainWindow() {
    // Shown before the disclaimer has finished closing, so the program
    // never finds itself without a window in between.
    auto* main = new FrmMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    m_main = main;
    main->load();
    main->showMaximized();
    if (!m_unitFile.isEmpty()) {
        // Once the window is on screen, so that a message about a refused
        // file stands in front of it.
        QTimer::singleShot(0, main, [main, path = m_unitFile] { main->units().openUnit(path); });
    }
}

}  // namespace quorvale
