// Starts the toolkit the way quorvale does, shows a window and ends once it is
// on screen: display_starts.sh runs it again and again on an X server that
// has no other client.

#include <QTimer>
#include <QWidget>

#include "app/gui/ToolkitStart.h"

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = quorvale::startToolkit(argc, argv);
    if (!app) {
        return 2;
    }
    QWidget window;
    window.show();
    QTimer::singleShot(0, app.get(), &QApplication::quit);
    return QApplication::exec();
}
