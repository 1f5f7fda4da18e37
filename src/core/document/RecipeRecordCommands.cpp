#include "core/document/RecipeRecordCommands.h"

#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"

#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/UnitPreference.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/db/records/CRecordSetRecipeMaxBatch.h"
#include "core/document/CWscalcDoc.h"
#include "core/document/RecipeIngredientRows.h"
#include "core/document/RecipeScaling.h"
#include "core/document/UpdateHints.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"

#include <algorithm>

namespace wsc {
namespace {

constexpr const char* kBatchIndex = "IndexRecipeBatchNo";

// Ingredient rows 1..limit of a sheet whose column 0 is not empty.
int countNamedRows(const IngredientSheets& sheets, int sheet, int limit) {
    const int last = std::min(limit, sheets.ingredientCount(sheet));
    int n = 0;
    for (int row = 1; row <= last; ++row) {
        if (!sheets.cellText(sheet, row, 0).isEmpty())
            ++n;
    }
    return n;
}

} // namespace

RecipeRecordCommands::RecipeRecordCommands(CWscalcDoc& doc, RecipeFormControls& form,
                                           IDocumentView* view)
    : m_doc(doc), m_form(form), m_view(view), m_set(doc.database()),
      m_session(
          doc.services(), [&doc] { return doc.workspace(); },
          // The copy an opening left for later is made before the first change reaches
          // the file.
          [&doc] { MakePendingBackup(doc.services()); }) {
    readPreferences();
}

RecipeRecordCommands::~RecipeRecordCommands() = default;

void RecipeRecordCommands::readPreferences() {
    const ProfileStore& p = m_doc.services().profile;
    m_prefs.displayWarnings = p.integer(Setting::DisplayWarnings) != 0;
    m_prefs.displayDeleteWarnings = p.integer(Setting::DisplayDeleteWarnings) != 0;
    m_prefs.displayToolTips = p.integer(Setting::DisplayToolTips) != 0;
    m_prefs.recipeScroll = p.integer(Setting::RecipeScroll) != 0;
    m_prefs.userSkill = p.text(Setting::UserSkill);
    m_prefs.view = p.text(Setting::View);
    m_prefs.units = ReadUnitChoice(p);
}

bool RecipeRecordCommands::open() {
    if (!m_session.run([&] {
            m_set.Open(CDaoRecordset::dbOpenTable);
            m_set.SetCurrentIndex(QString::fromLatin1(kBatchIndex));
            m_set.MoveFirst();
            if (hasRecord())
                m_set.Edit();
        }))
        return false;
    m_commitEnabled = true;
    m_currentRecipeId = hasRecord() ? m_set.m_RecipeID : 0;
    reload();
    storeCurrentInDocument();
    return true;
}

void RecipeRecordCommands::beginFirstTransaction() {
    m_session.run([&] { m_session.ensureTransaction(); });
}

bool RecipeRecordCommands::hasRecord() const {
    return m_set.HasCurrentRecord();
}

void RecipeRecordCommands::setModified(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    m_form.commandStateChanged();
}

void RecipeRecordCommands::notify(HintEvent event, long recipeId) {
    const CRowViewHint written{0, recipeId};
    m_doc.UpdateAllViews(m_view, MakeHint(event), recipeId != 0 ? &written : nullptr);
}

void RecipeRecordCommands::storeCurrentInDocument() {
    m_doc.showRecipe(hasRecord() ? m_set.m_RecipeID : 0, hasRecord() ? m_set.m_RecipeBatchNo : 0);
}

void RecipeRecordCommands::reload() {
    m_form.loadControls(m_set);
    if (!m_prefs.recipeScroll)
        m_form.showPage(0);
    if (hasRecord() && !m_set.fieldProblems().isEmpty())
        m_doc.services().prompter.text(QString::fromLatin1(Texts::kStoredValueProblems)
                                           .arg(m_set.m_RecipeBatchNo)
                                           .arg(m_set.fieldProblems().join(u'\n')),
                                       PromptIcon::Exclamation);
}

bool RecipeRecordCommands::ValidateRecipe() {
    Prompter& prompter = m_doc.services().prompter;
    if (m_form.nameText().isEmpty()) {
        prompter.message(Msg::kRecipeNeedsName, {}, PromptIcon::Exclamation);
        m_form.focusControl(FormControl::kName);
        return false;
    }
    if (m_form.batchText().trimmed().isEmpty()) {
        prompter.message(Msg::kRecipeNeedsBatchNumber, {}, PromptIcon::Exclamation);
        m_form.focusControl(FormControl::kBatchNo);
        return false;
    }
    const ProcessChecks process = m_form.processChecks();
    const IngredientSheets& sheets = m_form.ingredientSheets();
    const int kits = countNamedRows(sheets, 0, 10);
    if (process.kit && kits == 0) {
        prompter.message(Msg::kKitNeedsKit, {}, PromptIcon::Information);
        return false;
    }
    if (!process.kit && kits >= 1) {
        prompter.message(Msg::kKitRowNeedsKitMethod, {}, PromptIcon::Information);
        return false;
    }
    if (process.allGrain && (process.kit || process.extract || process.partialMash)) {
        prompter.message(Msg::kAllGrainNoExtracts, {}, PromptIcon::Exclamation);
        m_form.focusControl(FormControl::kAllGrain);
        return false;
    }
    const int grains = countNamedRows(sheets, 2, 12);
    const int extracts = countNamedRows(sheets, 1, 12);
    if (process.allGrain && (grains == 0 || extracts + kits >= 1)) {
        prompter.message(Msg::kAllGrainNeedsGrain, {}, PromptIcon::Information);
        return false;
    }
    if (m_set.m_RecipeBoilSize == 0) {
        prompter.message(Msg::kSizeIsZero, {QStringLiteral("Boil")}, PromptIcon::Information);
        return false;
    }
    if (m_set.m_RecipeBatchSize == 0) {
        prompter.message(Msg::kSizeIsZero, {QStringLiteral("Batch")}, PromptIcon::Information);
        return false;
    }
    return true;
}

bool RecipeRecordCommands::QuerySaveRecipe() {
    if (!m_modified)
        return true;
    PromptAnswer answer = PromptAnswer::Yes;
    if (m_prefs.displayWarnings)
        answer = m_doc.services().prompter.message(
            Msg::kSaveChanges, {QString()}, PromptIcon::Question, PromptButtons::YesNoCancel);
    switch (answer) {
    case PromptAnswer::Yes:
        // A commit that fails keeps the caller where it is, so nothing typed is lost.
        return OnRecordCommit();
    case PromptAnswer::No:
        OnRecordRefresh();
        return true;
    default:
        m_form.focusControl(FormControl::kName);
        return false;
    }
}

bool RecipeRecordCommands::SaveRecipeChanges(bool ask) {
    // An empty database shows no recipe: there is nothing to write.
    if (m_set.GetEditMode() == CDaoRecordset::dbEditNone && !hasRecord())
        return true;
    m_form.commitPendingEdits();
    // A recipe the user did not change is not written: rewriting it could only alter values
    // the controls cannot show exactly.
    if (!m_modified && !m_newRecord && !m_copiedIngredients)
        return m_session.run([this] { m_session.commitTransaction(); });
    const bool saved = m_form.saveControls(m_set);
    if (!saved || !ValidateRecipe())
        return false;
    // Yes commits, No discards: either way nothing is left to write here.
    if (ask && m_modified)
        return QuerySaveRecipe();
    try {
        if (m_set.GetEditMode() == CDaoRecordset::dbEditNone)
            m_set.Edit();
        m_set.Update();
        m_session.commitTransaction();
    } catch (const CDaoException& e) {
        if (e.hasErrorInfo() && e.errorInfo().m_lErrorCode == CDaoException::kDuplicateKey) {
            m_doc.services().prompter.message(Msg::kBatchNumberNotUnique, {},
                                              PromptIcon::Exclamation);
            m_form.focusControl(FormControl::kBatchNo);
        } else {
            m_session.report(e);
        }
        return false;
    }
    if (IInfoStatusBar* bar = m_doc.services().statusBar)
        bar->ShowNote(QString::fromLatin1(Texts::kSavedBatch).arg(m_set.m_RecipeBatchNo),
                      Texts::kSavedNoteMilliseconds);
    m_modified = false;
    if (m_newRecord) {
        notify(HintEvent::Added, m_currentRecipeId);
        m_newRecord = false;
    }
    if (m_copiedIngredients) {
        notify(HintEvent::Copied, m_currentRecipeId);
        m_copiedIngredients = false;
    }
    storeCurrentInDocument();
    m_form.commandStateChanged();
    return true;
}

void RecipeRecordCommands::BeginRecipeEdit() {
    m_session.run([&] {
        if (hasRecord())
            m_set.Edit();
        m_session.ensureTransaction();
    });
    m_currentRecipeId = hasRecord() ? m_set.m_RecipeID : 0;
    reload();
    m_form.focusControl(FormControl::kName);
    m_modified = false;
    storeCurrentInDocument();
    m_form.commandStateChanged();
}

bool RecipeRecordCommands::runBetweenEdits(const std::function<void()>& work) {
    if (!SaveRecipeChanges())
        return false;
    if (!m_session.run([&] {
            if (m_set.GetEditMode() != CDaoRecordset::dbEditNone)
                m_set.CancelUpdate();
            m_session.commitTransaction();
        }))
        return false;
    work();
    BeginRecipeEdit();
    return true;
}

long RecipeRecordCommands::NextBatchNumber() {
    return static_cast<long>(CRecordSetRecipeMaxBatch::HighestBatch(*m_doc.database())) + 1;
}

bool RecipeRecordCommands::nextBatchNumberExists() {
    long next = 0;
    if (!m_session.run([&] { next = NextBatchNumber(); }))
        return false;
    if (next <= kHighestBatchNumber)
        return true;
    m_doc.services().prompter.text(QString::fromLatin1(Texts::kNoNextBatchNumber).arg(next - 1),
                                   PromptIcon::Exclamation);
    return false;
}

void RecipeRecordCommands::OnRecordMove(Move move) {
    if (!SaveRecipeChanges())
        return;
    // Nothing shown (an empty database): look again from the start.
    m_session.run([&] { RecordSession::move(m_set, move, hasRecord()); });
    BeginRecipeEdit();
}

void RecipeRecordCommands::abandonNewRecord(CDaoRecordset::Bookmark previous) {
    m_session.run([&] {
        if (m_set.GetEditMode() != CDaoRecordset::dbEditNone)
            m_set.CancelUpdate();
        m_session.rollbackTransaction();
        if (previous != 0)
            m_set.SetBookmark(previous);
        else
            m_set.MoveFirst();
    });
    m_newRecord = false;
    m_copiedIngredients = false;
    BeginRecipeEdit();
}

void RecipeRecordCommands::insertNewRecord() {
    m_set.m_RecipeBatchNo = static_cast<std::int32_t>(NextBatchNumber());
    m_set.Update();
    m_set.SetBookmark(m_set.GetLastModifiedBookmark());
    m_set.Edit();
    m_currentRecipeId = m_set.m_RecipeID;
}

void RecipeRecordCommands::OnRecordAdd() {
    if (!SaveRecipeChanges() || !nextBatchNumberExists())
        return;
    const CDaoRecordset::Bookmark previous = hasRecord() ? m_set.GetBookmark() : 0;
    if (!m_session.run([&] {
            m_session.ensureTransaction();
            m_set.AddNew();
            m_newRecord = true;
            m_doc.beginNewRecipe();
            m_form.resetTargetStyle();
            m_set.m_RecipeName = QStringLiteral("<new recipe>");
            insertNewRecord();
            reload();
            m_form.focusControl(FormControl::kName);
            m_commitEnabled = true;
            m_modified = false;
            m_set.Update();
            m_session.commitTransaction();
        })) {
        abandonNewRecord(previous);
        return;
    }
    notify(HintEvent::Added, m_currentRecipeId);
    storeCurrentInDocument();
    m_session.run([&] {
        m_set.Edit();
        m_session.ensureTransaction();
    });
    m_form.commandStateChanged();
}

void RecipeRecordCommands::OnRecordCopy() {
    if (!canCopy() || !hasRecord())
        return;
    Prompter& prompter = m_doc.services().prompter;
    if (m_prefs.displayWarnings &&
        prompter.message(Msg::kConfirmCopy,
                         {MessageCatalog::text(Msg::kRecipeWord), m_form.nameText()},
                         PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    if (copyRecord(nullptr))
        prompter.message(Msg::kCopyComplete, {}, PromptIcon::Information);
}

bool RecipeRecordCommands::OnRecordScale(const ScaleRequest& request) {
    if (!canCopy() || !hasRecord())
        return false;
    return copyRecord(&request);
}

bool RecipeRecordCommands::copyRecord(const ScaleRequest* scale) {
    Prompter& prompter = m_doc.services().prompter;
    if (!SaveRecipeChanges() || !nextBatchNumberExists())
        return false;
    // Every column of the source travels except the key, the batch number and the name.
    const FieldValues source = m_set.fieldValues();
    const long sourceId = m_set.m_RecipeID;
    const QString sourceName = m_set.m_RecipeName;
    const RecipeInputs sourceInputs = RecipeInputs::of(m_set);
    std::optional<ScalePlan> plan;
    if (scale) {
        QString why;
        if (!m_session.run([&] {
                plan = PlanScale(m_set,
                                 RecipeIngredientRows::count(*m_doc.database(),
                                                             RecipeIngredientRows::Kit, sourceId),
                                 *scale, &why);
            }))
            return false;
        if (!plan) {
            prompter.text(why, PromptIcon::Exclamation);
            return false;
        }
    }
    m_copySourceBookmark = m_set.GetBookmark();
    std::optional<Predictions> before, after;
    if (!m_session.run([&] {
            m_session.ensureTransaction();
            if (plan)
                before = FiguresOf(*m_doc.database(), sourceId, sourceInputs, m_doc.utilization());
            m_set.AddNew();
            m_newRecord = true;
            m_copiedIngredients = true;
            m_set.setFieldValues(source);
            m_set.m_RecipeName = QStringLiteral("Copy of ") + sourceName;
            if (plan)
                ScaleRecipeFields(m_set, *plan);
            m_doc.beginNewRecipe();
            m_form.resetTargetStyle();
            insertNewRecord();
            m_newRecord = false;
            RecipeIngredientRows::copy(*m_doc.database(), sourceId, m_currentRecipeId);
            if (plan) {
                ScaleIngredientRows(*m_doc.database(), m_currentRecipeId, *plan);
                after = FiguresOf(*m_doc.database(), m_currentRecipeId, RecipeInputs::of(m_set),
                                  m_doc.utilization());
            }
        })) {
        abandonNewRecord(m_copySourceBookmark);
        return false;
    }
    reload();
    m_form.showPage(0);
    m_commitEnabled = true;
    // The copy is written by the next commit or move; until then it counts as a change, so
    // closing the form asks before it could be lost.
    m_modified = true;
    m_form.commandStateChanged();
    if (plan)
        prompter.text(QString::fromLatin1(Texts::kScaledCopyMade)
                          .arg(m_set.m_RecipeBatchNo)
                          .arg(CompareFigures(*before, *after, m_prefs.units)),
                      PromptIcon::Information);
    return true;
}

void RecipeRecordCommands::OnRecordDelete() {
    if (!canDelete() || !hasRecord())
        return;
    Prompter& prompter = m_doc.services().prompter;
    long count = 0;
    if (!m_session.run([&] { count = m_set.GetRecordCount(); }))
        return;
    if (count == 1) {
        prompter.message(Msg::kOnlyRecipe, {}, PromptIcon::Stop);
        return;
    }
    const long recipeId = m_set.m_RecipeID;
    if (m_prefs.displayDeleteWarnings &&
        prompter.message(Msg::kConfirmDelete,
                         {MessageCatalog::text(Msg::kRecipeWord), m_form.nameText()},
                         PromptIcon::Question, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    if (!QuerySaveRecipe())
        return;
    // "No" to the save question may discard the recipe asked about (an uncommitted copy) and
    // show another one: that other recipe is not what the user agreed to delete.
    if (!hasRecord() || m_set.m_RecipeID != recipeId)
        return;
    // The recipe and its rows go together or not at all.
    m_session.runWhole([&] {
        RecipeIngredientRows::remove(*m_doc.database(), recipeId);
        m_set.Delete();
    });
    m_session.run([&] {
        m_set.MoveNext();
        if (m_set.IsEOF())
            m_set.MoveLast();
        if (m_set.IsEOF())
            m_set.resetFields();
    });
    notify(HintEvent::Deleted, recipeId);
    BeginRecipeEdit();
}

void RecipeRecordCommands::OnRecordRefresh() {
    m_session.run([&] {
        if (m_set.GetEditMode() != CDaoRecordset::dbEditNone)
            m_set.CancelUpdate();
        m_session.rollbackTransaction();
    });
    if (m_newRecord || m_copiedIngredients) {
        m_session.run([&] {
            m_set.Move(0);
            // A copy that was never committed is gone: show the recipe it was made from.
            if (m_set.IsDeleted() && m_copySourceBookmark != 0)
                m_set.SetBookmark(m_copySourceBookmark);
            if (m_set.IsDeleted())
                m_set.MoveFirst();
        });
        m_newRecord = false;
        m_copiedIngredients = false;
    }
    m_modified = false;
    if (!m_doc.isClosing()) {
        m_form.resetTargetStyle();
        BeginRecipeEdit();
    }
    m_form.commandStateChanged();
}

bool RecipeRecordCommands::OnRecordCommit() {
    const bool newPending = m_newRecord;
    if (!SaveRecipeChanges(false)) {
        setModified(true);
        return false;
    }
    m_session.run([&] {
        if (newPending) {
            m_set.SetBookmark(m_set.GetLastModifiedBookmark());
            m_currentRecipeId = m_set.m_RecipeID;
        }
        m_form.ingredientsTakeUpSavedRows();
        if (hasRecord())
            m_set.Edit();
        if (!m_doc.isClosing()) {
            notify(HintEvent::Committed, m_currentRecipeId);
            m_session.ensureTransaction();
        }
    });
    m_form.commandStateChanged();
    return true;
}

void RecipeRecordCommands::GoToBatch(long batchNo) {
    if (!SaveRecipeChanges())
        return;
    m_doc.aimAtBatch(batchNo);
    const QString key = QString::asprintf("%lu", static_cast<unsigned long>(batchNo));
    bool found = false;
    m_session.run([&] {
        found = m_set.Seek(QStringLiteral("="), {key});
        if (!found)
            m_set.Move(0);
    });
    if (!found)
        m_doc.services().prompter.text(QString::fromLatin1(Texts::kSeekFailedBatch) + key +
                                       QString::fromLatin1(Texts::kContactUs));
    BeginRecipeEdit();
}

} // namespace wsc
