#include "app/form/CRecipeRatingDlg.h"

#include "app/form/CCompetitionResultsDlg.h"
#include "app/widgets/CheckableDateEdit.h"
#include "app/widgets/DialogRunner.h"
#include "app/widgets/RecordBinder.h"
#include "app/widgets/SpinButtons.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"
#include "core/document/FieldExchange.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wsc {

CRecipeRatingDlg::CRecipeRatingDlg(Prompter& prompter, HelpService* help, DialogRunner& runner,
                                   QWidget* parent)
    : CRecipePage(parent), m_prompter(prompter), m_runner(runner) {
    setObjectName(QStringLiteral("ratingPage"));
    m_binder = new RecordBinder(prompter, this);

    auto* scale = buildScale();
    auto* guide = buildGuide();

    auto* notesLabel = new QLabel(QString::fromUtf8(Labels::kTastingNotes), this);
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("tastingNotes"));
    notesLabel->setBuddy(m_notes);
    m_binder->bind(m_notes, col::recipe::RecipeRatingNotes);

    auto* dates = new QGroupBox(QString::fromUtf8(Labels::kDatesSampled), this);
    auto* dl = new QVBoxLayout(dates);
    const char* dateColumns[] = {col::recipe::RecipeRatingDateSampled1,
                                 col::recipe::RecipeRatingDateSampled2,
                                 col::recipe::RecipeRatingDateSampled3};
    for (int i = 0; i < 3; ++i) {
        m_dates[i] = new CheckableDateEdit(dates);
        m_dates[i]->setObjectName(QStringLiteral("dateSampled%1").arg(i + 1));
        dl->addWidget(m_dates[i]);
        m_binder->bind(m_dates[i], dateColumns[i]);
    }

    auto* competition = new QPushButton(QString::fromUtf8(Labels::kCompetitionResultsButton), this);
    competition->setObjectName(QStringLiteral("competitionResults"));
    connect(competition, &QPushButton::clicked, this, [this] { OnCompetitionResults(); });
    auto* helpButton = makeHelpButton(help, kHelpContext);

    auto* left = new QVBoxLayout;
    left->addWidget(scale);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(notesLabel);
    middle->addWidget(m_notes, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(guide);
    right->addWidget(dates);
    right->addStretch();
    right->addWidget(competition);
    right->addWidget(helpButton);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(middle, 1);
    layout->addLayout(right);

    connect(m_binder, &RecordBinder::modified, this, &CRecipePage::modified);
    setToolTipsShown(true);
}

// The four scores with their spin buttons, checked as they are typed, and the total.
QGroupBox* CRecipeRatingDlg::buildScale() {
    auto* scale = new QGroupBox(QString::fromUtf8(Labels::kRatingScaleGroup), this);
    auto* sl = new QGridLayout(scale);
    struct Score {
        const char* label;
        const char* column;
        int low, high;
    };
    const Score scores[] = {
        {"Appearance (15%)", col::recipe::RecipeRatingAppearance, 0, 3},
        {"Aroma Bo&uquet (20%)", col::recipe::RecipeRatingAroma, 0, 4},
        {"Taste (50%)", col::recipe::RecipeRatingTaste, 0, 10},
        {"Overall &Impression (15%)", col::recipe::RecipeRatingImpression, 1, 3}};
    for (int i = 0; i < 4; ++i) {
        const QString label = QString::fromLatin1(scores[i].label);
        m_score[i] = new QLineEdit(scale);
        m_score[i]->setObjectName(QStringLiteral("score%1").arg(i));
        m_score[i]->setMaximumWidth(40);
        m_score[i]->setAlignment(Qt::AlignRight);
        m_spin[i] = new SpinButtons(m_score[i], scores[i].low, scores[i].high, scale);
        auto* l = new QLabel(label, scale);
        l->setBuddy(m_score[i]);
        const int row = i < 3 ? i : 4;
        sl->addWidget(l, row, 0);
        sl->addWidget(m_score[i], row, 1);
        sl->addWidget(m_spin[i], row, 2);
        m_binder->bind(m_score[i], scores[i].column, label, RecordBinder::Format::Whole);
        m_label[i] = label;
        m_low[i] = scores[i].low;
        m_high[i] = scores[i].high;
        connect(m_score[i], &QLineEdit::textChanged, this, [this] {
            if (!m_started || m_binder->isLoading())
                return;
            // While a score is being typed nothing is said; it goes to the record once every
            // score is one the scale has.
            bool all = true;
            for (int k = 0; k < 4; ++k)
                all = all && checkScore(k, false);
            if (all && m_record)
                m_binder->save(*m_record);
            computeTotal();
        });
        // A score that is no number or outside its range is refused where it was typed.
        connect(m_score[i], &QLineEdit::editingFinished, this, [this, i] {
            if (m_started && !m_binder->isLoading() && isVisible())
                checkScore(i, true);
        });
    }
    auto* tasteParts = new QLabel(QString::fromUtf8(Labels::kRatingOverallParts), scale);
    tasteParts->setEnabled(false);
    sl->addWidget(tasteParts, 3, 0, 1, 3);
    m_total = new QLabel(scale);
    m_total->setObjectName(QStringLiteral("total"));
    QFont big = m_total->font();
    big.setPixelSize(32);
    big.setWeight(static_cast<QFont::Weight>(std::min(900, big.weight() + 300)));
    m_total->setFont(big);
    sl->addWidget(new QLabel(QString::fromUtf8(Labels::kTotal), scale), 5, 0, Qt::AlignRight);
    sl->addWidget(m_total, 5, 1, 1, 2);
    return scale;
}

