// Unit files on the desktop: the Tools menu and toolbar, open and save,
// refused files, the failed save, the recent list, drops, the kept inputs
// across a restart and the file named on the command line.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <csignal>
#include <optional>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

#include "GuiTestSupport.h"
#include "cli/Cli.h"
#include "charts/gui/DataGridChart.h"
#include "units/UnitDocument.h"
#include "inputs/gui/EntryField.h"
#include "inputs/gui/FrmData.h"
#include "model/RangeSweep.h"
#include "app/gui/FrmSplash2.h"
#include "app/gui/StartUp.h"
#include "units/gui/UnitActions.h"
#include "simulator/gui/FrmStats.h"
#include "base/gui/WindowRegistry.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

QStringList fieldTexts(FrmData& data) {
    QStringList texts;
    for (int i = 0; i < kEntryCount; ++i) {
        texts.append(data.field(i)->text());
    }
    return texts;
}

struct TotalCosts final : SweepSink {
    std::vector<double> values;
    void prepare(int) override {}
    void writeStep(int, const YardingResult& r) override { values.push_back(r.totalCost); }
};

// A unit that differs from the defaults everywhere it can.
UnitDocument sampleUnit() {
    UnitDocument unit = defaultUnitDocument();
    unit.name = "North slope";
    unit.pattern = CorridorPattern::FanShaped;
    unit.target = "2";
    unit.entries[HarvestVolume] = {"20", "30"};
    unit.entries[ExternalYardingDistance] = {"12", "16"};
    unit.entries[OperatorCost] = {"2500", "3500"};
    return unit;
}

QString writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("cannot write %s", qPrintable(path));
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

}  // namespace

class UnitFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;
    QTemporaryDir m_dir;

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    FrmData& data() const { return *m_f->data(); }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void toolsMenuAndToolbarCarryTheUnitCommands() {
        QMenu* tools = m_f->main().toolsMenu();
        QVERIFY(tools);
        struct Item {
            const char* name;
            const char* text;
            QKeySequence keys;
        };
        for (const Item& item :
             {Item{"mnuToolsOpenUnit", "Open Unit...", QKeySequence(QStringLiteral("Ctrl+Shift+O"))},
              Item{"mnuToolsSaveUnitAs", "Save Unit As...", QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
              Item{"mnuToolsRestoreLastInputs", "Restore Last Inputs", QKeySequence()}}) {
            QAction* a = m_f->action(QString::fromLatin1(item.name));
            QVERIFY2(a, item.name);
            QCOMPARE(a->text(), QString::fromLatin1(item.text));
            QCOMPARE(a->shortcut(), item.keys);
            QVERIFY(tools->actions().contains(a));
            QVERIFY(!a->icon().isNull());
        }
        auto* bar = m_f->find<QToolBar>(QStringLiteral("tbTools"));
        QVERIFY(bar && bar->isVisible());
        QVERIFY(bar->actions().contains(m_f->action(QStringLiteral("mnuToolsOpenUnit"))));
        QVERIFY(bar->actions().contains(m_f->action(QStringLiteral("mnuToolsSaveUnitAs"))));
        // A fresh settings store: no recent units, nothing kept to restore.
        QVERIFY(!m_f->action(QStringLiteral("mnuToolsRecentUnit_1"))->isVisible());
        QVERIFY(!m_f->action(QStringLiteral("mnuToolsRestoreLastInputs"))->isEnabled());
        // The File menu's Open and Save stay as they are: disabled.
        QVERIFY(!m_f->action(QStringLiteral("mnuFileOpen"))->isEnabled());
        QVERIFY(!m_f->action(QStringLiteral("mnuFileSaveAs"))->isEnabled());
    }

    void aSavedUnitOpensAgainWithTheSameTextsPatternAndSweep() {
        m_f->trigger(QStringLiteral("MnuTotalCost"));
        data().fillInputs(sampleUnit());
        m_f->simulator()->setTargetText(QStringLiteral("2"));
        const QStringList saved = fieldTexts(data());
        DialogAnswers answers;
        answers.saveAs = path("round");  // the suffix is added
        m_f->trigger(QStringLiteral("mnuToolsSaveUnitAs"));
        QVERIFY2(answers.messages.isEmpty(), qPrintable(answers.messages.join('\n')));
        QCOMPARE(answers.saveCaptions, QStringList{QStringLiteral("Save Unit As")});
        const UnitReadResult file = readUnitFile(path("round.qvunit").toStdString());
        QVERIFY2(file, file.error.c_str());
        QCOMPARE(file.document->name, std::string("round"));
        QCOMPARE(file.document->target, std::string("2"));

        // Back to the defaults by closing the Variables window.
        m_f->main().windows().close(WindowId::FrmData);
        m_f->trigger(QStringLiteral("MnuVariables"));
        QCOMPARE(data().field(0)->text(), QStringLiteral("35.0"));
        m_f->simulator()->setTargetText(QStringLiteral("5"));

        const int runs = m_f->main().analysisRuns();
        answers.openAs = path("round.qvunit");
        m_f->trigger(QStringLiteral("mnuToolsOpenUnit"));
        QVERIFY2(answers.messages.isEmpty(), qPrintable(answers.messages.join('\n')));
        QCOMPARE(m_f->main().analysisRuns(), runs + 1);  // as one edit
        QCOMPARE(fieldTexts(data()), saved);
        QVERIFY(data().option2()->isChecked());
        QCOMPARE(m_f->simulator()->targetText(), QStringLiteral("2"));
        QCOMPARE(m_f->main().units().unitName(), QStringLiteral("round"));

        // The cost chart holds the sweep the core gives for the same file.
        InMemoryInputs inputs;
        applyUnit(*file.document, inputs);
        GraphMarks marks;
        marks.low = true;
        TotalCosts core;
        graph_itmain(inputs, marks, core);
        DataGridChart* chart = m_f->chart(WindowId::FrmGraph);
        QVERIFY(chart);
        const int total = static_cast<int>(chart->seriesLabels().indexOf(QStringLiteral("Total"))) + 1;
        QVERIFY(total >= 1);
        QCOMPARE(chart->rowCount(), 12);
        for (int row = 1; row <= chart->rowCount(); ++row) {
            QCOMPARE(chart->value(row, total), core.values.at(static_cast<size_t>(row - 1)));
        }

        // And the command-line tool's sweep of the same file, row by row.
        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(cli::runCli({"sweep", "--unit", path("round.qvunit").toStdString(), "--format", "csv"}, out, err), 0);
        QStringList lines = QString::fromStdString(out.str()).trimmed().split(QLatin1Char('\n'));
        const int column =
            static_cast<int>(lines.takeFirst().split(QLatin1Char(',')).indexOf(QStringLiteral("totalCost")));
        QVERIFY(column >= 0);
        QCOMPARE(lines.size(), chart->rowCount());
        for (int row = 1; row <= chart->rowCount(); ++row) {
            QCOMPARE(lines[row - 1].split(QLatin1Char(','))[column].toDouble(), chart->value(row, total));
        }
    }

    void aRefusedFileChangesNothing() {
        data().fillInputs(sampleUnit());
        const QStringList before = fieldTexts(data());
        const int runs = m_f->main().analysisRuns();
        std::string wrongCount = writeUnitDocument(sampleUnit());
        wrongCount.replace(wrongCount.find("\"12\""), 4, "\"12\", \"13\"");
        const std::vector<std::pair<QString, QString>> cases = {
            {writeFile(path("text.qvunit"), "harvest volume 20"), QStringLiteral("text.qvunit:1:1: not a JSON")},
            {writeFile(path("version.qvunit"), "{\"format\": \"quorvale-unit\", \"version\": 7}"),
             QStringLiteral("version.qvunit: /version: version 7 is not supported")},
            {writeFile(path("count.qvunit"), wrongCount),
             QStringLiteral("count.qvunit: /variables/eyd: expected two texts [Low, High], found 3 items")},
            {writeFile(path("big.qvunit"), std::string(kUnitFileLimit + 1, ' ')),
             QStringLiteral("big.qvunit: is 1048577 bytes; a unit file holds at most 1 MiB")},
        };
        DialogAnswers answers;
        for (const auto& [file, error] : cases) {
            answers.messages.clear();
            answers.openAs = file;
            m_f->trigger(QStringLiteral("mnuToolsOpenUnit"));
            QCOMPARE(answers.messages.size(), 1);
            QVERIFY2(answers.messages[0].startsWith(QStringLiteral("The unit was not opened")),
                     qPrintable(answers.messages[0]));
            QVERIFY2(answers.messages[0].contains(error), qPrintable(answers.messages[0]));
            QCOMPARE(fieldTexts(data()), before);
            QCOMPARE(m_f->main().analysisRuns(), runs);
        }
        QVERIFY(m_f->main().units().recentUnits().isEmpty());
    }

    // Numbers not in the file form, or no numbers at all, are named in one
    // message after opening, with the value each is read as; the fields
    // show those values.
    void entriesNotReadAsTheFileWritesThemAreListedInOneMessage() {
        std::string text = writeUnitDocument(sampleUnit());
        text.replace(text.find("\"20\""), 4, "\"-80\"");
        text.replace(text.find("\"30\""), 4, "\"abc\"");
        text.replace(text.find("\"12\""), 4, "\"12,0\"");
        text.replace(text.find("\"2500\""), 6, "2500");  // a JSON number is a number
        text.replace(text.find("\"3500\""), 6, "\"1e999\"");
        text.replace(text.find("\"pattern\""), 0, "\"colour\": \"red\",\n  ");
        const QString file = writeFile(path("odd.qvunit"), text);
        DialogAnswers answers;
        QVERIFY(m_f->main().units().openUnit(file));
        QCOMPARE(answers.messages.size(), 1);
        const QString name = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
        const QString repaired = QStringLiteral(" (not a usable number: the default)");
        QCOMPARE(answers.messages[0],
                 QStringLiteral("The unit was opened. These numbers of the file are not read as it writes them:\n") +
                     name + QStringLiteral(": harvest-volume Low \"-80\" read as 35") + repaired + QLatin1Char('\n') +
                     name + QStringLiteral(": harvest-volume High \"abc\" read as 35") + repaired + QLatin1Char('\n') +
                     name +
                     QStringLiteral(": eyd Low \"12,0\" read as 12 (unit files write numbers with \".\" as the "
                                    "decimal point and no grouping)\n") +
                     name + QStringLiteral(": operator-cost High \"1e999\" read as 3000") + repaired +
                     QStringLiteral("\n\nThe unit was opened. These parts of the file were not used:\n") + name +
                     QStringLiteral(": /colour: unknown key, ignored"));
        const QStringList expected = {QStringLiteral("35.0"), QStringLiteral("35.0"), QStringLiteral("12.0"),
                                      QStringLiteral("2500.0"), QStringLiteral("3000.0")};
        QCOMPARE((QStringList{data().field(0)->text(), data().field(1)->text(), data().field(8)->text(),
                              data().field(10)->text(), data().field(11)->text()}),
                 expected);
        // Nothing flashes: the fields say what they hold.
        QVERIFY(!data().field(0)->isFlashing() && !data().field(0)->isReadOtherwise());
    }

    // The file holds numbers in one form in every locale; the window shows
    // them in the user's, and saves what it reads.
    void aUnitMeansTheSameNumbersInACommaLocale() {
        m_f.reset();
        struct RestoreLocale {
            QLocale saved;
            ~RestoreLocale() { QLocale::setDefault(saved); }
        } restore;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_f = std::make_unique<MainWindowFixture>();
        UnitDocument unit = sampleUnit();
        unit.entries[HarvestVolume] = {"20.5", "1500"};
        unit.target = "2.5";
        QVERIFY(m_f->main().units().openUnit(writeFile(path("de.qvunit"), writeUnitDocument(unit))));
        QCOMPARE(data().field(0)->text(), QStringLiteral("20,5"));
        QCOMPARE(data().field(1)->text(), QStringLiteral("1500,0"));
        QCOMPARE(data().value(0), 20.5);
        QCOMPARE(m_f->simulator()->targetText(), QStringLiteral("2,5"));
        data().field(2)->setText(QStringLiteral("412,5"));
        QVERIFY(m_f->main().units().saveUnit(path("saved.qvunit")));
        const UnitReadResult saved = readUnitFile(path("saved.qvunit").toStdString());
        QVERIFY2(saved, saved.error.c_str());
        QCOMPARE(saved.document->entryText(0), std::string("20.5"));
        QCOMPARE(saved.document->entryText(2), std::string("412.5"));
        QCOMPARE(saved.document->entryText(lowEntry(MultipleCorridorCorrection)), std::string("0.5"));
        QCOMPARE(saved.document->target, std::string("2.5"));
        QVERIFY(saved.notes.empty());
    }

    void aFailedSaveLeavesTheEarlierFileWhole() {
        const QString target = writeFile(path("kept.qvunit"), writeUnitDocument(sampleUnit()));
        const QByteArray earlier = [&] {
            QFile f(target);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);
        // Writes past 200 bytes fail, as on a full disk; even root cannot
        // write past the limit.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = old;
        tight.rlim_cur = 200;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        DialogAnswers answers;
        const bool saved = m_f->main().units().saveUnit(target);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!saved);
        QCOMPARE(answers.messages.size(), 1);
        const QString message = answers.messages[0];
        QVERIFY2(message.startsWith(QStringLiteral("The unit could not be saved to %1: only 200 of ").arg(target)),
                 qPrintable(message));
        QVERIFY(message.endsWith(QStringLiteral("Any earlier file of that name is unchanged.")));
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), earlier);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);  // no temporary file left
    }

    void aFifoIsNeitherOpenedNorSavedOverAndNamesAreShownEscaped() {
        // Opening a FIFO would wait for a writer for good; saving would put
        // a file in its place. A link to one is the same.
        const QString fifo = path("pipe.qvunit");
        const QString link = path("link.qvunit");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, link));
        const QString file = writeFile(path("real.qvunit"), writeUnitDocument(sampleUnit()));
        QVERIFY(m_f->main().units().openUnit(file));
        const QStringList texts = fieldTexts(data());
        DialogAnswers answers;
        for (const QString& odd : {fifo, link}) {
            QVERIFY(!m_f->main().units().openUnit(odd));
            QVERIFY(!m_f->main().units().saveUnit(odd));
        }
        QCOMPARE(answers.messages.size(), 4);
        QVERIFY2(answers.messages[0].contains(fifo + QStringLiteral(": is a FIFO (named pipe), not a unit file")),
                 qPrintable(answers.messages[0]));
        QCOMPARE(answers.messages[1],
                 QStringLiteral("The unit could not be saved to %1: a FIFO (named pipe) stands there, not a file, and "
                                "is left alone; choose another name\nAny earlier file of that name is unchanged.")
                     .arg(fifo));
        struct stat status {};
        QVERIFY(lstat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fieldTexts(data()), texts);
        QCOMPARE(m_f->main().units().recentUnits(), QStringList{file});

        // A name with a terminal escape and a line break in it.
        const QString odd = writeFile(path("bad\x1b[2J\nname.qvunit"), "not json");
        QVERIFY(!m_f->main().units().openUnit(odd));
        const QString shown = m_dir.filePath(QStringLiteral("bad\\x1b[2J\\nname.qvunit"));
        QVERIFY2(answers.messages[4].contains(shown + QStringLiteral(":1:2: not a JSON document")),
                 qPrintable(answers.messages[4]));
        QVERIFY(!answers.messages[4].contains(QChar(0x1b)));
        QCOMPARE(answers.messages[4].count(QLatin1Char('\n')), 1);
    }

    void theRecentListHoldsTheFourLastUnitsNewestFirst() {
        DialogAnswers answers;
        UnitDocument unit = sampleUnit();
        int number = 20;
        for (const char* name : {"a.qvunit", "b.qvunit", "c.qvunit", "d.qvunit", "e.qvunit", "b.qvunit"}) {
            unit.entries[HarvestVolume][0] = std::string(name).substr(0, 1) == "e" ? "44" : std::to_string(++number);
            writeFile(path(name), writeUnitDocument(unit));
            QVERIFY(m_f->main().units().openUnit(path(name)));
        }
        const QStringList expected = {path("b.qvunit"), path("e.qvunit"), path("d.qvunit"), path("c.qvunit")};
        QCOMPARE(m_f->main().units().recentUnits(), expected);
        QAction* second = m_f->action(QStringLiteral("mnuToolsRecentUnit_2"));
        QVERIFY(second->isVisible());
        QCOMPARE(second->text(), QStringLiteral("&2 ") + QDir::toNativeSeparators(path("e.qvunit")));
        second->trigger();
        QCOMPARE(data().field(0)->text(), QStringLiteral("44.0"));

        // A recent file that is gone is taken off the list.
        QFile::remove(path("d.qvunit"));
        m_f->trigger(QStringLiteral("mnuToolsRecentUnit_3"));
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.messages[0].contains(QStringLiteral("no longer there")));
        QCOMPARE(m_f->main().units().recentUnits(),
                 (QStringList{path("e.qvunit"), path("b.qvunit"), path("c.qvunit")}));
        QVERIFY(!m_f->action(QStringLiteral("mnuToolsRecentUnit_4"))->isVisible());
    }

    void aUnitFileDroppedOnTheMainWindowOpens() {
        const QString file = writeFile(path("dropped.qvunit"), writeUnitDocument(sampleUnit()));
        auto dropOn = [](QWidget* target, const QString& dropped) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(dropped)});
            mime.setText(QUrl::fromLocalFile(dropped).toString());
            const QPoint at = target->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            if (!enter.isAccepted()) {
                return false;
            }
            QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
            return drop.isAccepted();
        };
        // Another kind of file is not taken.
        QVERIFY(!dropOn(m_f->main().mdiArea()->viewport(), writeFile(path("notes.txt"), "x")));
        // Dropped on an entry field, the file is opened, not pasted.
        QVERIFY(dropOn(data().field(3), file));
        QCOMPARE(data().field(0)->text(), QStringLiteral("20.0"));
        QCOMPARE(data().field(1)->text(), QStringLiteral("30.0"));
        QCOMPARE(data().field(3)->text(), QStringLiteral("400.0"));
        QVERIFY(data().option2()->isChecked());
        QCOMPARE(m_f->main().units().recentUnits(), QStringList{file});
    }

    void restoreLastInputsBringsBackTheClosedWindowsInputsAfterARestart() {
        data().fillInputs(sampleUnit());
        const QStringList typed = fieldTexts(data());
        // Closing the main window closes the Variables window, which keeps
        // its inputs.
        m_f->main().close();
        m_f.reset();
        m_f = std::make_unique<MainWindowFixture>(/*keepSettings=*/true);
        QCOMPARE(data().field(0)->text(), QStringLiteral("35.0"));  // start-up shows the defaults
        QVERIFY(data().option1()->isChecked());
        QVERIFY(m_f->action(QStringLiteral("mnuToolsRestoreLastInputs"))->isEnabled());
        m_f->trigger(QStringLiteral("mnuToolsRestoreLastInputs"));
        QCOMPARE(fieldTexts(data()), typed);
        QVERIFY(data().option2()->isChecked());

        // Kept under their own group, apart from the placement.
        QSettings store(settingsFile(), QSettings::IniFormat);
        QVERIFY(store.childGroups().contains(QStringLiteral("LastInputs")));
        QVERIFY(!store.value(QStringLiteral("Settings/Document")).isValid());

        // Closing the window alone keeps them too.
        data().field(0)->setText(QStringLiteral("44.0"));
        m_f->main().windows().close(WindowId::FrmData);
        m_f->trigger(QStringLiteral("MnuVariables"));
        QCOMPARE(data().field(0)->text(), QStringLiteral("35.0"));
        m_f->trigger(QStringLiteral("mnuToolsRestoreLastInputs"));
        QCOMPARE(data().field(0)->text(), QStringLiteral("44.0"));
    }

    void aUnitIsNotOpenedWhileASimulationReadsTheInputs() {
        const QString file = writeFile(path("busy.qvunit"), writeUnitDocument(sampleUnit()));
        DialogAnswers answers;
        std::optional<bool> opened;
        QStringList during;
        YieldWatch watch([&] {
            if (!opened && m_f->simulator()->isRunning()) {
                during = fieldTexts(data());
                opened = m_f->main().units().openUnit(file);
            }
        });
        QTest::mouseClick(m_f->simulator()->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(opened, std::optional<bool>(false));
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.messages[0].startsWith(QStringLiteral("The inputs cannot change while a simulation runs.")));
        QCOMPARE(fieldTexts(data()), during);
    }

    void aUnitNamedOnTheCommandLineOpensAndStaysTheLastInputsThroughAStartThatOnlyLooks() {
        m_f.reset();
        const QString file = writeFile(path("start.qvunit"), writeUnitDocument(sampleUnit()));
        {
            StartUp startUp;
            startUp.setUnitFile(file);
            startUp.begin();
            QTest::mouseClick(startUp.splash()->acceptButton(), Qt::LeftButton);
            QTRY_VERIFY(startUp.mainWindow());
            auto* data = qobject_cast<FrmData*>(startUp.mainWindow()->windows().window(WindowId::FrmData));
            QVERIFY(data);
            QTRY_COMPARE(data->field(0)->text(), QStringLiteral("20.0"));
            QVERIFY(data->option2()->isChecked());
            startUp.mainWindow()->close();
            settle();
        }
        // The last inputs are what the user set or opened. A start that only
        // looks keeps nothing: neither at exit nor when its Variables window
        // closes and opens again with the defaults.
        m_f = std::make_unique<MainWindowFixture>(/*keepSettings=*/true);
        m_f->main().windows().close(WindowId::FrmData);
        m_f->trigger(QStringLiteral("MnuVariables"));
        m_f->main().close();
        m_f = std::make_unique<MainWindowFixture>(/*keepSettings=*/true);
        QCOMPARE(data().field(0)->text(), QStringLiteral("35.0"));
        m_f->trigger(QStringLiteral("mnuToolsRestoreLastInputs"));
        QCOMPARE(data().field(0)->text(), QStringLiteral("20.0"));
        QVERIFY(data().option2()->isChecked());
    }
};

QUORVALE_GUI_TEST_MAIN(UnitFilesTest)
#include "UnitFilesTest.moc"
