#include "support/TestSupport.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoRecordset.h"
#include "core/document/FieldExchange.h"
#include "core/reference/CAddChgDAO.h"
#include "core/reference/ContactAddresses.h"
#include "core/reference/HopsRules.h"
#include "core/settings/MessageCatalog.h"

#include <map>

namespace wsc {
namespace {

using Move = CAddChgDAO::Move;

// The controls of a maintenance dialog without a window: one text per field, moved to and
// from the record the way the dialog's fields are.
class FakeControls : public AddChgControls {
public:
    FakeControls(const ReferenceTable& table, Prompter& prompter)
        : m_table(table), m_prompter(prompter) {}

    bool saveControls(CDaoRecordset& r) override {
        ++saves;
        for (const ReferenceField& f : m_table.fields) {
            const QString column = QString::fromLatin1(f.column);
            const QString text = texts[column];
            switch (f.kind) {
            case FieldKind::Text:
            case FieldKind::Memo:
            case FieldKind::DropList:
                r.SetFieldValue(column, text);
                break;
            case FieldKind::Radios:
            case FieldKind::Check:
                r.SetFieldValue(column, QVariant::fromValue<qlonglong>(text.toLongLong()));
                break;
            default: {
                double v = 0;
                if (!text.isEmpty() &&
                    !ReadNumberField(text, QString::fromLatin1(f.label), m_prompter, v))
                    return false;
                r.SetFieldValue(column, v);
            }
            }
        }
        if (m_table.kind == ReferenceKind::Hops)
            HopsRules::storeSubstitutes(r, substitutes);
        return true;
    }
    void loadControls(const CDaoRecordset& r, bool hasRow) override {
        ++loads;
        shownRow = hasRow;
        for (const ReferenceField& f : m_table.fields) {
            const QString column = QString::fromLatin1(f.column);
            texts[column] = hasRow ? r.GetFieldValue(column).toString() : QString();
        }
        substitutes = hasRow && m_table.kind == ReferenceKind::Hops ? HopsRules::substitutes(r)
                                                                    : QStringList();
    }
    QString controlText(const char* column) const override {
        auto it = texts.find(QString::fromLatin1(column));
        return it == texts.end() ? QString() : it->second;
    }
    void setControlText(const char* column, const QString& text) override {
        texts[QString::fromLatin1(column)] = text;
    }
    void focusControl(const char* column) override { focus = QString::fromLatin1(column); }

    std::map<QString, QString> texts;
    QStringList substitutes;
    QString focus;
    bool shownRow = false;
    int loads = 0;
    int saves = 0;

private:
    const ReferenceTable& m_table;
    Prompter& m_prompter;
};

class ReferenceDialog : public test::DbFixture {
protected:
    ReferenceDialog() { m_profile.setText(Setting::DefaultDataFile, copyShippedData()); }
    void open(ReferenceKind kind) {
        m_controls = std::make_unique<FakeControls>(ReferenceTableOf(kind), m_prompter);
        m_dao = std::make_unique<CAddChgDAO>(kind, m_services, *m_controls);
        ASSERT_TRUE(m_dao->OnInitDialog());
        m_prompter.clear();
    }
    void type(const char* column, const QString& text) {
        m_controls->texts[QString::fromLatin1(column)] = text;
        m_dao->setDirty();
    }
    QString shown(const char* column) const { return m_controls->controlText(column); }
    QVariant data(const QString& sql) {
        SqliteConnection c(m_profile.text(Setting::DefaultDataFile),
                           SqliteConnection::Mode::ReadOnly);
        return c.scalar(sql);
    }
    void emptyTable(const char* table) {
        execSql(m_profile.text(Setting::DefaultDataFile),
                QStringLiteral("DELETE FROM ") + QString::fromLatin1(table));
    }

