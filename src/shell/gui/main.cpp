// quorvale: the desktop application.

#include <QApplication>
#include <cstdio>

#include "shell/gui/DisplayCheck.h"
#include "base/Texts.h"
#include "shell/gui/StartUp.h"

int main(int argc, char** argv) {
    // Without a screen the toolkit would abort with a message about plugins
    // and a core dump; say plainly what is missing and what works instead.
    if (const auto problem = quorvale::DisplayCheck::prepareHere()) {
        std::fputs(quorvale::DisplayCheck::message(*problem).c_str(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(quorvale::texts::shell::kAppTitle));
    quorvale::StartUp startUp;
    startUp.begin();
    return QApplication::exec();
}
