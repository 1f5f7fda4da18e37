#pragma once

#include <QMdiSubWindow>

#include <memory>

class QComboBox;
class QLabel;
class QPageLayout;
class QPrinter;
class QPushButton;
class QScrollArea;

namespace wsc {

class DialogRunner;
class Prompter;
class ReportPages;
struct RenderedReport;

// A report shown inside the main window: one page at a time with page buttons and a zoom,
// and Print and Export PDF. The page view always covers the window's whole inside.
class CRPEMDIChildWnd : public QMdiSubWindow {
    Q_OBJECT
public:
    CRPEMDIChildWnd(const RenderedReport& report, const QPageLayout& layout, QPrinter& printer,
                    DialogRunner& runner, Prompter& prompter, QWidget* parent = nullptr);
    ~CRPEMDIChildWnd() override;

    int page() const { return m_page; }
    int pageCount() const;
    const ReportPages& pages() const { return *m_pages; }
    void showPage(int page);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    QLabel* pageView() const { return m_view; }
    QLabel* pageLabel() const { return m_pageLabel; }
    QScrollArea* scrollArea() const { return m_scroll; }

    void OnPrint();
    void OnExportPdf();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<ReportPages> m_pages;
    QPrinter& m_printer;
    DialogRunner& m_runner;
    Prompter& m_prompter;
    QScrollArea* m_scroll;
    QLabel* m_view;
    QLabel* m_pageLabel;
    QComboBox* m_zoomBox;
    QPushButton* m_first;
    QPushButton* m_previous;
    QPushButton* m_next;
    QPushButton* m_last;
    int m_page = 0;
    double m_zoom = 1.0;
};

} // namespace wsc
