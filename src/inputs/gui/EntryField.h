#pragma once
// An entry field of the Variables window. It reports leaving the field (the
// edit the window notices) and turns the Up and Down keys into spin steps.

#include <QLineEdit>

namespace quorvale {

class EntryField : public QLineEdit {
    Q_OBJECT

public:
    // How long the highlight of a repaired field lasts.
    static constexpr int kFlashMs = 1500;

    explicit EntryField(QWidget* parent = nullptr);

    // Feedback that changes neither the text nor any event: a repaired
    // field flashes and keeps a tool tip saying so; a field whose text is
    // read as another number than it says ("8O" as 8) keeps the repaired
    // colour and a tool tip saying what it is read as; a Low above its High
    // stays highlighted with a tool tip. An empty tip clears the tool tip.
    void showRepaired(const QString& tip);
    void setReadAs(const QString& tip);
    void setInverted(bool inverted, const QString& tip);
    void clearFeedback();
    bool isFlashing() const { return m_flashing; }
    bool isReadOtherwise() const { return !m_readAsTip.isEmpty(); }
    bool isInverted() const { return m_inverted; }

signals:
    // Focus moved on to another control or window of the program. A menu or
    // context menu opening over the field, or the whole program losing the
    // focus, is not leaving it.
    void lostFocus();
    void stepKey(int direction);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyHighlight();

    QString m_repairedTip;
    QString m_readAsTip;
    QString m_invertedTip;
    bool m_flashing = false;
    bool m_inverted = false;
    int m_flashes = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvale
