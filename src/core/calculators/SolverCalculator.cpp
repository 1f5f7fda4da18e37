#include "core/calculators/SolverCalculator.h"

#include "core/calc/IngredientSheets.h"
#include "core/document/FieldExchange.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace wsc {

QString FieldName(const CalcFieldSpec& field) {
    return PlainLabel(QString::fromUtf8(field.label)).replace(u'\n', u' ').remove(u'*');
}

double SolverCalculator::rounded(double value, int decimals) {
    return ReadDouble(QString::asprintf("%.*f", decimals, value));
}

QString SolverCalculator::general(double value) {
    return QString::asprintf("%.15g", value);
}

int SolverCalculator::fieldNamed(const QString& key) const {
    for (int i = 0; i < fieldCount(); ++i) {
        if (key == QLatin1String(field(i).key))
            return i;
    }
    return -1;
}

void SolverCalculator::setText(int i, const QString& text) {
    if (i < 0 || i >= fieldCount() || field(i).kind == CalcFieldKind::Result)
        return;
    m_texts[i] = text;
    if (i < quantityCount())
        m_lastEdited = i;
}

void SolverCalculator::start() {
    m_texts.clear();
    for (const CalcFieldSpec& f : fields())
        m_texts << QString::fromLatin1(f.initial);
    resetState();
}

void SolverCalculator::resetState() {
    m_solvingFor = initialUnknown();
    m_highlighted = -1;
    m_listSelection = -1;
    m_calculated = false;
    m_focusField = clearFocusField();
    m_lastError.clear();
}

void SolverCalculator::clear() {
    reset();
    resetState();
}

int SolverCalculator::focusFieldFor(int lastEdited) const {
    if (lastEdited < 0)
        return 0;
    // A quantity chosen from the list: the user fills in the one solved before, usually the
    // weight (or the original gravity) in the second field.
    return lastEdited < quantityCount() ? lastEdited : 1;
}

void SolverCalculator::highlight(int n) {
    m_highlighted = n;
    m_solvingFor = n;
    m_texts[n] = QString::fromLatin1(field(n).emptied);
    m_focusField = n;
    if (!unknownNames().isEmpty())
        m_listSelection = n;
}

void SolverCalculator::chooseUnknown(int n) {
    if (n < 0 || n >= quantityCount())
        return;
    m_lastEdited = quantityCount();
    highlight(n);
}

bool SolverCalculator::recalculate() {
    m_focusTarget = m_lastEdited;
    m_texts[m_solvingFor] = QString::fromLatin1(field(m_solvingFor).emptied);
    m_recalculating = true;
    const bool solved = calculate();
    m_recalculating = false;
    return solved;
}

std::nullopt_t SolverCalculator::dataErrorText(const QString& text, int focus) {
    m_lastError = text;
    m_prompter.text(m_lastError, PromptIcon::Exclamation);
    if (focus >= 0)
        m_focusField = focus;
    return std::nullopt;
}

std::nullopt_t SolverCalculator::dataError(int id, const QStringList& inserts) {
    m_lastError = MessageCatalog::format(id, inserts);
    m_prompter.text(m_lastError, PromptIcon::Exclamation, PromptButtons::Ok, id);
    return std::nullopt;
}

std::nullopt_t SolverCalculator::unsolvable(const QString& divisorLabel, const QString& divisorText,
                                            int unknownField) {
    m_lastError = QString::fromLatin1(Texts::kCalcUnsolvable)
                      .arg(FieldName(field(unknownField)), divisorLabel, divisorText);
    m_prompter.text(m_lastError, PromptIcon::Exclamation);
    m_focusField = unknownField;
    return std::nullopt;
}

int SolverCalculator::solveOneOfTwo(const Work& w, int noneZeroId, int bothZeroId) {
    const bool first = w.values[0] == 0;
    const bool second = w.values[1] == 0;
    if (first && second) {
        dataError(bothZeroId);
        return -1;
    }
    if (!first && !second) {
        dataError(noneZeroId);
        return -1;
    }
    return first ? 0 : 1;
}

bool SolverCalculator::readField(int i, double& value) {
    const CalcFieldSpec& f = field(i);
    const QString text = m_texts.value(i).trimmed();
    const QString name = FieldName(f);
    auto refuse = [&](const char* pattern) {
        m_lastError = QString::fromLatin1(pattern).arg(name);
        m_prompter.text(m_lastError, PromptIcon::Exclamation);
        m_focusField = i;
        return false;
    };
    bool ok = false;
    if (f.kind == CalcFieldKind::Whole) {
        const qlonglong v = text.toLongLong(&ok);
        if (!ok || v < 0 || v > std::numeric_limits<std::int32_t>::max())
            return refuse(Texts::kEnterWholeNumber);
        value = static_cast<double>(v);
        return true;
    }
    const NumberFault fault = CheckTypedNumber(text, value, f.negativeAllowed);
    if (fault != NumberFault::None) {
        m_lastError = NumberFaultText(fault, name, f.negativeAllowed);
        m_prompter.text(m_lastError, PromptIcon::Exclamation);
        m_focusField = i;
        return false;
    }
    return true;
}

bool SolverCalculator::calculate() {
    m_lastError.clear();
    if (!m_recalculating)
        m_focusTarget = m_lastEdited;
    for (int i = 0; i < fieldCount(); ++i) {
        if (field(i).kind != CalcFieldKind::Result && m_texts.value(i).trimmed().isEmpty())
            m_texts[i] = QStringLiteral("0");
    }
    Work work{std::vector<double>(static_cast<std::size_t>(fieldCount()), 0.0), m_texts};
    for (int i = 0; i < fieldCount(); ++i) {
        if (field(i).kind != CalcFieldKind::Result &&
            !readField(i, work.values[static_cast<std::size_t>(i)]))
            return false;
    }
    const std::optional<int> solved = solve(work);
    if (!solved)
        return false;
    // Huge inputs can still overflow; nothing that is no number reaches a field.
    for (double v : work.values) {
        if (!std::isfinite(v)) {
            m_lastError =
                QString::fromLatin1(Texts::kCalcOutOfReach).arg(FieldName(field(*solved)));
            m_prompter.text(m_lastError, PromptIcon::Exclamation);
            return false;
        }
    }
    highlight(*solved);
    for (int i = 0; i < fieldCount(); ++i) {
        const double v = work.values[static_cast<std::size_t>(i)];
        switch (field(i).kind) {
        case CalcFieldKind::Number:
            m_texts[i] = general(v);
            break;
        case CalcFieldKind::Whole:
            m_texts[i] = QString::number(static_cast<qlonglong>(v));
            break;
        case CalcFieldKind::Text:
        case CalcFieldKind::Result:
            m_texts[i] = work.texts.value(i);
            break;
        }
    }
    m_calculated = true;
    m_focusField = focusFieldFor(m_focusTarget);
    return true;
}

} // namespace wsc
