#include "base/gui/DialogHooks.h"

#include <QFileDialog>
#include <QMessageBox>

#include "base/Texts.h"

namespace quorvale {
namespace {

DialogHooks::SaveFileName& saveFileNameHook() {
    static DialogHooks::SaveFileName hook;
    return hook;
}

DialogHooks::OpenFileName& openFileNameHook() {
    static DialogHooks::OpenFileName hook;
    return hook;
}

DialogHooks::Message& messageHook() {
    static DialogHooks::Message hook;
    return hook;
}

DialogHooks::Question& questionHook() {
    static DialogHooks::Question hook;
    return hook;
}

}  // namespace

QString DialogHooks::saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                                  const QString& filter) {
    if (saveFileNameHook()) {
        return saveFileNameHook()(parent, caption, suggestedName, filter);
    }
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

QString DialogHooks::openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                  const QString& filter) {
    if (openFileNameHook()) {
        return openFileNameHook()(parent, caption, directory, filter);
    }
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

void DialogHooks::message(QWidget* parent, const QString& text) {
    if (messageHook()) {
        messageHook()(parent, text);
        return;
    }
    // Every message of the program carries the application title and a
    // single OK button.
    QMessageBox::information(parent, QString::fromUtf8(texts::shell::kAppTitle), text, QMessageBox::Ok);
}

bool DialogHooks::question(QWidget* parent, const QString& text) {
    if (questionHook()) {
        return questionHook()(parent, text);
    }
    return QMessageBox::question(parent, QString::fromUtf8(texts::shell::kAppTitle), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void DialogHooks::setSaveFileName(SaveFileName hook) { saveFileNameHook() = std::move(hook); }

void DialogHooks::setOpenFileName(OpenFileName hook) { openFileNameHook() = std::move(hook); }

void DialogHooks::setMessage(Message hook) { messageHook() = std::move(hook); }

void DialogHooks::setQuestion(Question hook) { questionHook() = std::move(hook); }

}  // namespace quorvale
