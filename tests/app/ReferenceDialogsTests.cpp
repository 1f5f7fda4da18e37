#include "AppFixture.h"

#include "core/help/HelpContexts.h"

#include "app/form/CRecipeFormSheet.h"
#include "app/reference/CAddChgDlg.h"
#include "app/reference/CAddChgHops.h"
#include "app/reference/CAddChgSuppliers.h"
#include "app/reference/CLookupDlg.h"
#include "app/reference/CSortListCtrl.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/ReferencePreviewDialog.h"
#include "app/widgets/Commands.h"
#include "app/widgets/SpinButtons.h"
#include "core/db/SqliteConnection.h"
#include "core/document/CWscalcDoc.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest/QTest>

namespace wsc {
namespace {

class ReferenceDialogs : public test::FormFixture {
protected:
    std::unique_ptr<CAddChgDlg> openDialog(ReferenceKind kind) {
        auto dlg = CAddChgDlg::create(kind, frame().document()->services(), m_runner, &frame());
        EXPECT_TRUE(dlg->OnInitDialog());
        dlg->show();
        m_prompter.clear();
        return dlg;
    }
    QVariant data(const QString& sql) {
        SqliteConnection c(m_profile.text(Setting::DefaultDataFile),
                           SqliteConnection::Mode::ReadOnly);
        return c.scalar(sql);
    }
    static void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods) {
        QTest::keyClick(w, key, mods);
    }
    static void typeInto(QWidget* w, const QString& text) {
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            e->selectAll();
            QTest::keyClicks(e, text);
        } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
            p->selectAll();
            QTest::keyClicks(p, text);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setCurrentIndex(c->findText(text));
        }
    }
};

// What a new row of each table gets typed into it; the first field names it.
struct Typed {
    ReferenceKind kind;
    std::vector<std::pair<const char*, const char*>> fields;
    const char* changeColumn; // a field changed afterwards
};

class EveryDialog : public ReferenceDialogs, public ::testing::WithParamInterface<Typed> {};

