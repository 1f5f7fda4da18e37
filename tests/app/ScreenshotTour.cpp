#include "AppFixture.h"

#include "app/calc/CCalcMessagesDlg.h"
#include "app/calc/CTargetStyleDlg.h"
#include "app/calculators/CCalculatorDlg.h"
#include "app/document/CWscalcFrame.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeGrid1.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/help/HelpWindow.h"
#include "app/help/QtHelpService.h"
#include "app/options/CWSOptionsSheet.h"
#include "app/reference/CAddChgDlg.h"
#include "app/reference/CLookupDlg.h"
#include "app/reports/SelectReportDlg.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/Commands.h"
#include "core/calc/RecipeCalculator.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/document/CWscalcDoc.h"
#include "core/help/HelpContexts.h"
#include "support/FormParts.h"
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QPainter>
#include <QTableWidget>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QtTest/QTest>

namespace wsc {
namespace {

// Not a check: with WSC_SCREENSHOT_DIR set, saves a picture of the main window on each page
// of the recipe form, for looking at the program as a user would.
class ScreenshotTour : public test::AppFixture {};

TEST_F(ScreenshotTour, EveryPageOfTheRecipeForm) {
    const QString dir = qEnvironmentVariable("WSC_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set WSC_SCREENSHOT_DIR to save the pictures";
    start({QStringLiteral("/s"), copyShippedSamples()});
    CMainFrame& frame = *m_app->mainFrame();
    frame.resize(1000, 720);
    frame.runCommand(ID_RECORD_LAST);
    CRecipeFormSheet* form = frame.recipeForm();
    for (int page = 0; page < test::Sheet(form)->count(); ++page) {
        test::Sheet(form)->SetActivePage(page);
        frame.grab().save(QDir(dir).filePath(QStringLiteral("page%1.png").arg(page)));
    }

    // A hop being edited on the Ingredients page.
    test::Sheet(form)->SetActivePage(CRecipeFormSheet::PageIngredients);
    CRecipeGrid1* grid = test::Grid(form);
    grid->setCurrentSheet(SheetHops);
    QTableWidget* hops = grid->table(SheetHops);
    hops->setCurrentCell(1, 2);
    hops->editItem(hops->item(1, 2));
    QCoreApplication::processEvents();
    frame.grab().save(QDir(dir).filePath(QStringLiteral("hop-edit.png")));

    // A drop-down cell with its list open, and the row menu of a right click: each popup is a
    // window of its own, drawn here over the main window where it stands.
    auto grabWithPopup = [&](const QString& name) {
        QPixmap shot = frame.grab();
        if (QWidget* popup = QApplication::activePopupWidget()) {
            QPainter p(&shot);
            p.drawPixmap(popup->mapToGlobal(QPoint(0, 0)) - frame.mapToGlobal(QPoint(0, 0)),
                         popup->grab());
            popup->close();
        }
        shot.save(QDir(dir).filePath(name));
    };
    hops->setFocus();
    grid->SetCurrentCell(1, 3, SheetHops);
    QTest::keyClick(hops, Qt::Key_F2);
    if (auto* box = qobject_cast<QComboBox*>(QApplication::focusWidget())) {
        box->showPopup();
        QCoreApplication::processEvents();
        grabWithPopup(QStringLiteral("dropdown-open.png"));
        QTest::keyClick(box, Qt::Key_Escape);
    }
    QCoreApplication::processEvents();
    const QPoint row = hops->visualItemRect(hops->item(0, 1)).center();
    QTest::mousePress(hops->viewport(), Qt::RightButton, {}, row);
    QTest::mouseRelease(hops->viewport(), Qt::RightButton, {}, row);
    QCoreApplication::processEvents();
    grabWithPopup(QStringLiteral("row-menu.png"));

    // The grain lookup, narrowed by its find box.
    {
        CLookupDlg lookup(LookupKind::Grains, frame.document()->services(), &frame, &m_runner);
        ASSERT_TRUE(lookup.OnInitDialog());
        lookup.show();
        QTest::keyClicks(lookup.filter(), QStringLiteral("crystal"));
        QCoreApplication::processEvents();
        lookup.grab().save(QDir(dir).filePath(QStringLiteral("lookup-find.png")));
    }

    // The recipe log beside the form.
    frame.runCommand(ID_VIEW_RECIPE_LOG);
    QCoreApplication::processEvents();
    frame.grab().save(QDir(dir).filePath(QStringLiteral("log.png")));
    frame.runCommand(ID_VIEW_RECIPE_FORM);

    // The target style dialog on a chosen style.
    CTargetStyleDlg::Inputs in;
    const CRecordSetRecipe& r = form->commands().record();
    in.target = {r.m_RecipeTargetStyle, r.m_RecipeTargetCategory, r.m_RecipeTargetSubcategory};
    in.og = 1.0481;
    in.abv = 6.9;
    in.ibu = 71.2;
    in.color = 9.4;
    in.hbu = 15.0;
    in.messageCount = 2;
    CTargetStyleDlg dlg(frame.document()->services(), CRecipeFormSheet::gridLayoutDirectory(), in);
    dlg.OnInitDialog();
    dlg.OnShowAllStyles();
    dlg.show();
    QCoreApplication::processEvents();
    dlg.grab().save(QDir(dir).filePath(QStringLiteral("target-style.png")));

    // The form maximised, on the Mash and Fermentation Info pages.
    frame.showMaximized();
    frame.formFrame()->showMaximized();
    for (int page : {CRecipeFormSheet::PageMash, CRecipeFormSheet::PageFermentation}) {
        test::Sheet(form)->SetActivePage(page);
        QCoreApplication::processEvents();
        frame.grab().save(QDir(dir).filePath(QStringLiteral("maximised-page%1.png").arg(page)));
    }
    frame.formFrame()->showNormal();

    // The messages of a recipe with several problems.
    frame.runCommand(ID_RECORD_FIRST);
    CRecipeGrid1* g = test::Grid(form);
    g->editCell(1, 5, QStringLiteral("1.350"), SheetKits);
    g->editCell(1, 6, QStringLiteral("0"), SheetKits);
    g->editCell(1, 6, QStringLiteral("0"), SheetYeasts);
    g->editCell(1, 4, QStringLiteral("0"), SheetHops);
    QStringList messages;
    form->calculator().setInputs(RecipeInputs::of(form->commands().record()));
    form->calculator().RunCalculations(false);
    messages = form->calculator().CalcMessages;
    CCalcMessagesDlg msgs(messages, &frame);
    msgs.show();
    QCoreApplication::processEvents();
    msgs.grab().save(QDir(dir).filePath(QStringLiteral("messages.png")));
    frame.runCommand(ID_RECORD_REFRESH);

    // The maintenance dialogs of the hops (on a hop with substitutes) and the styles.
    for (ReferenceKind kind : {ReferenceKind::Hops, ReferenceKind::Styles, ReferenceKind::Suppliers,
                               ReferenceKind::Grains}) {
        auto dlg = CAddChgDlg::create(kind, frame.document()->services(), m_runner, &frame);
        ASSERT_TRUE(dlg->OnInitDialog());
        if (kind == ReferenceKind::Hops) {
            for (int i = 0; i < 3; ++i)
                dlg->runCommand(ID_RECORD_NEXT);
        }
        dlg->show();
        QCoreApplication::processEvents();
        dlg->grab().save(
            QDir(dir).filePath(QStringLiteral("addchg-%1.png")
                                   .arg(QString::fromLatin1(dlg->records().table().table))));
        dlg->close();
    }

    // The calculators, each after one calculation with the values of a worked example.
    const std::pair<int, QStringList> calculators[] = {
        {ID_CALC_BITTERNESS,
         {"weight=1", "alpha=5", "volume=5", "gravity=1.050", "time=60", "ibu="}},
        {ID_CALC_GRAVITY, {"weight=6", "potential=1.045", "efficiency=100"}},
        {ID_CALC_ALCOHOL, {"og=1.050", "tg=", "abv="}},
        {ID_CALC_SG_BALLING, {"sg=", "balling=12"}},
        {ID_CALC_ABV_ABW, {"abw="}},
    };
    for (const auto& [id, typed] : calculators) {
        m_runner.onDialog = [&, id = id, typed = typed](QDialog& d) {
            auto& dlg = static_cast<CCalculatorDlg&>(d);
            dlg.show();
            for (const QString& t : typed) {
                QLineEdit* e = dlg.findChild<QLineEdit*>(t.section(u'=', 0, 0));
                e->setText(t.section(u'=', 1));
                emit e->textEdited(e->text());
            }
            dlg.OnCalculate();
            QCoreApplication::processEvents();
            dlg.grab().save(QDir(dir).filePath(QStringLiteral("calc-%1.png").arg(id)));
            return QDialog::Rejected;
        };
        frame.runCommand(id);
    }

    // The current recipe's sheet in the preview window, and a list.
    for (const QString& report :
         {QStringLiteral("Print Current Recipe"), QStringLiteral("List all Styles")}) {
        m_runner.onDialog = [report](QDialog& d) {
            auto* select = qobject_cast<SelectReportDlg*>(&d);
            if (!select)
                return int(QDialog::Rejected);
            select->reportList()->setCurrentIndex(select->reportList()->findText(report));
            return int(QDialog::Accepted);
        };
        frame.runCommand(ID_REPORT_SELECT);
        frame.showMaximized();
        QCoreApplication::processEvents();
        frame.grab().save(QDir(dir).filePath(
            QStringLiteral("report-%1.png").arg(report.section(u' ', -1).toLower())));
    }

    // Options (each page), the Tip of the Day, the About box and the help at the hops topic.
    m_runner.onDialog = [&](QDialog& d) {
        auto* sheet = dynamic_cast<CWSOptionsSheet*>(&d);
        if (!sheet)
            return int(QDialog::Rejected);
        sheet->show();
        for (int page = 0; page < 3; ++page) {
            sheet->tabs()->setCurrentIndex(page);
            QCoreApplication::processEvents();
            sheet->grab().save(QDir(dir).filePath(QStringLiteral("options-%1.png").arg(page)));
        }
        return int(QDialog::Rejected);
    };
    frame.runCommand(ID_TOOLS_OPTIONS);
    const QString tips = path(QStringLiteral("tips.txt"));
    {
        QFile f(tips);
        f.open(QIODevice::WriteOnly);
        f.write("; tips\nHops lose alpha acid and aroma in warm air; keep them sealed in the "
                "freezer.\n");
    }
    frame.setTipsFile(tips);
    m_runner.onDialog = [&](QDialog& d) {
        d.show();
        QCoreApplication::processEvents();
        d.grab().save(QDir(dir).filePath(
            QStringLiteral("%1.png").arg(QString::fromLatin1(d.metaObject()->className()).mid(5))));
        return int(QDialog::Rejected);
    };
    frame.runCommand(ID_TIP_OF_THE_DAY);
    frame.runCommand(ID_APP_ABOUT);
    m_runner.onDialog = nullptr;
    QtHelpService help(m_prompter, QStringLiteral(WSC_HELP_FILE), path(QStringLiteral("cache")));
    help.show(HelpContext::kHops);
    ASSERT_NE(help.window(), nullptr);
    QTest::qWait(1000);
    help.window()->grab().save(QDir(dir).filePath(QStringLiteral("help-hops.png")));
}

} // namespace
} // namespace wsc
