// The About box driven through its widgets, and its system-information
// launcher with a fake registry, file test and program starter.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <map>
#include <set>

#include "base/Texts.h"
#include "about/gui/FrmAbout.h"
#include "about/gui/Registry.h"

using namespace quorvale;

namespace {

// Values by key path and value name; records every key it opens and closes.
class FakeRegistry final : public Registry {
public:
    struct Value {
        RegistryType type;
        std::string bytes;
    };

    bool present() const override { return true; }
    bool openKey(RegistryRoot root, const std::string& path, RegistryKey& key) override {
        if (root != RegistryRoot::LocalMachine || keys.count(path) == 0) {
            return false;
        }
        key = ++m_lastKey;
        m_open[key] = path;
        ++opened;
        return true;
    }
    bool queryValue(RegistryKey key, const std::string& name, std::size_t capacity, std::string& bytes,
                    RegistryType& type) override {
        capacities.insert(capacity);
        auto it = values.find({m_open.at(key), name});
        if (it == values.end()) {
            return false;
        }
        type = it->second.type;
        // The buffer the caller handed over: preset to zero characters.
        bytes = it->second.bytes + std::string(capacity - it->second.bytes.size(), '\0');
        return true;
    }
    void closeKey(RegistryKey key) override {
        if (m_open.erase(key) == 1) {
            ++closed;
        }
    }

    void set(const std::string& path, const std::string& name, RegistryType type, const std::string& bytes) {
        keys.insert(path);
        values[{path, name}] = Value{type, bytes};
    }

    std::set<std::string> keys;
    std::map<std::pair<std::string, std::string>, Value> values;
    std::set<std::size_t> capacities;
    int opened = 0;
    int closed = 0;

private:
    RegistryKey m_lastKey = 0;
    std::map<RegistryKey, std::string> m_open;
};

class FakeLauncher final : public ProgramLauncher {
public:
    bool fileExists(const QString& path) override { return files.contains(path); }
    QString findOnPath(const QString& program) override { return onPath.value(program); }
    bool start(const QString& path) override {
        attempted << path;
        if (!startable.contains(path)) {
            return false;
        }
        started << path;
        return true;
    }

    QStringList files;
    QMap<QString, QString> onPath;
    QStringList startable;
    QStringList attempted;
    QStringList started;
};

struct Message {
    QString title;
    QString text;
};

const std::string kMsInfo = texts::about::kMsInfoKey;
const std::string kLocation = texts::about::kLocationKey;

}  // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT

private:
    // Starts the system-information program from a box with these fakes and
    // returns the messages it showed.
    static QList<Message> startSysInfo(Registry& registry, FakeLauncher& launcher) {
        QList<Message> messages;
        AboutServices services;
        services.registry = &registry;
        services.launcher = &launcher;
        services.message = [&](QWidget*, const QString& title, const QString& text) {
            messages << Message{title, text};
        };
        QWidget owner;
        FrmAbout box(&owner, services);
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
        return messages;
    }

    static void expectUnavailable(const QList<Message>& messages) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.front().title, QStringLiteral("Quorvale_2000"));
        QCOMPARE(messages.front().text, QStringLiteral("System Information Is Unavailable At This Time"));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

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
        QPointer<FrmAbout> seen;
        bool modal = false;
        bool centred = false;
        FrmAbout::setModalRunner([&](FrmAbout& box) {
            seen = &box;
            modal = box.isVisible() && box.windowModality() == Qt::ApplicationModal && box.parentWidget() == &owner;
            centred = (box.geometry().center() - owner.geometry().center()).manhattanLength() <= 2;
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        FrmAbout::showModal(&owner);
        FrmAbout::setModalRunner({});
        QVERIFY(modal);
        QVERIFY(centred);
        QVERIFY(seen.isNull());
    }

    void startSysInfoStartsTheProgramTheFirstKeyNames() {
        FakeRegistry registry;
        registry.set(kMsInfo, "PATH", RegistryType::String, "C:\\Tools\\msinfo32.exe");
        registry.set(kLocation, "MSINFO", RegistryType::String, "C:\\Other");
        FakeLauncher launcher;
        launcher.startable << "C:\\Tools\\msinfo32.exe";
        QVERIFY(startSysInfo(registry, launcher).isEmpty());
        QCOMPARE(launcher.started, QStringList{"C:\\Tools\\msinfo32.exe"});
        QCOMPARE(registry.opened, registry.closed);
        QCOMPARE(registry.capacities, std::set<std::size_t>{1024});
    }

    void startSysInfoFallsBackToTheSecondKeysFolder() {
        FakeRegistry registry;
        registry.set(kMsInfo, "Other", RegistryType::String, "unused");
        registry.set(kLocation, "MSINFO", RegistryType::String, "C:\\Shared\\MSINFO");
        FakeLauncher launcher;
        launcher.files << "C:\\Shared\\MSINFO\\MSINFO32.EXE";
        launcher.startable << "C:\\Shared\\MSINFO\\MSINFO32.EXE";
        QVERIFY(startSysInfo(registry, launcher).isEmpty());
        QCOMPARE(launcher.started, QStringList{"C:\\Shared\\MSINFO\\MSINFO32.EXE"});
        QCOMPARE(registry.opened, 2);
        QCOMPARE(registry.closed, 2);
    }

    void startSysInfoTellsTheUserWhenItCannot() {
        {
            // The second key's folder lacks the program.
            FakeRegistry registry;
            registry.set(kLocation, "MSINFO", RegistryType::String, "C:\\Shared\\MSINFO");
            FakeLauncher launcher;
            launcher.startable << "C:\\Shared\\MSINFO\\MSINFO32.EXE";
            expectUnavailable(startSysInfo(registry, launcher));
            QVERIFY(launcher.attempted.isEmpty());
        }
        {
            // The first key names a program that does not start.
            FakeRegistry registry;
            registry.set(kMsInfo, "PATH", RegistryType::String, "C:\\Gone\\msinfo32.exe");
            FakeLauncher launcher;
            expectUnavailable(startSysInfo(registry, launcher));
            QCOMPARE(launcher.attempted, QStringList{"C:\\Gone\\msinfo32.exe"});
        }
        {
            // Neither key.
            FakeRegistry registry;
            FakeLauncher launcher;
            expectUnavailable(startSysInfo(registry, launcher));
            QCOMPARE(registry.opened, 0);
        }
    }

    void withoutARegistryTheDesktopsProgramIsStartedFromThePath() {
        NoRegistry registry;
        {
            FakeLauncher launcher;
            launcher.onPath["hardinfo"] = "/usr/bin/hardinfo";
            launcher.onPath["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
            launcher.startable << "/usr/bin/hardinfo"
                               << "/usr/bin/gnome-system-monitor";
            QVERIFY(startSysInfo(registry, launcher).isEmpty());
            QCOMPARE(launcher.started, QStringList{"/usr/bin/hardinfo"});
        }
        {
            // The first one found does not start: the next one does.
            FakeLauncher launcher;
            launcher.onPath["kinfocenter"] = "/usr/bin/kinfocenter";
            launcher.onPath["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
            launcher.startable << "/usr/bin/gnome-system-monitor";
            QVERIFY(startSysInfo(registry, launcher).isEmpty());
            QCOMPARE(launcher.attempted, (QStringList{"/usr/bin/kinfocenter", "/usr/bin/gnome-system-monitor"}));
        }
        {
            FakeLauncher launcher;
            expectUnavailable(startSysInfo(registry, launcher));
        }
        {
            FakeLauncher launcher;
            launcher.onPath["hardinfo2"] = "/usr/bin/hardinfo2";
            expectUnavailable(startSysInfo(registry, launcher));
        }
    }

    void theRealLauncherFindsAndStartsAProgramOnThePath() {
        if (systemRegistry()->present()) {
            QSKIP("this system keeps a registry");
        }
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
        QList<Message> messages;
        AboutServices services;
        services.message = [&](QWidget*, const QString& title, const QString& text) {
            messages << Message{title, text};
        };
        {
            FrmAbout box(nullptr, services);
            box.StartSysInfo();
        }
        QVERIFY(messages.isEmpty());
        QTRY_VERIFY(QFile::exists(marker));

        qputenv("PATH", QDir(dir.filePath(QStringLiteral("empty"))).path().toLocal8Bit());
        {
            FrmAbout box(nullptr, services);
            box.StartSysInfo();
        }
        qputenv("PATH", savedPath);
        expectUnavailable(messages);
    }

    void theUnavailableMessageHasOneOkButtonAndTheApplicationTitle() {
        NoRegistry registry;
        FakeLauncher launcher;
        AboutServices services;
        services.registry = &registry;
        services.launcher = &launcher;
        FrmAbout box(nullptr, services);
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
        QCOMPARE(text, QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(buttons.size(), 1);
    }

    void getKeyValueReadsTextsAndNumbers() {
        FakeRegistry registry;
        const std::string key = "SOFTWARE\\Test";
        registry.set(key, "text", RegistryType::String, std::string("C:\\Program\0junk", 15));
        registry.set(key, "small", RegistryType::DWord, std::string("\xff\x00\x00\x00", 4));
        registry.set(key, "mixed", RegistryType::DWord, std::string("\x05\x01\x00\x00", 4));
        registry.set(key, "inner zero", RegistryType::DWord, std::string("\x00\x00\x10\x00", 4));
        registry.set(key, "largest", RegistryType::DWord, std::string("\xff\xff\xff\xff", 4));
        registry.set(key, "binary", RegistryType::Other, std::string("\x01\x02", 2));
        AboutServices services;
        services.registry = &registry;
        FrmAbout box(nullptr, services);

        auto read = [&](const std::string& name, std::string value = "previous") {
            const bool found = box.GetKeyValue(RegistryRoot::LocalMachine, key, name, value);
            return std::make_pair(found, value);
        };
        QCOMPARE(read("text"), std::make_pair(true, std::string("C:\\Program")));
        QCOMPARE(read("small"), std::make_pair(true, std::string("255")));
        // Every byte of the number counts, whatever its size or place.
        QCOMPARE(read("mixed"), std::make_pair(true, std::string("261")));
        QCOMPARE(read("inner zero"), std::make_pair(true, std::string("1048576")));
        QCOMPARE(read("largest"), std::make_pair(true, std::string("4294967295")));
        // Other types leave the text as it was.
        QCOMPARE(read("binary"), std::make_pair(true, std::string("previous")));
        QCOMPARE(read("missing"), std::make_pair(false, std::string()));
        std::string value = "previous";
        QVERIFY(!box.GetKeyValue(RegistryRoot::LocalMachine, "SOFTWARE\\Nowhere", "text", value));
        QCOMPARE(value, std::string());
        QVERIFY(!box.GetKeyValue(RegistryRoot::CurrentUser, key, "text", value));
        // Every key opened was closed again, the failed reads' included.
        QCOMPARE(registry.opened, 7);
        QCOMPARE(registry.closed, 7);
    }
};

QTEST_MAIN(FrmAboutTest)
#include "FrmAboutTest.moc"
