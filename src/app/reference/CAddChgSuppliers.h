#pragma once

#include "app/reference/CAddChgDlg.h"

class QPushButton;

namespace wsc {

// The maintenance dialog of the suppliers, whose e-mail and web site can be opened from it:
// only a mailto: or an http(s) address is ever handed to the desktop.
class CAddChgSuppliers : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgSuppliers(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);

    QPushButton* sendMessageButton() const { return m_send; }
    QPushButton* visitButton() const { return m_visit; }
    void OnSendMessage();
    void OnVisitWebSite();

private:
    void open(const std::optional<QString>& address, const QString& typed, const char* refusal);

    QPushButton* m_send;
    QPushButton* m_visit;
};

} // namespace wsc
