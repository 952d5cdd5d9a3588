#include "about/gui/FrmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include "base/Texts.h"
#include "base/gui/DialogHooks.h"
#include "base/gui/Twips.h"

namespace quorvale {
namespace {

// Client area and control positions in twips.
constexpr int kClientWidth = 5865;
constexpr int kClientHeight = 3630;
constexpr int kSeparatorTop = 2640;

}  // namespace

FrmAbout::FrmAbout(QWidget* owner, ProgramLauncher* launcher)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_launcher(launcher) {
    if (m_launcher == nullptr) {
        m_ownLauncher = std::make_unique<DesktopLauncher>();
        m_launcher = m_ownLauncher.get();
    }
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(texts::about::kCaption));
    setModal(true);
    buildControls();
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::buildControls() {
    const Twips twips(*this);
    setFixedSize(twips.size(kClientWidth, kClientHeight));

    auto label = [&](const char* name, const char* text, QRect place) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setObjectName(QString::fromUtf8(name));
        l->setGeometry(place);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    const QRect iconPlace = twips.rect(240, 240, 540, 540);
    icon->setGeometry(iconPlace);
    QIcon appIcon = QApplication::windowIcon();
    if (appIcon.isNull()) {
        appIcon = style()->standardIcon(QStyle::SP_ComputerIcon);
    }
    icon->setPixmap(appIcon.pixmap(iconPlace.size()));

    QLabel* title = label("lblTitle", texts::about::kTitle, twips.rect(1050, 240, 4575, 480));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(texts::about::kTitlePointSize);
    titleFont.setBold(true);
    title->setFont(titleFont);
    label("lblVersion", texts::about::kVersion, twips.rect(1050, 780, 4575, 255));
    label("lblDescription", texts::about::kDescription, twips.rect(1050, 1110, 4575, 1170))->setWordWrap(true);
    label("lblRights", texts::about::kRights, twips.rect(1050, 2310, 4575, 255));

    // The etched rule: a grey line with a white one right below it.
    const QRect rule = twips.rect(120, kSeparatorTop, kClientWidth - 240, 15);
    const std::array<std::pair<const char*, QColor>, 2> lines{
        {{"Line1", QColor(128, 128, 128)}, {"Line2", QColor(255, 255, 255)}}};
    for (size_t i = 0; i < lines.size(); ++i) {
        auto* line = new QWidget(this);
        line->setObjectName(QString::fromUtf8(lines[i].first));
        line->setGeometry(rule.left(), rule.top() + static_cast<int>(i), rule.width(), 1);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, lines[i].second);
        line->setPalette(palette);
        line->setAutoFillBackground(true);
    }

    label("lblDisclaimer", texts::about::kDisclaimer, twips.rect(240, 2790, 3840, 735))->setWordWrap(true);

    m_ok = new QPushButton(QString::fromUtf8(texts::about::kOk), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(twips.rect(4320, 2790, 1305, 345));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &FrmAbout::accept);

    auto* sysInfo = new QPushButton(QString::fromUtf8(texts::about::kSysInfo), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(twips.rect(4320, 3210, 1305, 345));
    connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::StartSysInfo);

    m_ok->setFocus();
}

void FrmAbout::showModal(QWidget* owner) {
    // The owner may go away while the box is open (the application ends).
    QPointer<FrmAbout> box = new FrmAbout(owner);
    DialogHooks::runModal(*box);
    delete box.data();
}

void FrmAbout::StartSysInfo() {
    try {
        // The desktop's own system-information program: the first on the
        // PATH that starts.
        for (const char* name : texts::about::kDesktopSysInfoPrograms) {
            const QString program = m_launcher->findOnPath(QString::fromUtf8(name));
            if (!program.isEmpty() && m_launcher->start(program)) {
                return;
            }
        }
    } catch (const std::exception&) {
        // Whatever went wrong, the user hears only that it is unavailable.
    }
    DialogHooks::message(this, QString::fromUtf8(texts::about::kSysInfoUnavailable));
}

}  // namespace quorvale
