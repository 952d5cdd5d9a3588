#include "base/gui/DialogHooks.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "base/Texts.h"

namespace quorvale {
namespace {

// The test's answers in place of the real dialogs and exit; empty while the
// program runs for real.
struct Hooks {
    DialogHooks::SaveFileName saveFileName;
    DialogHooks::OpenFileName openFileName;
    DialogHooks::Message message;
    DialogHooks::Question question;
    DialogHooks::Modal modal;
    DialogHooks::Exit exit;
};

Hooks& hooks() {
    static Hooks all;
    return all;
}

}  // namespace

QString DialogHooks::saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                                  const QString& filter) {
    if (hooks().saveFileName) {
        return hooks().saveFileName(parent, caption, suggestedName, filter);
    }
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

QString DialogHooks::openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                  const QString& filter) {
    if (hooks().openFileName) {
        return hooks().openFileName(parent, caption, directory, filter);
    }
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

void DialogHooks::message(QWidget* parent, const QString& text) {
    if (hooks().message) {
        hooks().message(parent, text);
        return;
    }
    // Every message of the program carries the application title and a
    // single OK button.
    QMessageBox::information(parent, QString::fromUtf8(texts::shell::kAppTitle), text, QMessageBox::Ok);
}

bool DialogHooks::question(QWidget* parent, const QString& text) {
    if (hooks().question) {
        return hooks().question(parent, text);
    }
    return QMessageBox::question(parent, QString::fromUtf8(texts::shell::kAppTitle), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void DialogHooks::runModal(QDialog& dialog) {
    if (hooks().modal) {
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        hooks().modal(dialog);
        return;
    }
    dialog.exec();
}

void DialogHooks::exit(int code) {
    if (hooks().exit) {
        hooks().exit(code);
        return;
    }
    QCoreApplication::exit(code);
}

void DialogHooks::setSaveFileName(SaveFileName hook) { hooks().saveFileName = std::move(hook); }

void DialogHooks::setOpenFileName(OpenFileName hook) { hooks().openFileName = std::move(hook); }

void DialogHooks::setMessage(Message hook) { hooks().message = std::move(hook); }

void DialogHooks::setQuestion(Question hook) { hooks().question = std::move(hook); }

void DialogHooks::setModal(Modal hook) { hooks().modal = std::move(hook); }

void DialogHooks::setExit(Exit hook) { hooks().exit = std::move(hook); }

}  // namespace quorvale
