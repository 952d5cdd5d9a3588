// Start-up: the disclaimer, its two ways out, and the check for a display.

#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "app/gui/DisplayCheck.h"
#include "app/gui/FrmSplash2.h"
#include "app/gui/StartUp.h"
#include "base/gui/WindowRegistry.h"

using namespace quorvale;
using namespace quorvale::testing;

class StartUpTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DialogAnswers> m_answers;

    static QList<FrmMain*> mainWindows() {
        QList<FrmMain*> out;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<FrmMain*>(w)) {
                out.append(main);
            }
        }
        return out;
    }

private slots:
    void init() {
        clearSettings();
        m_answers = std::make_unique<DialogAnswers>();
    }
    void cleanup() {
        m_answers.reset();
        settle();
    }

    void theDisclaimerShowsItsTextsAndTwoButtons() {
        StartUp startUp;
        startUp.begin();
        FrmSplash2* splash = startUp.splash();
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowTitle().isEmpty());
        auto text = [splash](const char* name) { return splash->findChild<QLabel*>(QLatin1String(name))->text(); };
        QCOMPARE(text("lblProductName"), QStringLiteral("Quorvale_2000"));
        QCOMPARE(text("lblVersion"), QStringLiteral("Version 1.0_Beta"));
        QCOMPARE(text("lblWarning"),
                 QStringLiteral("Warning:  The estimates provided by this software are not guaranteed.  The user (you) "
                                "assumes full responsibility for any damages caused by the use of this software."));
        QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("lblProductName"))->font().pointSizeF(), 22.5);
        QVERIFY(splash->findChild<QLabel*>(QStringLiteral("lblVersion"))->font().bold());
        QVERIFY(splash->findChild<QLabel*>(QStringLiteral("picLogo"))->pixmap().width() > 0);
        QCOMPARE(splash->acceptButton()->objectName(), QStringLiteral("Command1"));
        QCOMPARE(splash->acceptButton()->text(), QStringLiteral("I Accept Full  Responsibility"));
        QCOMPARE(splash->exitButton()->text(), QStringLiteral("Exit"));
        QVERIFY(splash->acceptButton()->x() < splash->exitButton()->x());
        QVERIFY(mainWindows().isEmpty());
    }

    void exitEndsWithoutOpeningOrWritingAnything() {
        StartUp startUp;
        startUp.begin();
        QTest::mouseClick(startUp.splash()->exitButton(), Qt::LeftButton);
        QCOMPARE(m_answers->exits, QList<int>{0});
        QVERIFY(mainWindows().isEmpty());
        // Whatever closes the window afterwards, nothing else happens.
        startUp.splash()->close();
        settle();
        QVERIFY(mainWindows().isEmpty());
        QVERIFY(!startUp.mainWindow());
        QVERIFY(!QFile::exists(settingsFile()));
    }

    void acceptingOpensTheMainWindowMaximizedWithLowRange() {
        StartUp startUp;
        startUp.begin();
        QTest::mouseClick(startUp.splash()->acceptButton(), Qt::LeftButton);
        settle();
        QVERIFY(!startUp.splash());
        QCOMPARE(mainWindows().size(), 1);
        FrmMain* main = startUp.mainWindow();
        QVERIFY(main && main->isVisible() && main->isMaximized());
        QVERIFY(main->results().isChecked(QStringLiteral("MnuGraphLow")));
        QVERIFY(main->windows().isLoaded(WindowId::FrmData));
        QVERIFY(m_answers->exits.isEmpty());
        main->close();
        settle();
        QVERIFY(!startUp.mainWindow());  // deleted on close
        QVERIFY(QFile::exists(settingsFile()));
    }

    void closingTheDisclaimerAnyOtherWayAlsoOpensTheMainWindow() {
        StartUp startUp;
        startUp.begin();
        startUp.splash()->close();
        settle();
        QVERIFY(startUp.mainWindow());
        QCOMPARE(mainWindows().size(), 1);
    }

    void withoutADisplayTheProgramSaysWhatToUseInstead() {
        QVERIFY(DisplayCheck::problem(nullptr, nullptr, nullptr));
        QVERIFY(DisplayCheck::problem("", "", ""));
        QVERIFY(!DisplayCheck::problem(nullptr, ":0", nullptr));
        QVERIFY(!DisplayCheck::problem(nullptr, nullptr, "wayland-0"));
        QVERIFY(DisplayCheck::problem("xcb", nullptr, "wayland-0"));
        QVERIFY(DisplayCheck::problem("wayland", ":0", nullptr));
        QVERIFY(!DisplayCheck::problem("offscreen", nullptr, nullptr));
        QVERIFY(!DisplayCheck::problem("vnc", nullptr, nullptr));
        const std::string message = DisplayCheck::message(*DisplayCheck::problem(nullptr, nullptr, nullptr));
        QVERIFY(message.find("quorvale-cli sweep") != std::string::npos);
        QVERIFY(message.find("DISPLAY") != std::string::npos);

        // A named display must also answer; which one is silent is said.
        const auto answers = [](bool yes) { return [yes](const char*) { return yes; }; };
        const DisplayCheck::Probes silent{answers(false), answers(false)};
        const DisplayCheck::Probes waylandOnly{answers(false), answers(true)};
        const auto why = DisplayCheck::problem(nullptr, ":77", nullptr, silent);
        QVERIFY(why && why->find("DISPLAY \":77\"") != std::string::npos);
        QVERIFY(!DisplayCheck::problem(nullptr, ":0", nullptr, {answers(true), answers(false)}));
        QVERIFY(!DisplayCheck::problem(nullptr, ":77", "wayland-0", waylandOnly));
        QVERIFY(DisplayCheck::problem("xcb", ":77", "wayland-0", waylandOnly));
        QVERIFY(!DisplayCheck::problem("offscreen", ":77", nullptr, silent));
        QVERIFY(!DisplayCheck::x11Answers(":77"));  // the real probe: no server there
        QVERIFY(!DisplayCheck::waylandAnswers("/nonexistent/wayland-77"));
    }
};

QUORVALE_GUI_TEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
