#pragma once

#include "core/help/HelpContexts.h"

#include "app/form/CRecipePage.h"

class QPlainTextEdit;

namespace wsc {

class CheckableDateEdit;
class HelpService;
class Prompter;
class RecordBinder;

// The "Comments" page: where the recipe came from, when, and free comments.
class CRecipeComments : public CRecipePage {
    Q_OBJECT
public:
    static constexpr int kHelpContext = HelpContext::kComments;

    CRecipeComments(Prompter& prompter, HelpService* help, QWidget* parent = nullptr);
    void loadRecord(const CRecordSetRecipe& record) override;
    bool saveRecord(CRecordSetRecipe& record) override;
    void setToolTipsShown(bool shown) override;

    QPlainTextEdit* source() const { return m_source; }
    QPlainTextEdit* comments() const { return m_comments; }
    CheckableDateEdit* dateObtained() const { return m_date; }

private:
    QPlainTextEdit* m_source;
    QPlainTextEdit* m_comments;
    CheckableDateEdit* m_date;
};

} // namespace wsc
