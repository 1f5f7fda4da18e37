#include "AppFixture.h"

#include "render/ReportPages.h"

#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeRecipePage.h"
#include "app/reports/CRPEMDIChildWnd.h"
#include "app/reports/ReportMenu.h"
#include "app/reports/SelectReportDlg.h"
#include "app/shell/CMainFrame.h"
#include "core/reports/PrintEngine.h"
#include "core/reports/PrintJob.h"
#include "core/settings/MessageCatalog.h"
#include "support/FormParts.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtTest/QTest>

namespace wsc {
namespace {

class Reports : public test::FormFixture {
protected:
    void SetUp() override {
        openSamples();
        m_runner.dialogs.clear();
    }
    // Answers Select Report with the entry of that text and the action.
    void choose(const QString& display, bool print = false) {
        m_runner.onDialog = [display, print](QDialog& d) {
            auto* select = qobject_cast<SelectReportDlg*>(&d);
            if (!select)
                return int(QDialog::Rejected);
            select->reportList()->setCurrentIndex(select->reportList()->findText(display));
            if (print)
                select->printButton()->setChecked(true);
            return int(QDialog::Accepted);
        };
    }
    QList<CRPEMDIChildWnd*> previews() {
        QList<CRPEMDIChildWnd*> out;
        for (QMdiSubWindow* w : frame().mdiArea()->subWindowList()) {
            if (auto* p = qobject_cast<CRPEMDIChildWnd*>(w))
                out << p;
        }
        return out;
    }
    static bool isPdf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
    }
};

TEST_F(Reports, AChoiceRetitlesTheRepeatItemsWhichThenRepeatItWithoutTheDialog) {
    QAction* preview = frame().action(ID_REPORT_PREVIEW);
    QAction* print = frame().action(ID_REPORT_PRINT);
    frame().updateCommandStates();
    EXPECT_EQ(preview->text(), QStringLiteral("Pre&view Selected Report"));
    EXPECT_FALSE(preview->isEnabled());
    EXPECT_FALSE(print->isEnabled());
    ASSERT_NE(frame().menu(QStringLiteral("Reports")), nullptr);

    choose(QStringLiteral("List all Hops"));
    frame().runCommand(ID_REPORT_SELECT);
    EXPECT_EQ(m_runner.dialogs, QStringList{QStringLiteral("wsc::SelectReportDlg")});
    EXPECT_EQ(preview->text(), QStringLiteral("Pre&view: List all Hops"));
    EXPECT_EQ(print->text(), QStringLiteral("Prin&t: List all Hops"));
    EXPECT_TRUE(preview->isEnabled());
    EXPECT_TRUE(print->isEnabled());
    ASSERT_EQ(previews().size(), 1);

    // The preview child: its place and size, its title, and its page filling it when resized.
    CRPEMDIChildWnd* child = previews().front();
    EXPECT_EQ(child->windowTitle(), QStringLiteral("Wortsmith Calculator Reports"));
    EXPECT_EQ(child->geometry(), QRect(10, 20, 600, 400));
    child->resize(700, 500);
    QApplication::processEvents();
    EXPECT_GT(child->widget()->width(), 650);
    EXPECT_GT(child->widget()->height(), 420);
    EXPECT_GE(child->pageCount(), 2);
    EXPECT_EQ(child->pageLabel()->text(), QStringLiteral("Page 1 of %1").arg(child->pageCount()));
    QTest::keyClick(child, Qt::Key_PageDown);
    EXPECT_EQ(child->page(), 1);

    // Preview Selected Report: the same report again, no dialog.
    frame().runCommand(ID_REPORT_PREVIEW);
    EXPECT_EQ(m_runner.dialogs.size(), 1);
    EXPECT_EQ(previews().size(), 2);
    // Print Selected Report: the system's print dialog, then the printer.
    const QString printed = path(QStringLiteral("printed.pdf"));
    m_runner.printToFile = printed;
    frame().runCommand(ID_REPORT_PRINT);
    EXPECT_EQ(m_runner.printDialogs, 1);
    EXPECT_TRUE(isPdf(printed));
    EXPECT_TRUE(m_prompter.shown().empty());
}

// The repeat items do what they say: after a choice that fails they still name and open the
// last report that opened.
TEST_F(Reports, AMissingReportFileIsReportedAndTheRepeatItemsKeepTheLastReport) {
    choose(QStringLiteral("List all Kits"));
    frame().runCommand(ID_REPORT_SELECT);
    ASSERT_EQ(previews().size(), 1);

    // A folder holding every report but the hops'.
    const QString dir = path(QStringLiteral("reports"));
    QDir().mkpath(dir);
    for (const QString& f : QDir(QStringLiteral(WSC_REPORTS_DIR)).entryList({"*.rpt"})) {
        if (f != QLatin1String("Hops.rpt"))
            QFile::copy(QDir(QStringLiteral(WSC_REPORTS_DIR)).filePath(f), QDir(dir).filePath(f));
    }
    frame().reports().commands().setReportDirectory(dir);
    choose(QStringLiteral("List all Hops"));
    frame().runCommand(ID_REPORT_SELECT);
    EXPECT_TRUE(m_prompter.last().text.startsWith(QLatin1String("Error opening report.\n")));
    EXPECT_TRUE(m_prompter.last().text.contains(QLatin1String("Hops.rpt")));
    EXPECT_EQ(frame().action(ID_REPORT_PREVIEW)->text(), QStringLiteral("Pre&view: List all Kits"));
    EXPECT_EQ(previews().size(), 1);
    // Preview: List all Kits previews the kits, without a question.
    m_prompter.clear();
    frame().runCommand(ID_REPORT_PREVIEW);
    EXPECT_TRUE(m_prompter.shown().empty()) << m_prompter.last().text.toStdString();
    ASSERT_EQ(previews().size(), 2);
    EXPECT_EQ(frame().reports().selection().display, QStringLiteral("List all Kits"));
    ASSERT_NE(frame().reports().engine().currentJob(), nullptr);
    EXPECT_TRUE(frame().reports().engine().currentJob()->path().endsWith(QLatin1String("Kits.rpt")))
        << frame().reports().engine().currentJob()->path().toStdString();
}

TEST_F(Reports, TheRecipePagePrintAsksAboutUnsavedChangesOnlyWithWarningsOn) {
    QPushButton* print = test::RecipePage(form())->printButton();
    EXPECT_TRUE(print->isEnabled());
    goToBatch(8);
    QTest::keyClicks(test::NameEdit(form()), QStringLiteral(" (2nd)"));

    m_profile.setInteger(Setting::DisplayWarnings, 1);
    m_prompter.queue(PromptAnswer::No);
    print->click();
    EXPECT_EQ(m_prompter.last().text, QString::fromLatin1(Texts::kUnsavedRecipeReport));
    EXPECT_TRUE(previews().isEmpty());

    m_profile.setInteger(Setting::DisplayWarnings, 0);
    m_prompter.clear();
    print->click();
    EXPECT_TRUE(m_prompter.shown().empty());
    ASSERT_EQ(previews().size(), 1);
    // The menu's choice is untouched by the button.
    EXPECT_EQ(frame().action(ID_REPORT_PREVIEW)->text(),
              QStringLiteral("Pre&view Selected Report"));
    EXPECT_FALSE(frame().action(ID_REPORT_PREVIEW)->isEnabled());

    // Export PDF from the preview: the whole file or none.
    const QString pdf = path(QStringLiteral("recipe.pdf"));
    m_runner.saveFiles.push_back(pdf);
    previews().front()->OnExportPdf();
    EXPECT_TRUE(isPdf(pdf));
    m_runner.saveFiles.push_back(path(QStringLiteral("no-such-folder/recipe.pdf")));
    previews().front()->OnExportPdf();
    EXPECT_TRUE(m_prompter.last().text.startsWith(QLatin1String("The PDF file was not written")));
}

TEST_F(Reports, PrintSetupOpensThePageSetup) {
    frame().runCommand(ID_FILE_PRINT_SETUP);
    EXPECT_EQ(m_runner.pageSetups, 1);
}

// The page a PDF file was written on, in points, from its media box.
QSizeF PdfPageSize(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// One page set-up for what is previewed, printed and exported, and what Print Setup chooses
// is that page from then on; the preview comes up in front of the form, with the focus.
TEST_F(Reports, ThePreviewThePrintAndThePdfShareOnePageInFrontOfTheForm) {
    const QSizeF paper = ReportPages::defaultLayout().fullRectPoints().size();
    choose(QStringLiteral("List all Hops"));
    frame().runCommand(ID_REPORT_SELECT);
    QApplication::processEvents();
    ASSERT_EQ(previews().size(), 1);
    CRPEMDIChildWnd* child = previews().front();
    EXPECT_EQ(frame().mdiArea()->activeSubWindow(), child);
    EXPECT_EQ(frame().mdiArea()->subWindowList(QMdiArea::StackingOrder).last(), child);
    // The focus the main window gets back when the dialog has closed is the preview's.
    QWidget* back = frame().focusWidget();
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(child->isAncestorOf(back)) << back->metaObject()->className();
    EXPECT_EQ(child->pages().layout().fullRectPoints().size(), paper);

    // Printed from the preview: the same page and the same number of pages, though the
    // printer's own set-up was another.
    const QString printed = path(QStringLiteral("printed.pdf"));
    m_runner.printToFile = printed;
    child->findChild<QPushButton*>(QStringLiteral("print"))->click();
    EXPECT_EQ(PdfPageSize(printed), paper);

    // Print Setup chooses Legal, landscape, 10 mm: the next preview and print use it.
    m_runner.pageSetupChoice = QPageLayout(QPageSize(QPageSize::Legal), QPageLayout::Landscape,
                                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    frame().runCommand(ID_FILE_PRINT_SETUP);
    frame().runCommand(ID_REPORT_PREVIEW);
    ASSERT_EQ(previews().size(), 2);
    const QPageLayout chosen = previews().back()->pages().layout();
    EXPECT_EQ(chosen.pageSize().id(), QPageSize::Legal);
    EXPECT_EQ(chosen.orientation(), QPageLayout::Landscape);
    const QString again = path(QStringLiteral("again.pdf"));
    m_runner.printToFile = again;
    frame().runCommand(ID_REPORT_PRINT);
    EXPECT_EQ(PdfPageSize(again), QSizeF(1008, 612));
    EXPECT_TRUE(m_prompter.shown().empty());
}

// The pages of a report as printed: head rows again on each page, headings kept with what
// follows, the foot line, a row never cut in two.
TEST(ReportLayout, LongTablesKeepTheirHeadAndHeadingsTheirBody) {
    RenderedReport r;
    r.title = QStringLiteral("A long list");
    r.printDate = QDate(2026, 12, 7);
    ReportBlock title;
    title.kind = ReportBlock::Kind::Title;
    title.text = r.title;
    ReportBlock table;
    table.kind = ReportBlock::Kind::Table;
    table.headers = {QStringLiteral("Number"), QStringLiteral("Text")};
    table.right = {true, false};
    for (int i = 1; i <= 200; ++i)
        table.rows.push_back(ReportRow({QString::number(i), QStringLiteral("row %1").arg(i)}));
    // A long text wraps in its cell and makes its row taller.
    table.rows[100] =
        ReportRow({QStringLiteral("101"), QString(60, u'w').append(u' ').repeated(8)});
    ReportBlock heading;
    heading.kind = ReportBlock::Kind::Heading;
    heading.text = QStringLiteral("After the list");
    ReportBlock para;
    para.kind = ReportBlock::Kind::Paragraph;
    para.text = QStringLiteral("The end.");
    r.blocks = {title, table, heading, para};

    const ReportPages pages(r);
    ASSERT_GE(pages.pageCount(), 4);
    int rowsSeen = 0;
    for (int p = 0; p < pages.pageCount(); ++p) {
        const QStringList texts = pages.pageTexts(p);
        if (p == 0) {
            EXPECT_EQ(texts.value(0), QStringLiteral("A long list"));
        }
        if (texts.contains(QStringLiteral("row 1")) || texts.contains(QStringLiteral("row 150"))) {
            const qsizetype head = texts.indexOf(QStringLiteral("Number"));
            EXPECT_GE(head, 0) << "page " << p + 1;
            EXPECT_EQ(texts.value(head + 1), QStringLiteral("Text"));
        }
        for (const QString& t : texts)
            rowsSeen += t.startsWith(QLatin1String("row ")) ? 1 : 0;
        EXPECT_EQ(pages.footer(p),
                  QStringLiteral("A long list  -  Printed 2026-12-07  -  Page %1 of %2")
                      .arg(p + 1)
                      .arg(pages.pageCount()));
    }
    EXPECT_EQ(rowsSeen, 199); // every row once (row 101 holds the long text)
    // The heading is on the same page as the paragraph after it.
    const QStringList last = pages.pageTexts(pages.pageCount() - 1);
    EXPECT_TRUE(last.contains(QStringLiteral("After the list")));
    EXPECT_TRUE(last.contains(QStringLiteral("The end.")));
    // A picture of a page has the page's proportions.
    const QImage img = pages.pageImage(0, 0.5);
    const QRectF paper = pages.layout().fullRect(QPageLayout::Inch);
    EXPECT_EQ(img.width(), qRound(paper.width() * 48));
    EXPECT_EQ(img.height(), qRound(paper.height() * 48));
}

void ExpectNothingCut(const ReportPages& pages);

// A note that flows over many pages breaks its lines exactly where one layout of the whole of
// it would, although it is laid out a piece at a time and once only.
TEST(ReportLayout, ALongNoteBreaksWhereOneLayoutOfItWould) {
    QString note;
    for (int i = 0; i < 4000; ++i)
        note += QStringLiteral("word%1%2 ").arg(i).arg(QString(i % 9, u'x'));
    note += QString(3000, u'y'); // a word wider than the page
    RenderedReport r;
    r.title = QStringLiteral("Notes");
    ReportBlock para;
    para.kind = ReportBlock::Kind::Paragraph;
    para.text = note;
    r.blocks = {para};
    const ReportPages pages(r);
    ASSERT_GT(pages.pageCount(), 5);
    QStringList printed;
    QFont font;
    double width = 0;
    for (int p = 0; p < pages.pageCount(); ++p) {
        for (const ReportPages::PlacedText& t : pages.placedTexts(p)) {
            printed << t.text;
            font = t.font;
            width = t.rect.width();
        }
    }
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(96 / 0.0254));
    device.setDotsPerMeterY(qRound(96 / 0.0254));
    QTextLayout whole(note, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    whole.setTextOption(option);
    whole.beginLayout();
    QStringList expected;
    for (QTextLine line = whole.createLine(); line.isValid(); line = whole.createLine()) {
        line.setLineWidth(width);
        expected << note.mid(line.textStart(), line.textLength()).trimmed();
    }
    whole.endLayout();
    EXPECT_EQ(printed, expected);
    ExpectNothingCut(pages);
}

// Whether every line of every page fits the box it is drawn in: nothing printed is cut.
void ExpectNothingCut(const ReportPages& pages) {
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(96 / 0.0254));
    device.setDotsPerMeterY(qRound(96 / 0.0254));
    for (int p = 0; p < pages.pageCount(); ++p) {
        for (const ReportPages::PlacedText& t : pages.placedTexts(p)) {
            const double w = QFontMetricsF(t.font, &device).horizontalAdvance(t.text);
            EXPECT_LE(w, t.rect.width() + 0.5) << "page " << p + 1 << ": " << t.text.toStdString();
            EXPECT_LE(t.rect.bottom(), pages.bodyHeight() + 0.5)
                << "page " << p + 1 << " runs into the foot: " << t.text.toStdString();
        }
    }
}

ReportBlock Block(ReportBlock::Kind kind, const QString& text = {}) {
    ReportBlock b;
    b.kind = kind;
    b.text = text;
    return b;
}

TEST(ReportLayout, EveryWordGetsTheRoomItPrintsInOrBreaksButIsNeverCut) {
    RenderedReport r;
    r.title = QStringLiteral("Columns");
    r.printDate = QDate(2026, 12, 8);
    ReportBlock narrow = Block(ReportBlock::Kind::Table);
    // The headers the old character counts cut, over short numbers.
    narrow.headers = {QStringLiteral("Hop"),     QStringLiteral("Alpha %"),
                      QStringLiteral("Weight"),  QStringLiteral("Boil (min)"),
                      QStringLiteral("IBU"),     QStringLiteral("HBU"),
                      QStringLiteral("Gravity"), QStringLiteral("Fermentable")};
    narrow.right = {false, true, true, true, true, true, true, false};
    narrow.widths = {60, 5, 5, 5, 5, 5, 5, 10};
    narrow.rows.push_back(
        ReportRow({QStringLiteral("Columbus"), QStringLiteral("15.0"), QStringLiteral("1.00 oz"),
                   QStringLiteral("60"), QStringLiteral("31.0"), QStringLiteral("12.0"),
                   QStringLiteral("1.037"), QStringLiteral("Yes")}));
    // Many long texts: the e-mail address and the web site are words that must stay whole.
    ReportBlock wide = Block(ReportBlock::Kind::Table);
    wide.headers = {QStringLiteral("Supplier"), QStringLiteral("Address"), QStringLiteral("E-Mail"),
                    QStringLiteral("Web Site"), QStringLiteral("Information")};
    wide.right = {false, false, false, false, false};
    for (int i = 0; i < 5; ++i)
        wide.rows.push_back(ReportRow(
            {QStringLiteral("Example Homebrew Supply %1").arg(i),
             QStringLiteral("100 Example Street, Sampletown, EX 00001"),
             QStringLiteral("orders@example-homebrew-supply.com"),
             QStringLiteral("https://www.example-homebrew-supply.com/shop/"),
             QStringLiteral("Fictitious example shop: grains, hops, yeasts and equipment, open "
                            "every day but Sunday.")}));
    // One word longer than the page itself can only break.
    ReportBlock huge = Block(ReportBlock::Kind::Table);
    huge.headers = {QStringLiteral("Note")};
    huge.right = {false};
    huge.rows.push_back(ReportRow({QString(300, u'x')}));
    ReportBlock fields = Block(ReportBlock::Kind::Fields);
    fields.pairsPerRow = 3;
    fields.fields = {
        {QStringLiteral("Expected Efficiency %"), QStringLiteral("75")},
        {QStringLiteral("Measurement"), QStringLiteral("English (pounds, ounces, gallons)")},
        {QStringLiteral("E-Mail"), QStringLiteral("orders@example-homebrew-supply.com")}};
    r.blocks = {narrow, wide, huge, fields};
    const ReportPages pages(r);
    ExpectNothingCut(pages);
    const QStringList texts = pages.pageTexts(0);
    for (const char* whole :
         {"Weight", "Alpha %", "Gravity", "Fermentable", "12.0",
          "orders@example-homebrew-supply.com", "https://www.example-homebrew-supply.com/shop/"})
        EXPECT_TRUE(texts.contains(QLatin1String(whole))) << whole;
    // The long word is all there, in pieces.
    qsizetype xs = 0;
    for (const QString& t : texts)
        xs += t.startsWith(u'x') ? t.size() : 0;
    EXPECT_EQ(xs, 300);
}

TEST(ReportLayout, ALongTextFlowsOverPagesAndKeepsItsHeadingWithItsFirstLines) {
    RenderedReport r;
    r.title = QStringLiteral("Comments");
    r.printDate = QDate(2026, 12, 8);
    QStringList comment;
    for (int i = 1; i <= 200; ++i)
        comment << QStringLiteral("Comment line %1").arg(i);
    ReportBlock filler = Block(ReportBlock::Kind::Table);
    filler.headers = {QStringLiteral("Row")};
    filler.right = {false};
    // Fills the first page to a few lines from its foot.
    for (int i = 0; i < 38; ++i)
        filler.rows.push_back(ReportRow({QStringLiteral("filler %1").arg(i)}));
    r.blocks = {Block(ReportBlock::Kind::Title, r.title),
                filler,
                Block(ReportBlock::Kind::Heading, QStringLiteral("Comments")),
                Block(ReportBlock::Kind::Paragraph, comment.join(u'\n')),
                Block(ReportBlock::Kind::Heading, QStringLiteral("After")),
                Block(ReportBlock::Kind::Paragraph, QStringLiteral("The end."))};
    const ReportPages pages(r);
    ASSERT_GE(pages.pageCount(), 4);
    ExpectNothingCut(pages);
    QStringList all;
    int headings = 0;
    for (int p = 0; p < pages.pageCount(); ++p) {
        const QStringList texts = pages.pageTexts(p);
        // A heading never ends a page: its first line is on the same page.
        const qsizetype heading = texts.indexOf(QStringLiteral("Comments"), p == 0 ? 1 : 0);
        if (heading >= 0) {
            ++headings;
            EXPECT_EQ(texts.value(heading + 1), QStringLiteral("Comment line 1")) << p + 1;
        }
        all << texts;
    }
    EXPECT_EQ(headings, 1);
    // Every line, once, in order.
    QStringList lines;
    for (const QString& t : all) {
        if (t.startsWith(QLatin1String("Comment line ")))
            lines << t;
    }
    EXPECT_EQ(lines, comment);
    EXPECT_TRUE(all.contains(QStringLiteral("The end.")));
}

// Pages are laid out again from where each begins when they are drawn: asked for in any order,
// fields and rows that ran over a page come back the same, each once.
TEST(ReportLayout, PagesDrawnInAnyOrderHoldTheSameTextsEachOnce) {
    RenderedReport r;
    r.title = QStringLiteral("Log");
    r.printDate = QDate(2026, 12, 9);
    ReportBlock fields = Block(ReportBlock::Kind::Fields);
    fields.pairsPerRow = 2;
    for (int i = 1; i <= 120; ++i)
        fields.fields.emplace_back(QStringLiteral("Label %1").arg(i),
                                   QStringLiteral("value %1").arg(i));
    ReportBlock table = Block(ReportBlock::Kind::Table);
    table.headers = {QStringLiteral("Row")};
    table.right = {false};
    for (int i = 1; i <= 90; ++i)
        table.rows.push_back(ReportRow({QStringLiteral("row %1").arg(i)}));
    r.blocks = {Block(ReportBlock::Kind::Title, r.title), fields, table,
                Block(ReportBlock::Kind::Check, QStringLiteral("Clean up"))};
    const ReportPages pages(r);
    ASSERT_GE(pages.pageCount(), 3);
    std::vector<QStringList> forward;
    for (int p = 0; p < pages.pageCount(); ++p)
        forward.push_back(pages.pageTexts(p));
    for (int p = pages.pageCount() - 1; p >= 0; --p)
        EXPECT_EQ(pages.pageTexts(p), forward[static_cast<std::size_t>(p)]) << p + 1;
    QStringList all;
    for (const QStringList& t : forward)
        all << t;
    for (int i = 1; i <= 120; ++i)
        EXPECT_EQ(all.count(QStringLiteral("Label %1").arg(i)), 1) << i;
    for (int i = 1; i <= 90; ++i)
        EXPECT_EQ(all.count(QStringLiteral("row %1").arg(i)), 1) << i;
    EXPECT_EQ(all.count(QStringLiteral("Row")), pages.pageCount() - 1); // head row on each page
    EXPECT_EQ(forward.back().value(forward.back().size() - 1), QStringLiteral("\u2610  Clean up"));
    // The fields that ran over start at the top of the next page.
    const std::vector<ReportPages::PlacedText> second = pages.placedTexts(1);
    ASSERT_FALSE(second.empty());
    EXPECT_LT(second.front().rect.top(), 5.0);
    EXPECT_TRUE(second.front().text.startsWith(QLatin1String("Label ")));
}

TEST(ReportLayout, ANotesBoxStaysWithItsHeading) {
    RenderedReport r;
    r.title = QStringLiteral("Notes");
    r.printDate = QDate(2026, 12, 8);
    ReportBlock filler = Block(ReportBlock::Kind::Table);
    filler.headers = {QStringLiteral("Row")};
    filler.right = {false};
    for (int i = 0; i < 45; ++i)
        filler.rows.push_back(ReportRow({QStringLiteral("filler %1").arg(i)}));
    ReportBlock box = Block(ReportBlock::Kind::Box);
    box.lines = 12;
    r.blocks = {filler, Block(ReportBlock::Kind::Heading, QStringLiteral("Brew Day Notes")), box};
    const ReportPages pages(r);
    ASSERT_EQ(pages.pageCount(), 2);
    // The heading went over with the box: the first page ends with the table.
    EXPECT_FALSE(pages.pageTexts(0).contains(QStringLiteral("Brew Day Notes")));
    EXPECT_EQ(pages.pageTexts(1).value(0), QStringLiteral("Brew Day Notes"));
}

TEST(ReportLayout, ThePaperIsTheLocalesAndTheMarginsAre15mm) {
    const QPageLayout us =
        ReportPages::defaultLayout(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.pageSize().id(), QPageSize::Letter);
    const QPageLayout de = ReportPages::defaultLayout(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(ReportPages::defaultLayout(QLocale(QLocale::English, QLocale::UnitedKingdom))
                  .pageSize()
                  .id(),
              QPageSize::A4);
    EXPECT_EQ(de.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
}

} // namespace
} // namespace wsc
