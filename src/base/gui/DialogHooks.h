#pragma once
// Every modal dialog, question and message the program puts to the user, and
// its one way of ending at once, go through here, so that automated tests can
// answer them without a dialog blocking the event loop or the test program
// ending.

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace quorvale {

class DialogHooks {
public:
    // Returns the chosen file name, empty when the user cancels.
    using SaveFileName = std::function<QString(QWidget* parent, const QString& caption, const QString& suggestedName,
                                               const QString& filter)>;
    // Returns the chosen existing file, empty when the user cancels.
    using OpenFileName = std::function<QString(QWidget* parent, const QString& caption, const QString& directory,
                                               const QString& filter)>;
    // Shows a message with one OK button.
    using Message = std::function<void(QWidget* parent, const QString& text)>;
    // Asks a question with Yes and No; true for Yes.
    using Question = std::function<bool(QWidget* parent, const QString& text)>;
    // Takes a dialog that is shown application-modal and returns once the
    // user is done with it.
    using Modal = std::function<void(QDialog& dialog)>;
    // Ends the program at once with `code`.
    using Exit = std::function<void(int code)>;

    static QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                                const QString& filter);
    static QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter);
    static void message(QWidget* parent, const QString& text);
    static bool question(QWidget* parent, const QString& text);
    // Shows `dialog` modally and returns when it is closed.
    static void runModal(QDialog& dialog);
    // Leaves the event loop at once: no other window opens, nothing more runs.
    static void exit(int code);

    // Replace the real dialogs and the real exit; an empty function restores
    // them.
    static void setSaveFileName(SaveFileName hook);
    static void setOpenFileName(OpenFileName hook);
    static void setMessage(Message hook);
    static void setQuestion(Question hook);
    static void setModal(Modal hook);
    static void setExit(Exit hook);
};

}  // namespace quorvale
