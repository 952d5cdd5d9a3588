#include "about/gui/FrmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include "base/Texts.h"
#include "base/gui/Twips.h"

namespace quorvale {
namespace {

// Client area and control positions in twips.
constexpr int kClientWidth = 5865;
constexpr int kClientHeight = 3630;
constexpr int kSeparatorTop = 2640;

FrmAbout::ModalRunner& modalRunner() {
    static FrmAbout::ModalRunner runner;
    return runner;
}

void showMessageBox(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

// Closes an opened key whichever way the read ends.
class KeyCloser {
public:
    KeyCloser(Registry& registry, RegistryKey key) : m_registry(registry), m_key(key) {}
    ~KeyCloser() { m_registry.closeKey(m_key); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    Registry& m_registry;
    RegistryKey m_key;
};

}  // namespace

FrmAbout::FrmAbout(QWidget* owner, AboutServices services)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_registry(services.registry),
      m_launcher(services.launcher),
      m_message(std::move(services.message)) {
    if (m_registry == nullptr) {
        m_ownRegistry = systemRegistry();
        m_registry = m_ownRegistry.get();
    }
    if (m_launcher == nullptr) {
        m_ownLauncher = std::make_unique<DesktopLauncher>();
        m_launcher = m_ownLauncher.get();
    }
    if (!m_message) {
        m_message = showMessageBox;
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
    if (modalRunner()) {
        box->setWindowModality(Qt::ApplicationModal);
        box->show();
        modalRunner()(*box);
    } else {
        box->exec();
    }
    delete box.data();
}

void FrmAbout::setModalRunner(ModalRunner runner) { modalRunner() = std::move(runner); }

QString FrmAbout::findSysInfoProgram() {
    std::string value;
    if (GetKeyValue(RegistryRoot::LocalMachine, texts::about::kMsInfoKey, texts::about::kMsInfoValue, value)) {
        return QString::fromLocal8Bit(value.c_str());
    }
    if (GetKeyValue(RegistryRoot::LocalMachine, texts::about::kLocationKey, texts::about::kLocationValue, value)) {
        const QString program = QString::fromLocal8Bit(value.c_str()) + QString::fromUtf8(texts::about::kMsInfoProgram);
        if (m_launcher->fileExists(program)) {
            return program;
        }
    }
    return {};
}

void FrmAbout::StartSysInfo() {
    try {
        if (m_registry->present()) {
            const QString program = findSysInfoProgram();
            if (!program.isEmpty() && m_launcher->start(program)) {
                return;
            }
        } else {
            // No registry: the desktop's own system-information program, the
            // first on the PATH that starts.
            for (const char* name : texts::about::kDesktopSysInfoPrograms) {
                const QString program = m_launcher->findOnPath(QString::fromUtf8(name));
                if (!program.isEmpty() && m_launcher->start(program)) {
                    return;
                }
            }
        }
    } catch (const std::exception&) {
        // Whatever went wrong, the user hears only that it is unavailable.
    }
    m_message(this, QString::fromUtf8(texts::about::kAppTitle), QString::fromUtf8(texts::about::kSysInfoUnavailable));
}

bool FrmAbout::GetKeyValue(RegistryRoot keyRoot, const std::string& keyName, const std::string& subKeyRef,
                           std::string& keyVal) {
    RegistryKey key = 0;
    if (!m_registry->openKey(keyRoot, keyName, key)) {
        keyVal.clear();
        return false;
    }
    KeyCloser closer(*m_registry, key);
    std::string bytes;
    RegistryType type = RegistryType::Other;
    if (!m_registry->queryValue(key, subKeyRef, kValueCapacity, bytes, type)) {
        keyVal.clear();
        return false;
    }
    switch (type) {
        case RegistryType::String:
            keyVal = bytes.substr(0, bytes.find('\0'));
            break;
        case RegistryType::DWord:
            // All four bytes count: a zero byte or a byte below 16 inside the
            // number is part of its value.
            keyVal = dwordText(bytes);
            break;
        case RegistryType::Other:
            break;
    }
    return true;
}

}  // namespace quorvale
