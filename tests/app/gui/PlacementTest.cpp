// The main window's placement in the settings store: defaults, saving,
// damaged values, a damaged file, a store that cannot be read or written and
// one that is not a regular file.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QRegularExpression>
#include <QSettings>
#include <sys/stat.h>
#include <unistd.h>

#include "GuiTestSupport.h"
#include "app/gui/WindowPlacement.h"
#include "base/gui/SettingsStore.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

void store(const QMap<QString, QString>& values) {
    clearSettings();
    std::unique_ptr<QSettings> s = SettingsStore::open();
    for (auto it = values.begin(); it != values.end(); ++it) {
        s->setValue(QStringLiteral("Settings/") + it.key(), it.value());
    }
    s->sync();
}

QString stored(const char* key) {
    return SettingsStore::open()->value(QStringLiteral("Settings/") + QLatin1String(key)).toString();
}

}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        clearSettings();
        QDir(QFileInfo(settingsFile()).absolutePath()).removeRecursively();
    }

    void anEmptyStoreGivesTheDefaultPlacementUnderAMaximizedWindow() {
        MainWindowFixture f;
        QVERIFY(f.main().isMaximized());
        // 1000, 1000, 6500, 6500 twips at 96 dots per inch.
        QCOMPARE(f.main().normalGeometry(), QRect(67, 67, 433, 433));
        QVERIFY(!QFile::exists(settingsFile()));  // reading writes nothing
    }

    void closingSavesThePlacementAsTextInTwips() {
        store({{"MainLeft", "3000"}, {"MainTop", "1500"}, {"MainWidth", "9000"}, {"MainHeight", "6000"}});
        MainWindowFixture f(true);
        QCOMPARE(f.main().normalGeometry(), QRect(200, 100, 600, 400));
        f.main().close();
        QCOMPARE(stored("MainLeft"), QStringLiteral("3000"));
        QCOMPARE(stored("MainTop"), QStringLiteral("1500"));
        QCOMPARE(stored("MainWidth"), QStringLiteral("9000"));
        QCOMPARE(stored("MainHeight"), QStringLiteral("6000"));
        // The default placement comes back through pixels and stays put.
        clearSettings();
        MainWindowFixture g;
        g.main().close();
        QCOMPARE(stored("MainLeft"), QStringLiteral("1005"));
        MainWindowFixture h(true);
        h.main().close();
        QCOMPARE(stored("MainLeft"), QStringLiteral("1005"));
        QCOMPARE(stored("MainWidth"), QStringLiteral("6495"));
    }

    void closingWhileMinimizedSavesNothing() {
        store({{"MainLeft", "2000"}, {"MainTop", "2000"}, {"MainWidth", "7000"}, {"MainHeight", "7000"}});
        MainWindowFixture f(true);
        f.main().showMinimized();
        QTRY_VERIFY(f.main().isMinimized());
        f.main().close();
        QCOMPARE(stored("MainLeft"), QStringLiteral("2000"));
        QCOMPARE(stored("MainWidth"), QStringLiteral("7000"));
    }

    void aValueThatIsNoNumberGivesThatKeysDefault() {
        store({{"MainLeft", "abc"}, {"MainTop", "3000"}, {"MainWidth", ""}, {"MainHeight", "7500x"}});
        MainWindowFixture f(true);
        QCOMPARE(f.main().normalGeometry(), QRect(67, 200, 433, 433));
        store({{"MainLeft", "nan"}, {"MainTop", "inf"}, {"MainWidth", "1e40"}, {"MainHeight", " 7500 "}});
        MainWindowFixture g(true);
        QCOMPARE(g.main().normalGeometry(), QRect(67, 67, 433, 500));
    }

    void aPlacementOffEveryScreenStillLeavesTheWindowReachable() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        store({{"MainLeft", "-900000"}, {"MainTop", "99999999"}, {"MainWidth", "1e30"}, {"MainHeight", "-5"}});
        MainWindowFixture f(true);
        const QRect placed = f.main().normalGeometry();
        QVERIFY(screen.contains(placed.topLeft()));
        QVERIFY(placed.width() <= screen.width() && placed.height() <= screen.height());
        QVERIFY(placed.width() >= 320 && placed.height() >= 240);
        // A window half over the edge is left where the user put it.
        const QRect half(screen.right() - 300, 50, 600, 400);
        QCOMPARE(WindowPlacement::reachable(half, {screen}, QSize(320, 240)), half);
        // Its grip off the top edge is not reachable.
        const QRect above(100, -30, 600, 400);
        QCOMPARE(WindowPlacement::reachable(above, {screen}, QSize(320, 240)).topLeft(), screen.topLeft());
        // On a second screen it stays.
        const QRect second(screen.right() + 1, 0, 1280, 1024);
        const QRect there(second.x() + 100, 100, 500, 400);
        QCOMPARE(WindowPlacement::reachable(there, {screen, second}, QSize(320, 240)), there);
    }

    void aDamagedStoreIsMovedAsideOnceAndGivesTheDefaults() {
        clearSettings();
        QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Sized from the literal itself: the text holds NUL bytes, so its
        // length cannot be taken by searching for the terminator.
        static constexpr char kGarbage[] =
            "[Settings\nMainLeft=\x01\x02\xff\xfe\nMainTop=1,2,3\n\0\0[\n=====\nMainWidth=@Variant(\x7f)\n";
        const QByteArray garbage(kGarbage, sizeof kGarbage - 1);
        file.write(garbage);
        file.close();
        const QString aside = settingsFile() + QStringLiteral(".damaged");
        // Said once; the save at exit then works and says nothing.
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("quorvale: the settings file %1 was damaged; it was moved to "
                                                       "%2, and the settings start afresh.")
                                            .arg(settingsFile(), aside)));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("damaged|could not be saved")));
        MainWindowFixture f(true);
        QCOMPARE(f.main().normalGeometry(), QRect(67, 67, 433, 433));
        f.main().close();
        QCOMPARE(stored("MainLeft"), QStringLiteral("1005"));
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), garbage);
        std::unique_ptr<QSettings> s = SettingsStore::open();
        QCOMPARE(s->status(), QSettings::NoError);
        QCOMPARE(s->allKeys(),
                 (QStringList{"Settings/MainHeight", "Settings/MainLeft", "Settings/MainTop", "Settings/MainWidth"}));
        QFile::remove(aside);
    }

    void aSettingsFileThatIsAFifoOrLinksToOneIsLeftAloneWithOneWarning() {
        // Reading a FIFO waits for a writer for good; saving over a link
        // would put the settings where the link points.
        clearSettings();
        const QString folder = QFileInfo(settingsFile()).absolutePath();
        QDir().mkpath(folder);
        const QString fifo = folder + QStringLiteral("/elsewhere");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("quorvale: the settings file %1 is a FIFO (named "
                                                                     "pipe), not a regular file; it is left alone, "
                                                                     "and the settings of this run are not kept.")
                                                          .arg(settingsFile())));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("settings file|could not be saved")));
        for (const bool viaLink : {false, true}) {
            if (viaLink) {
                QVERIFY(QFile::remove(settingsFile()));
                QVERIFY(QFile::link(fifo, settingsFile()));
            } else {
                QCOMPARE(mkfifo(QFile::encodeName(settingsFile()).constData(), 0600), 0);
            }
            MainWindowFixture f(true);
            QCOMPARE(f.main().normalGeometry(), QRect(67, 67, 433, 433));
            f.main().close();
            struct stat status {};
            QVERIFY(lstat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
            QVERIFY(lstat(QFile::encodeName(settingsFile()).constData(), &status) == 0);
            QVERIFY(viaLink ? S_ISLNK(status.st_mode) : S_ISFIFO(status.st_mode));
        }
        QFile::remove(settingsFile());
        QFile::remove(fifo);
    }

    void aStoreThatCannotBeWrittenIsReportedOnceAtExit() {
        const QString expected =
            QStringLiteral(
                "quorvale: the window placement could not be saved to %1 (the file cannot be written); check "
                "that the file and its folder can be written.")
                .arg(QDir::toNativeSeparators(settingsFile()));
        // A second report fails the test.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("could not be saved")));
        clearSettings();
        // The settings file's place is taken by a folder.
        QVERIFY(QDir().mkpath(settingsFile()));
        {
            MainWindowFixture f(true);
            QCOMPARE(f.main().normalGeometry(), QRect(67, 67, 433, 433));
            QTest::ignoreMessage(QtWarningMsg, qPrintable(expected));
            f.main().close();
            QVERIFY(!f.main().isVisible());
            f.main().close();
        }
        std::unique_ptr<QSettings> s = SettingsStore::open();
        QVERIFY(!s->contains(QStringLiteral("Settings/MainLeft")));
        QVERIFY(QDir().rmdir(settingsFile()));
        // A read-only file: only a user bound by file permissions sees it so.
        store({{"MainLeft", "2000"}});
        QVERIFY(QFile::setPermissions(settingsFile(), QFile::ReadOwner | QFile::ReadGroup));
        if (geteuid() != 0) {
            MainWindowFixture g(true);
            QTest::ignoreMessage(QtWarningMsg, qPrintable(expected));
            g.main().close();
            QCOMPARE(stored("MainLeft"), QStringLiteral("2000"));
        }
        QFile::setPermissions(settingsFile(), QFile::ReadOwner | QFile::WriteOwner);
    }
};

QUORVALE_GUI_TEST_MAIN(PlacementTest)
#include "PlacementTest.moc"
