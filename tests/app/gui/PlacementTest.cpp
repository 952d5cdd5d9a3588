// The main window's placement in the settings store: defaults, saving,
// damaged values and a store that cannot be read or written.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QRegularExpression>
#include <QSettings>
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

    void aCorruptStoreGivesTheDefaults() {
        clearSettings();
        QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Sized from the literal itself: the text holds NUL bytes, so its
        // length cannot be taken by searching for the terminator.
        static constexpr char kGarbage[] =
            "[Settings\nMainLeft=\x01\x02\xff\xfe\nMainTop=1,2,3\n\0\0[\n=====\nMainWidth=@Variant(\x7f)\n";
        file.write(QByteArray(kGarbage, sizeof kGarbage - 1));
        file.close();
        MainWindowFixture f(true);
        QCOMPARE(f.main().normalGeometry(), QRect(67, 67, 433, 433));
        f.main().close();  // and saving over it works
        QCOMPARE(stored("MainLeft"), QStringLiteral("1005"));
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