TEST_P(EveryDialog, AddChangeAndDeleteThroughTheControlsAndKeys) {
    openSamples();
    const Typed& t = GetParam();
    auto dlg = openDialog(t.kind);
    const ReferenceTable& table = dlg->records().table();
    const QString name = QString::fromLatin1(t.fields.front().second);
    const QString where =
        QStringLiteral("%1 = '%2'").arg(QString::fromLatin1(t.fields.front().first), name);
    const QString count =
        QStringLiteral("SELECT count(*) FROM %1").arg(QString::fromLatin1(table.table));
    const long before = data(count).toLongLong();

    // Add: Ctrl with the keypad's plus, from the field that has the focus.
    QWidget* focus = dlg->control(table.focus);
    focus->setFocus();
    press(focus, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    ASSERT_TRUE(dlg->records().isAdding()) << table.table;
    for (const auto& [column, text] : t.fields)
        typeInto(dlg->control(column), QString::fromLatin1(text));
    // Enter does not close the dialog.
    press(dlg->control(table.focus), Qt::Key_Return, Qt::NoModifier);
    EXPECT_TRUE(dlg->isVisible());
    m_prompter.queue(PromptAnswer::Yes);
    press(dlg->control(table.focus), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_prompter.last().text, QStringLiteral("Save changes to current data record?"));
    ASSERT_EQ(data(count).toLongLong(), before + 1) << table.table;
    ASSERT_EQ(data(count + QStringLiteral(" WHERE ") + where).toLongLong(), 1) << table.table;
    // The new row sorts last and stays on show.
    EXPECT_EQ(dlg->controlText(t.fields.front().first), name);

    // Change one of its fields; closing saves it.
    QWidget* changed = dlg->control(t.changeColumn);
    typeInto(changed, QStringLiteral("Changed by the test"));
    m_prompter.queue(PromptAnswer::Yes);
    dlg->reject();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(data(QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                       .arg(QString::fromLatin1(t.changeColumn), QString::fromLatin1(table.table),
                            where)),
              QStringLiteral("Changed by the test"));

    // Delete it again: Ctrl with the keypad's minus.
    dlg = openDialog(t.kind);
    dlg->runCommand(ID_RECORD_LAST);
    EXPECT_EQ(dlg->controlText(t.fields.front().first), name);
    m_prompter.queue(PromptAnswer::Ok);
    press(dlg->control(table.focus), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_TRUE(m_prompter.last().text.startsWith(QStringLiteral("Please confirm delete -\n%1 - ")
                                                      .arg(QString::fromLatin1(table.deleteWord))));
    EXPECT_EQ(data(count).toLongLong(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, EveryDialog,
    ::testing::Values(
        Typed{ReferenceKind::Styles,
              {{"StylesName", "zz Test Style"}, {"StylesCategory", "Test Category"}},
              "StylesComments"},
        Typed{ReferenceKind::Kits,
              {{"KitsManuf", "zz Test Kits"}, {"KitsStyle", "Test Bitter"}},
              "KitsDescription"},
        Typed{ReferenceKind::Extracts,
              {{"ExtractsManuf", "zz Test Malt"}, {"ExtractsName", "Test Light"}},
              "ExtractsComments"},
        Typed{ReferenceKind::Grains,
              {{"GrainsName", "zz Test Grain"}, {"GrainsCategory", "Unusual Specialties"}},
              "GrainsComments"},
        Typed{ReferenceKind::Hops, {{"HopsName", "zz Test Hop"}}, "HopsOrigin"},
        Typed{ReferenceKind::Yeast,
              {{"YeastManuf", "zz Test Yeast Co"}, {"YeastStrain", "Test Ale"}},
              "YeastComments"},
        Typed{ReferenceKind::Water, {{"WaterType", "zz Test Water"}}, "WaterInfo"},
        Typed{ReferenceKind::Adjuncts, {{"AdjunctsName", "zz Test Sugar"}}, "AdjunctsComments"},
        Typed{ReferenceKind::Glossary, {{"GlossaryTerm", "zz Test Term"}}, "GlossaryInfo"},
        Typed{ReferenceKind::Suppliers, {{"SuppliersName", "zz Test Shop"}}, "SuppliersInfo"},
        Typed{ReferenceKind::Brewer, {{"BrewerName", "zz Test Brewer"}}, "BrewerAddress"}),
    [](const ::testing::TestParamInfo<Typed>& info) {
        return std::string(ReferenceTableOf(info.param.kind).table);
    });

TEST_F(ReferenceDialogs, TextsLongerThanTheirFieldCannotBeTyped) {
    openSamples();
    auto dlg = openDialog(ReferenceKind::Hops);
    dlg->runCommand(ID_RECORD_ADD);
    QWidget* name = dlg->control("HopsName");
    typeInto(name, QString(45, QLatin1Char('x')));
    EXPECT_EQ(dlg->controlText("HopsName"), QString(30, QLatin1Char('x')));
    m_prompter.queue(PromptAnswer::Yes);
    dlg->runCommand(ID_RECORD_FIRST);
    EXPECT_EQ(data(QStringLiteral("SELECT length(HopsName) FROM Hops WHERE HopsName LIKE 'xxx%'"))
                  .toInt(),
              30);
}

TEST_F(ReferenceDialogs, ADecimalCommaIsADecimalMark) {
    openSamples();
    auto dlg = openDialog(ReferenceKind::Hops);
    const QString name = dlg->controlText("HopsName");
    typeInto(dlg->control("HopsAlphaLo"), QStringLiteral("6,0"));
    typeInto(dlg->control("HopsAlphaHi"), QStringLiteral("7,0"));
    typeInto(dlg->control("HopsAlpha"), QStringLiteral("6,5"));
    m_prompter.queue(PromptAnswer::Yes);
    press(dlg->control("HopsAlpha"), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_prompter.last().text, QStringLiteral("Save changes to current data record?"));
    EXPECT_EQ(data(QStringLiteral("SELECT HopsAlpha FROM Hops WHERE HopsName = '%1'").arg(name))
                  .toDouble(),
              6.5);
}

TEST_F(ReferenceDialogs, HopsSpinnersStepTenthsAndSubstitutesComeFromTheLookup) {
    openSamples();
    auto base = openDialog(ReferenceKind::Hops);
    auto* hops = static_cast<CAddChgHops*>(base.get());
    auto* alpha = qobject_cast<QLineEdit*>(hops->control("HopsAlpha"));
    const double before = alpha->text().toDouble();
    hops->spinner("HopsAlpha")->upButton()->click();
    EXPECT_EQ(alpha->text(), QString::number(std::min(before + 0.1, 20.0), 'f', 1));
    EXPECT_TRUE(hops->records().isDirty());
    alpha->setText(QStringLiteral("19.95"));
    hops->spinner("HopsAlpha")->upButton()->click();
    EXPECT_EQ(alpha->text(), QStringLiteral("20.0"));

    // Substitutes: up to four, from the hop lookup.
    m_runner.onDialog = [](QDialog& d) {
        auto* lookup = qobject_cast<CLookupDlg*>(&d);
        if (!lookup)
            return int(QDialog::Rejected);
        lookup->selectRow(0);
        lookup->accept();
        return lookup->result();
    };
    while (hops->substituteCount() < 4)
        hops->addButton()->click();
    EXPECT_FALSE(hops->addButton()->isEnabled());
    EXPECT_TRUE(m_runner.dialogs.contains(QStringLiteral("wsc::CLookupDlg")));
    hops->substitutes()->setCurrentIndex(hops->substitutes()->model()->index(3, 0));
    hops->removeButton()->click();
    EXPECT_EQ(hops->substituteCount(), 3);
    EXPECT_EQ(hops->substitutes()->currentIndex().row(), 2); // the new last entry
    EXPECT_TRUE(hops->addButton()->isEnabled());
}

TEST_F(ReferenceDialogs, SuppliersOpenOnlyMailAndWebAddresses) {
    openSamples();
    auto base = openDialog(ReferenceKind::Suppliers);
    auto* suppliers = static_cast<CAddChgSuppliers*>(base.get());
    typeInto(suppliers->control("SuppliersEMail"), QStringLiteral("orders@example.org"));
    typeInto(suppliers->control("SuppliersInternet"), QStringLiteral("www.example.org"));
    suppliers->sendMessageButton()->click();
    suppliers->visitButton()->click();
    EXPECT_EQ(m_runner.urls, (QStringList{QStringLiteral("mailto:orders@example.org"),
                                          QStringLiteral("https://www.example.org")}));
    typeInto(suppliers->control("SuppliersInternet"), QStringLiteral("/usr/bin/xterm"));
    suppliers->visitButton()->click();
    EXPECT_EQ(m_runner.urls.size(), 2);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\n\"/usr/bin/xterm\" is not a web site address.  Please "
                             "enter an address like www.example.com or https://www.example.com."));
    // The desktop could not open it: the support program error.
    typeInto(suppliers->control("SuppliersInternet"), QStringLiteral("https://example.org"));
    m_runner.openUrlResult = false;
    suppliers->visitButton()->click();
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Support Program Error:\nAn error occurred while trying to contact "
                             "\nhttps://example.org\nvia the Internet or E-mail.\n\nError = the "
                             "desktop has no program set up for web addresses"));
}

