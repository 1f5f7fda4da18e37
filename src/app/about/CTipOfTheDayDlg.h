#pragma once

#include "core/shell/TipsFile.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace wsc {

class ProfileStore;

// "Tip of the Day": one tip at a time from the tips file, continuing where the last showing
// stopped.
class CTipOfTheDayDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kHeading = "Did you know...";

    CTipOfTheDayDlg(ProfileStore& profile, const QString& tipsPath, QWidget* parent = nullptr);
    ~CTipOfTheDayDlg() override;

    void OnNextTip();
    // Stores StartUp from the check box, then closes.
    void done(int result) override;

    QLabel* tipLabel() const { return m_tip; }
    QCheckBox* startUpBox() const { return m_startUp; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* closeButton() const { return m_close; }
    bool hasTipsFile() const { return m_file && m_file->isOpen(); }

private:
    std::unique_ptr<TipsFile> m_file;
    QLabel* m_tip = nullptr;
    QCheckBox* m_startUp = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace wsc