    std::unique_ptr<FakeControls> m_controls;
    std::unique_ptr<CAddChgDAO> m_dao;
};

TEST_F(ReferenceDialog, AnEmptyTableOpensEmptyAndItsFirstRowIsAdded) {
    emptyTable("Glossary");
    open(ReferenceKind::Glossary);
    EXPECT_FALSE(m_dao->hasRow());
    EXPECT_FALSE(m_controls->shownRow);
    EXPECT_FALSE(m_dao->canDelete());
    m_dao->OnRecordAdd();
    EXPECT_TRUE(m_prompter.shown().empty()); // no "Required data is missing" for the empty row
    EXPECT_TRUE(m_dao->isAdding());
    type("GlossaryTerm", QStringLiteral("Krausen"));
    type("GlossaryInfo", QStringLiteral("The rocky head of an active fermentation."));
    m_prompter.queue(PromptAnswer::Yes);
    m_dao->OnRecordMove(Move::Next);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text, QStringLiteral("Save changes to current data record?"));
    EXPECT_EQ(m_prompter.last().icon, PromptIcon::None);
    EXPECT_EQ(
        data(QStringLiteral("SELECT GlossaryInfo FROM Glossary WHERE GlossaryTerm='Krausen'")),
        QStringLiteral("The rocky head of an active fermentation."));
    EXPECT_EQ(shown("GlossaryTerm"), QStringLiteral("Krausen"));
}

TEST_F(ReferenceDialog, AChangedRowIsSavedSilentlyWithoutWarningsAndNoDiscardsIt) {
    m_profile.setInteger(Setting::DisplayWarnings, 0);
    open(ReferenceKind::Water);
    const QString first = shown("WaterType");
    type("WaterInfo", QStringLiteral("Changed without a question"));
    m_dao->OnRecordMove(Move::Next);
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(data(QStringLiteral("SELECT WaterInfo FROM Water WHERE WaterType='%1'").arg(first)),
              QStringLiteral("Changed without a question"));

    m_profile.setInteger(Setting::DisplayWarnings, 1);
    open(ReferenceKind::Water);
    type("WaterInfo", QStringLiteral("Thrown away"));
    m_prompter.queue(PromptAnswer::No);
    m_dao->OnRecordMove(Move::Next);
    EXPECT_EQ(m_prompter.ids().size(), 1u);
    EXPECT_NE(data(QStringLiteral("SELECT WaterInfo FROM Water WHERE WaterType='%1'").arg(first)),
              QStringLiteral("Thrown away"));
    EXPECT_NE(shown("WaterType"), first); // and it moved on
}

TEST_F(ReferenceDialog, LeavingAnUnchangedRowWritesNothing) {
    const QString file = m_profile.text(Setting::DefaultDataFile);
    const QByteArray before = test::FileDigest(file);
    open(ReferenceKind::Hops);
    m_dao->OnRecordMove(Move::Next);
    m_dao->OnRecordMove(Move::Last);
    m_dao->OnRecordMove(Move::Previous);
    m_dao->OnRecordMove(Move::First);
    EXPECT_TRUE(m_dao->canClose());
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(m_controls->saves, 0);
    m_dao.reset();
    EXPECT_EQ(test::FileDigest(file), before);
}

TEST_F(ReferenceDialog, ANewRowThatFailsValidationCannotBeLeftAndRefreshDropsIt) {
    open(ReferenceKind::Yeast);
    m_dao->OnRecordMove(Move::Next);
    const QString before = shown("YeastStrain");
    const long rows = data(QStringLiteral("SELECT count(*) FROM Yeast")).toLongLong();
    m_dao->OnRecordAdd();
    type("YeastManuf", QStringLiteral("Only A Maker"));
    m_dao->OnRecordMove(Move::Next);
    EXPECT_EQ(m_prompter.last().text, QStringLiteral("Data Error:\nRequired data is missing."));
    EXPECT_EQ(m_controls->focus, QStringLiteral("YeastStrain"));
    EXPECT_TRUE(m_dao->isAdding());
    EXPECT_FALSE(m_dao->canClose()); // the dialog stays open with the change
    m_dao->OnRecordRefresh();
    EXPECT_FALSE(m_dao->isAdding());
    EXPECT_EQ(shown("YeastStrain"), before);
    EXPECT_EQ(data(QStringLiteral("SELECT count(*) FROM Yeast")).toLongLong(), rows);
}

TEST_F(ReferenceDialog, NoOnANewRowGoesBackToTheRowBeforeAddAndMovesFromThere) {
    open(ReferenceKind::Kits);
    m_dao->OnRecordMove(Move::Next);
    m_dao->OnRecordMove(Move::Next);
    const QString third = shown("KitsStyle");
    m_dao->OnRecordAdd();
    type("KitsManuf", QStringLiteral("New Maker"));
    type("KitsStyle", QStringLiteral("New Style"));
    m_prompter.queue(PromptAnswer::No);
    m_dao->OnRecordMove(Move::Previous);
    EXPECT_EQ(data(QStringLiteral("SELECT count(*) FROM Kits WHERE KitsManuf='New Maker'")), 0);
    // From the third row back: the second.
    m_dao->OnRecordMove(Move::Next);
    EXPECT_EQ(shown("KitsStyle"), third);
}

TEST_F(ReferenceDialog, DeletingTheLastRowShowsTheOneBeforeItAndTheOnlyOneLeavesItEmpty) {
    open(ReferenceKind::Suppliers);
    const long rows = data(QStringLiteral("SELECT count(*) FROM Suppliers")).toLongLong();
    ASSERT_GE(rows, 2);
    m_dao->OnRecordMove(Move::Last);
    const QString last = shown("SuppliersName");
    m_dao->OnRecordMove(Move::Previous);
    const QString beforeLast = shown("SuppliersName");
    m_dao->OnRecordMove(Move::Last);
    m_prompter.queue(PromptAnswer::Ok);
    m_dao->OnRecordDelete();
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Please confirm delete -\nSupplier - ") + last);
    EXPECT_EQ(shown("SuppliersName"), beforeLast);
    EXPECT_EQ(data(QStringLiteral("SELECT count(*) FROM Suppliers")).toLongLong(), rows - 1);

    // Down to nothing, with no error, then a new first row.
    m_profile.setInteger(Setting::DisplayDeleteWarnings, 0);
    open(ReferenceKind::Suppliers);
    for (long i = 1; i < rows; ++i)
        m_dao->OnRecordDelete();
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_FALSE(m_dao->hasRow());
    EXPECT_FALSE(m_controls->shownRow);
    m_dao->OnRecordAdd();
    type("SuppliersName", QStringLiteral("A New Shop"));
    m_prompter.queue(PromptAnswer::Yes);
    EXPECT_TRUE(m_dao->canClose());
    EXPECT_EQ(data(QStringLiteral("SELECT SuppliersName FROM Suppliers")),
              QStringLiteral("A New Shop"));
}

TEST_F(ReferenceDialog, TheLastBrewerIsDeletedOnlyAfterTheExtraQuestion) {
    open(ReferenceKind::Brewer);
    m_prompter.queue(PromptAnswer::No);
    m_dao->OnRecordDelete();
    EXPECT_EQ(m_prompter.last().text, QStringLiteral("Should delete of last brewer be allowed?"));
    EXPECT_EQ(data(QStringLiteral("SELECT count(*) FROM Brewer")), 1);
    m_prompter.queue(PromptAnswer::Yes);
    m_prompter.queue(PromptAnswer::Ok);
    m_dao->OnRecordDelete();
    EXPECT_EQ(m_prompter.ids().size(), 3u);
    EXPECT_EQ(data(QStringLiteral("SELECT count(*) FROM Brewer")), 0);
}

TEST(HopsRulesCheck, AlphaAndItsRange) {
    const QString between = QStringLiteral("Data Error:\nAlpha values must be between 1 and 20. ");
    const QString range = QStringLiteral(
        "Data Error:\nHops Alpha value is not between Low and High values OR\nLow and/or High "
        "value missing OR\nLow and High values inconsistent");
    auto check = [](const char* a, const char* l, const char* h) {
        return HopsRules::checkAlpha(QString::fromLatin1(a), QString::fromLatin1(l),
                                     QString::fromLatin1(h));
    };
    EXPECT_FALSE(check("5.5", "0", "0"));
    EXPECT_FALSE(check("5.5", "4", "6"));
    EXPECT_EQ(check("5.5", "4", "0")->message, range);
    EXPECT_EQ(check("7", "4", "6")->message, range);
    for (const char* a : {"0", "20.5", "21", "", "abc"}) {
        const auto p = check(a, "0", "0");
        ASSERT_TRUE(p) << a;
        EXPECT_EQ(p->message, between) << a;
        EXPECT_STREQ(p->focus, "HopsAlpha");
    }
    EXPECT_STREQ(check("5", "0.5", "6")->focus, "HopsAlphaLo");
    EXPECT_STREQ(check("5", "4", "25")->focus, "HopsAlphaHi");
}

TEST_F(ReferenceDialog, HopsKeepTheirSubstitutesInOrderWithoutGaps) {
    open(ReferenceKind::Hops);
    const QString name = shown("HopsName");
    execSql(m_profile.text(Setting::DefaultDataFile),
            QStringLiteral("UPDATE Hops SET HopsSubstitute1='Fuggle', HopsSubstitute2=NULL, "
                           "HopsSubstitute3='Willamette', HopsSubstitute4='' WHERE HopsName='%1'")
                .arg(name));
    open(ReferenceKind::Hops);
    EXPECT_EQ(m_controls->substitutes,
              (QStringList{QStringLiteral("Fuggle"), QStringLiteral("Willamette")}));
    type("HopsComments", QStringLiteral("Saved with its substitutes"));
    m_prompter.queue(PromptAnswer::Yes);
    EXPECT_TRUE(m_dao->canClose());
    EXPECT_EQ(
        data(QStringLiteral("SELECT HopsSubstitute2 FROM Hops WHERE HopsName='%1'").arg(name)),
        QStringLiteral("Willamette"));
    EXPECT_TRUE(
        data(QStringLiteral("SELECT HopsSubstitute3 FROM Hops WHERE HopsName='%1'").arg(name))
            .toString()
            .isEmpty());
}

TEST_F(ReferenceDialog, HopsValuesOutOfRangeCannotBeSaved) {
    open(ReferenceKind::Hops);
    const QString name = shown("HopsName");
    type("HopsAlpha", QStringLiteral("21"));
    m_dao->OnRecordMove(Move::Next);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nAlpha values must be between 1 and 20. "));
    EXPECT_EQ(shown("HopsName"), name);
    EXPECT_TRUE(m_dao->isDirty());
}

TEST_F(ReferenceDialog, ADuplicateKeyIsReportedAndTheTypedRowStaysUnderEdit) {
    open(ReferenceKind::Hops);
    const QString firstName = shown("HopsName");
    const QString firstAlpha = shown("HopsAlpha");
    m_dao->OnRecordAdd();
    type("HopsName", firstName);
    type("HopsAlpha", firstAlpha);
    type("HopsAlphaLo", QStringLiteral("0"));
    type("HopsAlphaHi", QStringLiteral("0"));
    m_prompter.queue(PromptAnswer::Yes);
    m_prompter.queue(PromptAnswer::No); // no help
    m_dao->OnRecordMove(Move::Next);
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("(3022)")))
        << m_prompter.last().text.toStdString();
    EXPECT_TRUE(m_dao->isAdding());
    EXPECT_EQ(shown("HopsName"), firstName);
    EXPECT_EQ(data(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsName='%1'").arg(firstName)),
              1);
}

