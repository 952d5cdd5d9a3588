// Sets the desktop application up as a user would for the documentation
// screenshots: every static chart group selected, the windows tiled. Run it
// under a virtual X server and grab the screen (scripts/screenshots.sh).
//
//   quorvale_screenshot_scene charts     all five charts and the Variables window, tiled
//   quorvale_screenshot_scene variables  the Variables window alone

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "shell/FrmMain.h"
#include <QMdiArea>
#include "shell/ShellMenus.h"
#include "shell/WindowRegistry.h"

using namespace quorvale;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool charts = argc < 2 || std::strcmp(argv[1], "variables") != 0;

    FrmMain main;
    main.load();
    main.showMaximized();
    // A bare X server has no window manager to maximize the window.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        main.setGeometry(screen->availableGeometry());
    }
    if (charts) {
        for (const char* item : {"MnuTotalCost", "MnuLoggingCost", "MnuRoadCost", "MnuTonsDay", "MnuTotalDays",
                                 "MnuCycleTime", "MnuRiggingTime", "MnuRoadDensity", "MnuLandingSpacing",
                                 "MnuCorridors"}) {
            main.results().action(QString::fromLatin1(item))->trigger();
        }
    }
    QTimer::singleShot(300, &main, [&main, charts] {
        if (charts) {
            // The Variables window has its own picture; here it waits as an
            // icon so the five charts share the width.
            main.windows().frame(WindowId::FrmData)->showMinimized();
            main.shellMenus().action(QStringLiteral("mnuWindowArrangeIcons"))->trigger();
            main.shellMenus().action(QStringLiteral("mnuWindowTileVertical"))->trigger();
        } else {
            for (QMdiSubWindow* frame : main.mdiArea()->subWindowList()) {
                frame->move(0, 0);
            }
        }
        if (QMdiSubWindow* frame = main.windows().frame(WindowId::FrmData)) {
            const QRect r(frame->mapToGlobal(QPoint(0, 0)), frame->size());
            std::printf("FrmData %d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
            std::fflush(stdout);
        }
    });
    return QApplication::exec();
}
