#pragma once

#include <QMdiSubWindow>

#include <functional>

namespace wsc {

class CWscalcDoc;
class CRecipeFormSheet;

// The child frame of a view of the recipe document. The recipe form's frame asks to save a
// changed recipe before it closes; Cancel keeps it open.
class CWscalcFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CWscalcFrame(CWscalcDoc& doc, QWidget* view, QWidget* parent = nullptr);

    QWidget* view() const { return m_view; }
    // Fits the view to the frame again once it has its content.
    void refit();
    CRecipeFormSheet* form() const;
    // Called once the frame has closed (the main frame then closes the others and the document).
    void setClosedHandler(std::function<void(CWscalcFrame*)> handler) {
        m_onClosed = std::move(handler);
    }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CWscalcDoc& m_doc;
    QWidget* m_view;
    std::function<void(CWscalcFrame*)> m_onClosed;
};

} // namespace wsc
