#pragma once
// The start-up routine: shows the disclaimer without blocking; when it is
// closed by any way but "Exit" a new main window is created, loaded and shown
// maximized. The program ends when the main window closes.

#include <QObject>
#include <QPointer>

namespace quorvale {

class FrmMain;
class FrmSplash2;

class StartUp : public QObject {
    Q_OBJECT

public:
    explicit StartUp(QObject* parent = nullptr);
    ~StartUp() override;

    void begin();

    FrmSplash2* splash() const;
    FrmMain* mainWindow() const;

private:
    void openMainWindow();

    QPointer<FrmSplash2> m_splash;
    QPointer<FrmMain> m_main;
};

}  // namespace quorvale
