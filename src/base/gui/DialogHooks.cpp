#include "base/gui/DialogHooks.h"

#include <QCoreApplication>
#include <QDialog>
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

DialogHooks::Modal& modalHook() {
    static DialogHooks::Modal hook;
    return hook;
}

DialogHooks::Exit& exitHook() {
    static DialogHooks::Exit hook;
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

void DialogHooks::runModal(QDialog& dialog) {
    if (modalHook()) {
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        modalHook()(dialog);
        return;
    }
    dialog.exec();
}

void DialogHooks::exit(int code) {
    if (exitHook()) {
        exitHook()(code);
        return;
    }
    QCoreApplication::exit(code);
}

void DialogHooks::setSaveFileName(SaveFileName hook) { saveFileNameHook() = std::move(hook); }

void DialogHooks::setOpenFileName(OpenFileName hook) { openFileNameHook() = std::move(hook); }

void DialogHooks::setMessage(Message hook) { messageHook() = std::move(hook); }

void DialogHooks::setModal(Modal hook) { modalHook() = std::move(hook); }

void DialogHooks::setExit(Exit hook) { exitHook() = std::move(hook); }

}  // namespace quorvale
