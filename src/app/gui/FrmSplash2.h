#pragma once
// The disclaimer shown at start. Accepting it, or closing it in any other way
// than "Exit", opens the main window; "Exit" ends the program at once, with
// no other window opened and nothing written.

#include <QWidget>

class QPushButton;

namespace quorvale {

class FrmSplash2 : public QWidget {
    Q_OBJECT

public:
    explicit FrmSplash2(QWidget* parent = nullptr);

    QPushButton* acceptButton() const { return m_accept; }
    QPushButton* exitButton() const { return m_exit; }

signals:
    // The window closed by any way but "Exit".
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void exitNow();

    QPushButton* m_accept;
    QPushButton* m_exit;
    bool m_exiting = false;
    bool m_unloaded = false;
};

}  // namespace quorvale
