#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <vector>

class QLabel;
class QWidget;

namespace wsc {

// Control tips: a small pop-up with a control's hint text, shown half a second after the
// mouse comes to rest over the control and gone after five seconds, when the mouse leaves,
// or on a key or click.
class CControlTipWnd : public QObject {
    Q_OBJECT
public:
    static constexpr int kShowDelayMs = 500;
    static constexpr int kCheckMs = 500;
    static constexpr int kShowForMs = 5000;

    explicit CControlTipWnd(QWidget* owner);
    ~CControlTipWnd() override;

    // Registers a control with the text of string `stringId`; a control is registered once.
    bool AddTool(QWidget* control, int stringId);
    bool AddTool(QWidget* control, const QString& text);
    void setActive(bool active);
    bool isActive() const { return m_active; }

    QString textFor(const QWidget* control) const;
    bool isTipShown() const;
    QString shownText() const;
    void hideTip();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tool {
        QPointer<QWidget> control;
        QString text;
    };
    void showTip();
    void check();
    const Tool* toolAt(const QWidget* w) const;

    QWidget* m_owner;
    std::vector<Tool> m_tools;
    QLabel* m_tip;
    QPointer<QWidget> m_current;
    QTimer m_showTimer;
    QTimer m_checkTimer;
    QElapsedTimer m_shownFor;
    bool m_active = true;
};

} // namespace wsc