TEST_F(ReferenceDialogs, ALookupsAddOffersTheNewHopAndReturnsIt) {
    openSamples();
    CLookupDlg lookup(LookupKind::Hops, frame().document()->services(), &frame(), &m_runner);
    ASSERT_TRUE(lookup.OnInitDialog());
    lookup.selectRow(2);
    const QString place = lookup.list()->text(lookup.list()->currentRow(), 0);
    // The maintenance dialog opened by Add: a new hop, saved on closing.
    m_runner.onDialog = [](QDialog& d) {
        auto* hops = qobject_cast<CAddChgDlg*>(&d);
        if (!hops)
            return int(QDialog::Rejected);
        hops->runCommand(ID_RECORD_ADD);
        qobject_cast<QLineEdit*>(hops->control("HopsName"))->setText(QStringLiteral("Zenith"));
        qobject_cast<QLineEdit*>(hops->control("HopsAlpha"))->setText(QStringLiteral("9.5"));
        qobject_cast<QLineEdit*>(hops->control("HopsAlphaLo"))->setText(QStringLiteral("8"));
        qobject_cast<QLineEdit*>(hops->control("HopsAlphaHi"))->setText(QStringLiteral("11"));
        hops->reject();
        return int(QDialog::Rejected);
    };
    m_prompter.queue(PromptAnswer::Yes);
    lookup.OnAdd();
    EXPECT_EQ(m_runner.dialogs.last(), QStringLiteral("wsc::CAddChgHops"));
    // The user's place is kept...
    EXPECT_EQ(lookup.list()->text(lookup.list()->currentRow(), 0), place);
    // ...and the new hop is there to choose.
    const QStringList names = lookup.list()->columnTexts(0);
    const int at = static_cast<int>(names.indexOf(QStringLiteral("Zenith")));
    ASSERT_GE(at, 0);
    lookup.selectRow(at);
    lookup.accept();
    ASSERT_TRUE(lookup.lookupResult());
    EXPECT_EQ(lookup.lookupResult()->name, QStringLiteral("Zenith"));
    EXPECT_EQ(lookup.lookupResult()->alpha, 9.5);
}

