// quorvale: the desktop application.

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "base/Texts.h"
#include "base/gui/ShownPath.h"
#include "app/gui/StartUp.h"
#include "cli/ReportCommand.h"
#include "report/gui/HeadlessReport.h"
#include "app/gui/ToolkitStart.h"

namespace {

// `--help` and `--version` answer without a display.
int answerQuestion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(quorvale::texts::shell::kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("quorvale %s\n", QUORVALE_VERSION);
            return 0;
        }
    }
    return -1;
}

int usageError(const QString& problem) {
    const QString text = QString::fromLatin1(quorvale::texts::shell::kUsageError).arg(problem);
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputs(quorvale::texts::shell::kUsage, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // quorvale-cli report hands its arguments over here: the report is
    // written without a display.
    if (argc > 1 && std::strcmp(argv[1], quorvale::cli::kWriteReportOption) == 0) {
        return quorvale::HeadlessReport::main(argc, argv);
    }
    if (const int answered = answerQuestion(argc, argv); answered >= 0) {
        return answered;
    }
    // Without a screen the toolkit would abort with a message about plugins
    // and a core dump; say plainly what is missing and what works instead.
    const std::unique_ptr<QApplication> app = quorvale::startToolkit(argc, argv);
    if (!app) {
        return 2;
    }
    QApplication::setApplicationName(QString::fromLatin1(quorvale::texts::shell::kAppTitle));

    // What is left once the toolkit has taken its own options.
    const QStringList arguments = QApplication::arguments().mid(1);
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-'))) {
            return usageError(
                QString::fromLatin1(quorvale::texts::shell::kUnknownOption).arg(quorvale::shownPath(argument)));
        }
    }
    if (arguments.size() > 1) {
        return usageError(QString::fromLatin1(quorvale::texts::shell::kTooManyFiles).arg(arguments.size()));
    }

    quorvale::StartUp startUp;
    if (!arguments.isEmpty()) {
        startUp.setUnitFile(QFileInfo(arguments.first()).absoluteFilePath());
    }
    startUp.begin();
    return QApplication::exec();
}
