// The window-test fixture fails the running test, at the caller's line, on
// every lookup that finds nothing, so that a renamed action, field or window
// cannot turn a check into one that passes. The lookups run in a child
// process (this program with --missing), whose report must list each one as
// a failure of its own.

#include <QMenu>
#include <QProcess>
#include <QtTest>
#include <memory>

#include "GuiTestSupport.h"
#include "inputs/gui/FrmData.h"

using namespace quorvale;
using namespace quorvale::testing;

// Run in the child: every function looks up a name that is not there.
class MissingNames : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    // The check that once passed for a renamed item.
    void uncheckedAction() { QVERIFY(!m_f->isChecked(QStringLiteral("MnuRenamed"))); }
    void triggeredAction() { m_f->trigger(QStringLiteral("mnuRenamed")); }
    void simulatorField() { QCOMPARE(m_f->simulatorText("TextRenamed"), QString()); }
    void entryField() { QCOMPARE(fieldText(*m_f->data(), "dataRenamed"), QString()); }
    void menu() { QVERIFY(m_f->find<QMenu>(QStringLiteral("mnuRenamed")) == nullptr); }
    // The cost chart is closed until a cost item is checked.
    void closedWindow() { QVERIFY(m_f->frame(WindowId::FrmGraph) == nullptr); }
};

class FixtureTest : public QObject {
    Q_OBJECT

private slots:
    void everyLookupOfAMissingNameFailsTheTestAtItsCaller() {
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--missing")});
        QVERIFY(child.waitForFinished(60000));
        const QString report = QString::fromUtf8(child.readAll());

        const QList<QPair<const char*, const char*>> failures{
            {"uncheckedAction", "no action named MnuRenamed"},
            {"triggeredAction", "no action named mnuRenamed"},
            {"simulatorField", "no Simulator field named TextRenamed"},
            {"entryField", "no child named FrmData.dataRenamed"},
            {"menu", "no child named mnuRenamed"},
            {"closedWindow", "no open window named FrmGraph"},
        };
        for (const auto& [function, message] : failures) {
            const QString line = QStringLiteral("FAIL!  : MissingNames::%1() %2\n   Loc: [")
                                     .arg(QLatin1String(function), QLatin1String(message));
            const qsizetype at = report.indexOf(line);
            QVERIFY2(at >= 0, qPrintable(line + QStringLiteral(" not in:\n") + report));
            // The place is the test's own line, not the fixture's.
            const QString place = report.mid(at + line.size()).section(QLatin1Char(']'), 0, 0);
            QVERIFY2(place.contains(QLatin1String("FixtureTest.cpp(")), qPrintable(place));
        }
        // Nothing else failed: Qt Test exits with the number of failures.
        QCOMPARE(report.count(QLatin1String("FAIL!")), failures.size());
        QCOMPARE(child.exitCode(), int(failures.size()));
    }
};

int main(int argc, char** argv) {
    prepareEnvironment();
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--missing") == 0) {
        MissingNames probe;
        return QTest::qExec(&probe, QStringList{QString::fromLocal8Bit(argv[0])});
    }
    FixtureTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FixtureTest.moc"
