// The About box driven through its widgets, and its system-information
// launcher with a fake program finder and starter.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "GuiTestSupport.h"
#include "about/gui/FrmAbout.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

class FakeLauncher final : public ProgramLauncher {
public:
    QString findOnPath(const QString& program) override { return onPath.value(program); }
    bool start(const QString& path) override {
        attempted << path;
        if (!startable.contains(path)) {
            return false;
        }
        started << path;
        return true;
    }

    QMap<QString, QString> onPath;
    QStringList startable;
    QStringList attempted;
    QStringList started;
};

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

}  // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT

private:
    // Starts the system-information program from a box with this fake and
    // returns the messages it showed.
    static QStringList startSysInfo(FakeLauncher& launcher) {
        DialogAnswers answers;
        QWidget owner;
        FrmAbout box(&owner, &launcher);
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
        return answers.messages;
    }

private slots:
    void showsItsTextsOnAFixedDialog() {
        QWidget owner;
        FrmAbout box(&owner);
        QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About Quorvale_2000 !.0_Beta"));
        QCOMPARE(box.parentWidget(), &owner);
        QVERIFY(box.isModal());
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        auto* title = box.findChild<QLabel*>(QStringLiteral("lblTitle"));
        QCOMPARE(title->text(), QStringLiteral("Quorvale_2000 1.0_Beta"));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSizeF(), 13.5);
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("lblDescription"))->text(),
                 QStringLiteral("Quorvale was created as a Master's of Science project to evaluate optimal road "
                                "densities from an economic perspective.  The program uses a logging cost "
                                "simulator to compare yarding and roading costs."));
        for (const char* name : {"lblVersion", "lblRights", "lblDisclaimer"}) {
            QVERIFY2(!box.findChild<QLabel*>(QString::fromUtf8(name))->text().isEmpty(), name);
        }
        QVERIFY(!box.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());

        auto* ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        auto* sysInfo = box.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(sysInfo->text(), QStringLiteral("&System Info..."));
        QVERIFY(sysInfo->geometry().top() > ok->geometry().bottom());

        // The etched rule: grey, and white directly below it.
        auto* grey = box.findChild<QWidget*>(QStringLiteral("Line1"));
        auto* white = box.findChild<QWidget*>(QStringLiteral("Line2"));
        QCOMPARE(grey->palette().color(QPalette::Window), QColor(128, 128, 128));
        QCOMPARE(white->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(white->geometry().top(), grey->geometry().bottom() + 1);
    }

    void escEnterAndOkCloseIt_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("OK") << 0;
    }
    void escEnterAndOkCloseIt() {
        QFETCH(int, key);
        QWidget owner;
        owner.show();
        FrmAbout box(&owner);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        if (key == 0) {
            QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        } else {
            QTest::keyClick(&box, static_cast<Qt::Key>(key));
        }
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void showModalOpensOverItsOwnerAndGoesAwayWhenClosed() {
        QWidget owner;
        owner.show();
        owner.setGeometry(100, 100, 800, 600);
        QPointer<QDialog> seen;
        bool modal = false;
        bool centred = false;
        DialogAnswers answers;
        answers.modal = [&](QDialog& box) {
            seen = &box;
            modal = box.isVisible() && box.windowModality() == Qt::ApplicationModal && box.parentWidget() == &owner;
            centred = (box.geometry().center() - owner.geometry().center()).manhattanLength() <= 2;
            QTest::keyClick(&box, Qt::Key_Escape);
        };
        FrmAbout::showModal(&owner);
        QCOMPARE(answers.modals, QStringList{"frmAbout"});
        QVERIFY(modal);
        QVERIFY(centred);
        QVERIFY(seen.isNull());
    }

    void startSysInfoStartsTheFirstDesktopProgramOnThePathThatStarts() {
        {
            FakeLauncher launcher;
            launcher.onPath["hardinfo"] = "/usr/bin/hardinfo";
            launcher.onPath["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
            launcher.startable << "/usr/bin/hardinfo"
                               << "/usr/bin/gnome-system-monitor";
            QVERIFY(startSysInfo(launcher).isEmpty());
            QCOMPARE(launcher.started, QStringList{"/usr/bin/hardinfo"});
        }
        {
            // The first one found does not start: the next one does.
            FakeLauncher launcher;
            launcher.onPath["kinfocenter"] = "/usr/bin/kinfocenter";
            launcher.onPath["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
            launcher.startable << "/usr/bin/gnome-system-monitor";
            QVERIFY(startSysInfo(launcher).isEmpty());
            QCOMPARE(launcher.attempted, (QStringList{"/usr/bin/kinfocenter", "/usr/bin/gnome-system-monitor"}));
        }
        {
            // None on the PATH, or none that starts: the user is told.
            FakeLauncher launcher;
            QCOMPARE(startSysInfo(launcher), QStringList{kUnavailable});
            launcher.onPath["hardinfo2"] = "/usr/bin/hardinfo2";
            QCOMPARE(startSysInfo(launcher), QStringList{kUnavailable});
            QCOMPARE(launcher.attempted, QStringList{"/usr/bin/hardinfo2"});
        }
    }

    void theRealLauncherFindsAndStartsAProgramOnThePath() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString marker = dir.filePath(QStringLiteral("started"));
        const QString program = dir.filePath(QStringLiteral("hardinfo"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit());
        DialogAnswers answers;
        FrmAbout(nullptr).StartSysInfo();
        QVERIFY(answers.messages.isEmpty());
        QTRY_VERIFY(QFile::exists(marker));

        qputenv("PATH", QDir(dir.filePath(QStringLiteral("empty"))).path().toLocal8Bit());
        FrmAbout(nullptr).StartSysInfo();
        qputenv("PATH", savedPath);
        QCOMPARE(answers.messages, QStringList{kUnavailable});
    }

    void theUnavailableMessageHasOneOkButtonAndTheApplicationTitle() {
        FakeLauncher launcher;
        FrmAbout box(nullptr, &launcher);
        QString title;
        QString text;
        QList<QAbstractButton*> buttons;
        QTimer::singleShot(0, this, [&] {
            auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(message != nullptr);
            title = message->windowTitle();
            text = message->text();
            buttons = message->buttons();
            QCOMPARE(message->standardButton(buttons.front()), QMessageBox::Ok);
            buttons.front()->click();
        });
        box.StartSysInfo();
        QCOMPARE(title, QStringLiteral("Quorvale_2000"));
        QCOMPARE(text, kUnavailable);
        QCOMPARE(buttons.size(), 1);
    }
};

QUORVALE_GUI_TEST_MAIN(FrmAboutTest)
#include "FrmAboutTest.moc"
