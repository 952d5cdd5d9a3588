#pragma once
// The few modal questions and messages the program puts to the user go
// through here, so that automated tests can answer them without a dialog
// blocking the event loop.

#include <QString>
#include <functional>

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

    static QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                                const QString& filter);
    static QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter);
    static void message(QWidget* parent, const QString& text);
    static bool question(QWidget* parent, const QString& text);

    // Replace the real dialogs; an empty function restores them.
    static void setSaveFileName(SaveFileName hook);
    static void setOpenFileName(OpenFileName hook);
    static void setMessage(Message hook);
    static void setQuestion(Question hook);
};

}  // namespace quorvale
