#pragma once

#include <QVariant>
#include <QWidget>

#include <optional>

class QPushButton;

namespace wsc {

class CRecordSetRecipe;
class HelpService;
class RecordBinder;
struct UnitChoice;

// A page of the recipe form's tabbed sheet: it shows fields of the current recipe and moves
// them back into the record when the recipe is saved.
class CRecipePage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The form's recipe record; every page works on it for the form's lifetime.
    void setRecord(CRecordSetRecipe* record) { m_record = record; }
    CRecordSetRecipe* record() const { return m_record; }

    virtual void loadRecord(const CRecordSetRecipe& record) = 0;
    // False when a field refused its text (the page has said why).
    virtual bool saveRecord(CRecordSetRecipe& record) = 0;
    // The page became the shown one.
    virtual void activated() {}
    // The page is about to be left for another: false (after saying why, with the focus on the
    // field at fault) keeps it.
    virtual bool canLeave() { return true; }
    // Tips of the page's controls are shown only while the setting is on.
    virtual void setToolTipsShown(bool) {}
    // What the page shows for a column of the recipe now, committed or not (see
    // RecordBinder::shownValue); nothing when the page does not show that column.
    std::optional<QVariant> shownValue(const char* column) const;
    // The units the page's quantities show in (see RecordBinder::setUnits).
    void setUnits(const UnitChoice& units);

signals:
    // The user changed a field of the recipe.
    void modified();

protected:
    // The control's hint is string `stringId` while hints are shown, none otherwise.
    static void setHint(QWidget* control, int stringId, bool shown);
    // The page's "&Help" button, opening `context`.
    QPushButton* makeHelpButton(HelpService* help, int context);

    CRecordSetRecipe* m_record = nullptr;
    RecordBinder* m_binder = nullptr;
};

} // namespace wsc
