#pragma once
// The About box: the program's title, purpose and contact, "OK", and a
// launcher for the operating system's system-information program.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "about/gui/ProgramLauncher.h"
#include "about/gui/Registry.h"

class QPushButton;

namespace quorvale {

// Shows a message box with one OK button.
using MessageFunction = std::function<void(QWidget* owner, const QString& title, const QString& text)>;

// What the About box reaches outside the program; anything left empty is the
// system's own.
struct AboutServices {
    Registry* registry = nullptr;
    ProgramLauncher* launcher = nullptr;
    MessageFunction message;
};

class FrmAbout final : public QDialog {
    Q_OBJECT
public:
    // Runs the box in place of the modal loop (tests drive it and return).
    using ModalRunner = std::function<void(FrmAbout& box)>;

    // The size of the buffer a registry value is read into.
    static constexpr std::size_t kValueCapacity = 1024;

    explicit FrmAbout(QWidget* owner, AboutServices services = {});
    ~FrmAbout() override;

    // Opens the box modally over its owner and returns when it is closed.
    static void showModal(QWidget* owner);
    static void setModalRunner(ModalRunner runner);

    // Starts the system-information program, or tells the user it is not
    // available.
    void StartSysInfo();

    // Reads value `subKeyRef` of key `keyName` below `keyRoot` into `keyVal`:
    // a text as it stands, a 32-bit number as its decimal text; other types
    // leave `keyVal` as it was. False, with `keyVal` emptied, when the key or
    // the value cannot be read.
    bool GetKeyValue(RegistryRoot keyRoot, const std::string& keyName, const std::string& subKeyRef,
                     std::string& keyVal);

public slots:
    // Esc and the close box choose "OK" like Enter does.
    void reject() override { accept(); }

private:
    void buildControls();
    QString findSysInfoProgram();

    std::unique_ptr<Registry> m_ownRegistry;
    std::unique_ptr<ProgramLauncher> m_ownLauncher;
    Registry* m_registry;
    ProgramLauncher* m_launcher;
    MessageFunction m_message;
    QPushButton* m_ok = nullptr;
};

}  // namespace quorvale