TEST_F(ReferenceDialog, ATextInANumberFieldIsRefusedNamingTheField) {
    open(ReferenceKind::Grains);
    type("GrainsColor", QStringLiteral("dark"));
    m_dao->OnRecordMove(Move::Next);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a number in the field \"Color "
                             "(Lovibond)\"."));
    EXPECT_TRUE(m_dao->isDirty());
}

TEST_F(ReferenceDialog, ARowThatRecipesNameMayBeDeleted) {
    open(ReferenceKind::Hops);
    while (shown("HopsName") != QLatin1String("Cascade"))
        m_dao->OnRecordMove(Move::Next);
    m_prompter.queue(PromptAnswer::Ok);
    m_dao->OnRecordDelete();
    EXPECT_EQ(m_prompter.shown().front().text,
              QStringLiteral("Please confirm delete -\nHops - Cascade, ") + QStringLiteral("5.5%"));
    EXPECT_EQ(data(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsName='Cascade'")), 0);
}

TEST(ContactAddress, OnlyMailAndWebAddressesReachTheDesktop) {
    EXPECT_EQ(ContactAddresses::mailto(QStringLiteral(" shop@example.com ")),
              QStringLiteral("mailto:shop@example.com"));
    EXPECT_EQ(ContactAddresses::mailto(QStringLiteral("mailto:shop@example.com")),
              QStringLiteral("mailto:shop@example.com"));
    EXPECT_EQ(ContactAddresses::website(QStringLiteral("www.example.com")),
              QStringLiteral("https://www.example.com"));
    EXPECT_EQ(ContactAddresses::website(QStringLiteral("http://example.com/hops?x=1")),
              QStringLiteral("http://example.com/hops?x=1"));
    for (const char* bad :
         {"/bin/sh", "file:///etc/passwd", "javascript:alert(1)", "ftp://example.com", "example",
          "shop@example.com", "a b.com", "C:\\Windows\\calc.exe", "http://user:pw@example.com"})
        EXPECT_FALSE(ContactAddresses::website(QString::fromLatin1(bad))) << bad;
    for (const char* bad : {"shop", "shop@", "@example.com", "shop@example", "file:x@y.com",
                            "shop@example.com?subject=x", "/tmp/a@b.com"})
        EXPECT_FALSE(ContactAddresses::mailto(QString::fromLatin1(bad))) << bad;
}

} // namespace
} // namespace wsc