QGroupBox* CRecipeRatingDlg::buildGuide() {
    auto* guide = new QGroupBox(QString::fromUtf8(Labels::kScoringGuide), this);
    auto* gl = new QGridLayout(guide);
    const char* guideRows[][2] = {
        {"Excellent", "18-20"}, {"Very Good", "15-17"}, {"Good", "12-14"}};
    for (int i = 0; i < 3; ++i) {
        gl->addWidget(new QLabel(QString::fromLatin1(guideRows[i][0]), guide), i, 0);
        gl->addWidget(new QLabel(QString::fromLatin1(guideRows[i][1]), guide), i, 1);
    }
    return guide;
}

void CRecipeRatingDlg::setToolTipsShown(bool shown) {
    m_tips = shown;
    setHint(m_notes, Msg::kTextTip, shown);
    for (CheckableDateEdit* d : m_dates)
        setHint(d, Msg::kDateTip, shown);
}

bool CRecipeRatingDlg::checkScore(int i, bool tell) {
    const QString text = m_score[i]->text().trimmed();
    bool ok = text.isEmpty();
    const long v = ok ? 0 : text.toLong(&ok);
    if (ok && v >= m_low[i] && v <= m_high[i])
        return true;
    if (tell && !m_telling) {
        m_telling = true;
        m_prompter.text(
            MessageCatalog::substitute(
                QString::fromLatin1(Texts::kScoreOutOfRange),
                {PlainLabel(m_label[i]), QString::number(m_low[i]), QString::number(m_high[i])}),
            PromptIcon::Exclamation);
        m_telling = false;
        m_score[i]->setFocus();
        m_score[i]->selectAll();
    }
    return false;
}

bool CRecipeRatingDlg::checkScores() {
    for (int i = 0; i < 4; ++i) {
        if (!checkScore(i, true))
            return false;
    }
    return true;
}

bool CRecipeRatingDlg::canLeave() {
    return checkScores();
}

void CRecipeRatingDlg::computeTotal() {
    // On a 20-point scale: a score the scale does not have makes no total.
    unsigned long total = 0;
    for (int i = 0; i < 4; ++i) {
        if (!checkScore(i, false)) {
            m_total->clear();
            return;
        }
        total += static_cast<unsigned long>(m_score[i]->text().trimmed().toLong());
    }
    m_total->setText(QString::asprintf("%lu", total));
}

void CRecipeRatingDlg::loadRecord(const CRecordSetRecipe& record) {
    m_binder->load(record);
    computeTotal();
    m_started = true;
}

bool CRecipeRatingDlg::saveRecord(CRecordSetRecipe& record) {
    return checkScores() && m_binder->save(record);
}

void CRecipeRatingDlg::activated() {
    computeTotal();
}

void CRecipeRatingDlg::OnCompetitionResults() {
    if (!m_record)
        return;
    CCompetitionResultsDlg dlg(*m_record, m_prompter, m_tips, this);
    const int result = m_runner.exec(dlg);
    if (result == QDialog::Accepted || dlg.typed())
        emit modified();
}

} // namespace wsc
