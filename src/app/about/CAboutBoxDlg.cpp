#include "app/about/CAboutBoxDlg.h"

#include "app/about/CCreditsDlg.h"
#include "app/widgets/DialogRunner.h"
#include "app/widgets/HelpContextProperty.h"
#include "app/widgets/IconFactory.h"
#include "core/help/HelpContexts.h"
#include "core/reference/ContactAddresses.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"
#include "core/shell/FileVersionInfo.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>
#include <QToolButton>
#include <QVBoxLayout>

namespace wsc {

namespace {
constexpr const char* kContactError =
    "Support Program Error:\nAn error occurred while trying to contact\nQuillbarrow Software via "
    "the Internet or E-mail.\nRefer to Help, but you may need to use the phone - %1\n\nError = %2";
constexpr const char* kNoSystemInfo =
    "Support Program Error:\nThe system information cannot be displayed.\nA possible cause is "
    "that the system information program file is not installed on your computer.  It should be "
    "located at\n%1\nContact Quillbarrow Software for further information";
constexpr const char* kLegalNotice =
    "This program is protected by copyright law.  Copying or passing on this program, or any "
    "part of it, without permission may lead to civil and criminal penalties.";
} // namespace

CAboutBoxDlg::CAboutBoxDlg(Prompter& prompter, DialogRunner& runner, ProfileStore& profile,
                           QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_runner(runner), m_profile(profile) {
    setWindowTitle(QString::fromLatin1(Labels::kAboutTitle));
    SetHelpContext(this, HelpContext::kAbout);

    auto version = [](int key) { return CFileVersionInfo::value(key, 0).value_or(QString()); };
    m_product = new QLabel(QString::fromLatin1(Labels::kProductVersion)
                               .arg(MessageCatalog::text(Msg::kProgramName),
                                    version(CFileVersionInfo::ProductVersion)),
                           this);
    QFont bold = m_product->font();
    bold.setBold(true);
    m_product->setFont(bold);
    m_file = new QLabel(
        QString::fromLatin1(Labels::kFileVersion).arg(version(CFileVersionInfo::FileVersion)),
        this);
    m_special = new QLabel(version(CFileVersionInfo::SpecialBuild), this);
    m_special->setObjectName(QStringLiteral("specialBuild"));

    // Twice the system icon size plus 8 pixels each way, with the program icon inside.
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize);
    auto makeIcon = [&](const QString& tip) {
        auto* b = new QToolButton(this);
        b->setIcon(IconFactory::appIcon());
        b->setIconSize(QSize(iconSize * 2, iconSize * 2));
        b->setFixedSize(iconSize * 2 + 8, iconSize * 2 + 8);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(tip);
        return b;
    };
    m_emailIcon = makeIcon(QString::fromLatin1(Labels::kWriteToUs));
    m_webIcon = makeIcon(QString::fromLatin1(Labels::kVisitWebSite));
    connect(m_emailIcon, &QToolButton::clicked, this, &CAboutBoxDlg::OnEmailIcon);
    connect(m_webIcon, &QToolButton::clicked, this, &CAboutBoxDlg::OnWebIcon);

    m_email = new CColorLabel(QString::fromLatin1(kEmail), this);
    m_web = new CColorLabel(QString::fromLatin1(kWebSite), this);
    for (CColorLabel* l : {m_email, m_web}) {
        l->setLinkMode(true);
        l->onClicked = [this](const QString& text) { openLink(text); };
    }

    auto* notice = new QLabel(QString::fromLatin1(kLegalNotice), this);
    notice->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(m_product);
    text->addWidget(m_file);
    text->addWidget(m_special);
    text->addSpacing(6);
    text->addWidget(new QLabel(QString::fromLatin1(kOwnership), this));
    text->addWidget(new QLabel(QString::fromLatin1(Labels::kAddressAndPhone)
                                   .arg(QString::fromLatin1(kAddress), QString::fromLatin1(kPhone)),
                               this));
    auto* links = new QGridLayout;
    links->addWidget(m_emailIcon, 0, 0);
    links->addWidget(m_email, 0, 1);
    links->addWidget(m_webIcon, 1, 0);
    links->addWidget(m_web, 1, 1);
    links->setColumnStretch(1, 1);
    text->addLayout(links);
    text->addWidget(notice);

    m_systemInfo = new QPushButton(QString::fromLatin1(Labels::kSystemInfoButton), this);
    m_moreInfo = new QPushButton(QString::fromLatin1(Labels::kMoreInfoButton), this);
    m_credits = new QPushButton(QString::fromLatin1(Labels::kCreditsButton), this);
    auto* ok = new QPushButton(QString::fromLatin1(Labels::kOkButton), this);
    ok->setDefault(true);
    connect(m_systemInfo, &QPushButton::clicked, this, &CAboutBoxDlg::OnSystemInfo);
    connect(m_moreInfo, &QPushButton::clicked, this, &CAboutBoxDlg::OnMoreInfo);
    connect(m_credits, &QPushButton::clicked, this, &CAboutBoxDlg::OnCredits);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(m_systemInfo);
    buttons->addWidget(m_moreInfo);
    buttons->addWidget(m_credits);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(text, 1);
    layout->addLayout(buttons);
}

// Only an address reaches the desktop; no address, or one the desktop could not open, gets the
// support message with the telephone number.
void CAboutBoxDlg::contact(const std::optional<QString>& address) {
    QString why = QString::fromLatin1(Texts::kNotOurAddress);
    if (!address || !m_runner.openUrl(*address, why)) {
        m_prompter.text(QString::fromLatin1(kContactError).arg(QString::fromLatin1(kPhone), why),
                        PromptIcon::Exclamation);
    }
}

void CAboutBoxDlg::OnEmailIcon() {
    contact(ContactAddresses::mailto(QString::fromLatin1(kEmail)));
}

void CAboutBoxDlg::OnWebIcon() {
    contact(ContactAddresses::website(QString::fromLatin1(kWebSite)));
}

void CAboutBoxDlg::openLink(const QString& text) {
    // A link's text is an e-mail address or a web site.
    contact(text.contains(u'@') && !text.contains(QLatin1String("://"))
                ? ContactAddresses::mailto(text)
                : ContactAddresses::website(text));
}

QString CAboutBoxDlg::systemInformation() {
    QStringList lines;
    lines << QString::fromLatin1(Labels::kSystemOs).arg(QSysInfo::prettyProductName());
    lines << QString::fromLatin1(Labels::kSystemKernel)
                 .arg(QSysInfo::kernelType(), QSysInfo::kernelVersion());
    lines << QString::fromLatin1(Labels::kSystemProcessor).arg(QSysInfo::currentCpuArchitecture());
    lines << QString::fromLatin1(Labels::kSystemComputer).arg(QSysInfo::machineHostName());
    lines << QString::fromLatin1(Labels::kSystemQt).arg(QString::fromLatin1(qVersion()));
    lines << QString::fromLatin1(Labels::kSystemLanguage).arg(QLocale().name());
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        lines << QString::fromLatin1(Labels::kSystemScreen)
                     .arg(s->size().width())
                     .arg(s->size().height())
                     .arg(qRound(s->logicalDotsPerInch()));
    }
    return lines.join(u'\n');
}

void CAboutBoxDlg::OnSystemInfo() {
    const QString program = m_profile.text(Setting::MSInfoPath);
    if (program.isEmpty()) {
        // No program named: what the running system reports.
        m_prompter.text(QString::fromLatin1(Texts::kSystemInformation) + systemInformation(),
                        PromptIcon::Information);
        return;
    }
    if (!QProcess::startDetached(program, {}))
        m_prompter.text(QString::fromLatin1(kNoSystemInfo).arg(program), PromptIcon::Exclamation);
}

void CAboutBoxDlg::OnMoreInfo() {
    m_prompter.message(Msg::kPlannedFunction, {}, PromptIcon::Information);
}

void CAboutBoxDlg::OnCredits() {
    CCreditsDlg credits(m_prompter, this);
    m_runner.exec(credits);
}

} // namespace wsc
