#pragma once

#include "app/widgets/CColorLabel.h"

#include <QDialog>
#include <QLabel>

#include <optional>

class QPushButton;
class QToolButton;

namespace wsc {

class DialogRunner;
class ProfileStore;
class Prompter;

// "About Wortsmith Calculator": versions, the maker's contact lines with e-mail and web links,
// System Info, More Info and Credits.
class CAboutBoxDlg : public QDialog {
    Q_OBJECT
public:
    // The maker's contact details.
    static constexpr const char* kEmail = "support@quillbarrow.example";
    static constexpr const char* kWebSite = "https://www.quillbarrow.example/wortsmith";
    static constexpr const char* kPhone = "+1 555 0142 1770";
    static constexpr const char* kAddress = "Quillbarrow Software, 18 Copper Kettle Lane, Hopfield";
    static constexpr const char* kOwnership = "Copyright (C) 2026 Quillbarrow Software";

    CAboutBoxDlg(Prompter& prompter, DialogRunner& runner, ProfileStore& profile,
                 QWidget* parent = nullptr);

    // The two icons: the maker's e-mail and web addresses.
    void OnEmailIcon();
    void OnWebIcon();
    // Opens a link label's text; only mailto: and http(s) addresses reach the desktop.
    void openLink(const QString& text);
    void OnSystemInfo();
    void OnMoreInfo();
    void OnCredits();

    // What the running system reports, one fact a line.
    static QString systemInformation();

    QLabel* productLine() const { return m_product; }
    QLabel* fileLine() const { return m_file; }
    QLabel* specialLine() const { return m_special; }
    CColorLabel* emailLabel() const { return m_email; }
    CColorLabel* webLabel() const { return m_web; }
    QToolButton* emailIcon() const { return m_emailIcon; }
    QToolButton* webIcon() const { return m_webIcon; }
    QPushButton* systemInfoButton() const { return m_systemInfo; }
    QPushButton* moreInfoButton() const { return m_moreInfo; }
    QPushButton* creditsButton() const { return m_credits; }

private:
    void contact(const std::optional<QString>& address);

    Prompter& m_prompter;
    DialogRunner& m_runner;
    ProfileStore& m_profile;
    QLabel* m_product = nullptr;
    QLabel* m_file = nullptr;
    QLabel* m_special = nullptr;
    CColorLabel* m_email = nullptr;
    CColorLabel* m_web = nullptr;
    QToolButton* m_emailIcon = nullptr;
    QToolButton* m_webIcon = nullptr;
    QPushButton* m_systemInfo = nullptr;
    QPushButton* m_moreInfo = nullptr;
    QPushButton* m_credits = nullptr;
};

} // namespace wsc
