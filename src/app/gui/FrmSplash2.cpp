#include "app/gui/FrmSplash2.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/gui/AppIcon.h"
#include "base/Texts.h"
#include "base/gui/DialogHooks.h"

namespace quorvale {
namespace {

QLabel* textLabel(const char* text, const char* name, double points, bool bold, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont f = label->font();
    if (points > 0) {
        f.setPointSizeF(points);
    }
    f.setBold(bold);
    label->setFont(f);
    return label;
}

}  // namespace

FrmSplash2::FrmSplash2(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmSplash2"));
    setWindowTitle(QString());

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);

    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("picLogo"));
    picture->setPixmap(AppIcon::pixmap(96));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* warning = textLabel(texts::shell::kSplashWarning, "lblWarning", 0, false, frame);
    warning->setWordWrap(true);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(18);
    grid->addWidget(picture, 0, 0, 4, 1);
    grid->addWidget(textLabel(texts::shell::kSplashProduct, "lblProductName", 22.5, true, frame), 0, 1);
    grid->addWidget(textLabel(texts::shell::kSplashVersion, "lblVersion", 15, true, frame), 1, 1);
    grid->addWidget(textLabel(texts::shell::kSplashAuthor, "lblCompany", 0, false, frame), 2, 1);
    grid->addWidget(textLabel(texts::shell::kSplashRights, "lblCopyright", 0, false, frame), 3, 1);
    grid->addWidget(warning, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    m_accept = new QPushButton(QString::fromUtf8(texts::shell::kSplashAccept), this);
    m_accept->setObjectName(QStringLiteral("Command1"));
    m_accept->setDefault(true);
    m_exit = new QPushButton(QString::fromUtf8(texts::shell::kSplashExit), this);
    m_exit->setObjectName(QStringLiteral("Command2"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_accept);
    buttons->addSpacing(24);
    buttons->addWidget(m_exit);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    warning->setMinimumWidth(420);

    connect(m_accept, &QPushButton::clicked, this, &QWidget::close);
    connect(m_exit, &QPushButton::clicked, this, &FrmSplash2::exitNow);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void FrmSplash2::exitNow() {
    m_exiting = true;
    DialogHooks::exit(0);
}

void FrmSplash2::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_exiting || m_unloaded) {
        return;
    }
    m_unloaded = true;
    emit unloaded();
}

}  // namespace quorvale
