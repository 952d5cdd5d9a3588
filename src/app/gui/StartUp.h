#pragma once
// The start-up routine: shows the disclaimer without blocking; when it is
// closed by any way but "Exit" a new main window is created, loaded and shown
// maximized. The program ends when the main window closes.

#include <QObject>
#include <QPointer>
#include <QString>

namespace quorvale {

class FrmMain;
class FrmSplash2;

class StartUp : public QObject {
    Q_OBJECT

public:
    explicit StartUp(QObject* parent = nullptr);
    ~StartUp() override;

    void begin();
    // A unit file to open once the main window is up (`quorvale FILE`).
    void setUnitFile(const QString& path) { m_unitFile = path; }

    FrmSplash2* splash() const;
    FrmMain* mainWindow() const;

private:
    void openMainWindow();

    QPointer<FrmSplash2> m_splash;
    QPointer<FrmMain> m_main;
    QString m_unitFile;
};

}  // namespace quorvale