TEST_F(ReferenceDialogs, TheDataMenuOpensEveryTable) {
    openSamples();
    QMenu* menu = frame().menu(QStringLiteral("Data"));
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator())
            texts << a->text();
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&Style..."), QStringLiteral("&Kit..."),
                                  QStringLiteral("&Extract..."), QStringLiteral("&Grain..."),
                                  QStringLiteral("&Hop..."), QStringLiteral("&Yeast..."),
                                  QStringLiteral("&Water..."), QStringLiteral("&Adjunct..."),
                                  QStringLiteral("G&lossary..."), QStringLiteral("S&upplier..."),
                                  QStringLiteral("Brewer's &Information..."),
                                  // Added after the tables: reference data in and out.
                                  QStringLiteral("Im&port..."), QStringLiteral("E&xport...")}));
    EXPECT_EQ(frame().action(ID_DATA_HOP)->statusTip(), QStringLiteral("Add/Chg/Delete Hops Data"));
    for (int id : {ID_DATA_STYLE, ID_DATA_BREWER}) {
        frame().runCommand(id);
    }
    EXPECT_EQ(m_runner.dialogs, (QStringList{QStringLiteral("wsc::CAddChgStyles"),
                                             QStringLiteral("wsc::CAddChgBrewer")}));
}

// Data > Import shows what the file would change; what is ticked, and only that, changes when
// the brewer chooses Import; Cancel changes nothing. Data > Export writes the tables.
TEST_F(ReferenceDialogs, DataImportTakesWhatIsTickedAndExportWritesTheTables) {
    openSamples();
    const QString data = m_profile.text(Setting::DefaultDataFile);
    const QString file = path(QStringLiteral("catalogue.json"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"beerjson": {"version": 1.0,
          "hop_varieties": [
            {"name": "Nova", "alpha_acid": {"unit": "%", "value": 11}},
            {"name": "Amarillo", "alpha_acid": {"unit": "%", "value": 9.5}}],
          "cultures": [{"name": "House Kveik", "type": "kveik", "form": "dry"}]}})");
    }
    auto count = [&](const QString& sql) {
        SqliteConnection c(data, SqliteConnection::Mode::ReadOnly);
        return c.scalar(sql).toDouble();
    };
    // Cancel: nothing changes.
    const QByteArray before = test::FileDigest(data);
    m_runner.files.push_back(file);
    m_runner.onDialog = [](QDialog&) { return int(QDialog::Rejected); };
    frame().runCommand(ID_DATA_IMPORT);
    EXPECT_EQ(test::FileDigest(data), before);

    m_runner.files.push_back(file);
    QStringList states;
    m_runner.onDialog = [&](QDialog& d) {
        auto* preview = dynamic_cast<ReferencePreviewDialog*>(&d);
        EXPECT_NE(preview, nullptr);
        if (!preview)
            return int(QDialog::Rejected);
        QTreeWidget* list = preview->list();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            states << list->topLevelItem(i)->text(2).section(u':', 0, 0) +
                          (list->topLevelItem(i)->checkState(0) == Qt::Checked ? "+" : "-");
        // The brewer ticks the hop that differs and unticks the new yeast, with the keyboard.
        list->show();
        list->setFocus();
        for (int row : {1, 2}) {
            list->setCurrentItem(list->topLevelItem(row));
            QTest::keyClick(list, Qt::Key_Space);
        }
        return int(QDialog::Accepted);
    };
    frame().runCommand(ID_DATA_IMPORT);
    EXPECT_EQ(states, (QStringList{QStringLiteral("new+"), QStringLiteral("differs-"),
                                   QStringLiteral("new+")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsName = 'Nova'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT HopsAlpha FROM Hops WHERE HopsName = 'Amarillo'")), 9.5);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Yeast WHERE YeastStrain = 'House Kveik'")),
              0);
    ASSERT_FALSE(m_prompter.shown().empty());
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("Added: 1\nReplaced: 1")))
        << m_prompter.last().text.toStdString();

    const QString out = path(QStringLiteral("reference.json"));
    m_runner.saveFiles.push_back(out);
    frame().runCommand(ID_DATA_EXPORT);
    const QByteArray written = readFile(out);
    EXPECT_TRUE(written.contains("\"hop_varieties\"") && written.contains("\"Nova\""));
}

TEST_F(ReferenceDialogs, F1InALookupOpensTheLookupsOwnHelp) {
    openSamples();
    CLookupDlg lookup(LookupKind::Grains, frame().document()->services(), &frame(), &m_runner);
    lookup.OnInitDialog();
    QTest::keyClick(&lookup, Qt::Key_F1);
    ASSERT_FALSE(m_help.contexts.empty());
    EXPECT_EQ(m_help.contexts.back(), HelpContext::kLookup);
}

} // namespace
} // namespace wsc
