#pragma once

#include <QObject>

namespace wsc {

class HelpService;

// F1 everywhere: opens the help at the context of the window that has the focus (the active
// modal dialog, page or window when nothing has it).
class HelpKey : public QObject {
public:
    HelpKey(HelpService& help, QObject* parent = nullptr) : QObject(parent), m_help(help) {}
    // The context F1 would open now.
    static int currentContext();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpService& m_help;
};

} // namespace wsc
