#include "app/calculators/CCalculatorDlg.h"

#include "app/widgets/CColorLabel.h"
#include "app/widgets/DialogRunner.h"
#include "core/calculators/SolverCalculator.h"
#include "core/settings/WindowTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace wsc {

const QColor& CCalculatorDlg::highlightColour() {
    static const QColor blue(0, 0, 255);
    return blue;
}

const QColor& CCalculatorDlg::plainColour() {
    static const QColor black(0, 0, 0);
    return black;
}

CCalculatorDlg::CCalculatorDlg(std::unique_ptr<SolverCalculator> owned, DialogRunner& runner,
                               QWidget* parent)
    : QDialog(parent), m_owned(std::move(owned)), m_calc(*m_owned), m_runner(runner) {
    const SolverCalculator& calc = m_calc;
    setWindowTitle(calc.title());
    for (int i = 0; i < calc.fieldCount(); ++i) {
        const CalcFieldSpec& f = calc.field(i);
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(f.key));
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance(u'0') * 12 + 12);
        if (f.kind == CalcFieldKind::Result) {
            e->setReadOnly(true);
            e->setFocusPolicy(Qt::NoFocus);
        } else {
            e->installEventFilter(this);
        }
        connect(e, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (!m_refreshing)
                m_calc.setText(i, text);
        });
        m_edits.push_back(e);
        // The quantities' labels change colour; the others are plain buddies of their edits.
        QLabel* l = i < calc.quantityCount() ? new CColorLabel(QString::fromUtf8(f.label), this)
                                             : new QLabel(QString::fromUtf8(f.label), this);
        l->setObjectName(QStringLiteral("label_") + QString::fromLatin1(f.key));
        l->setBuddy(e);
        m_labels.push_back(l);
    }
    if (!calc.unknownNames().isEmpty()) {
        m_list = new QListView(this);
        m_list->setObjectName(QStringLiteral("unknownList"));
        m_list->setModel(new QStringListModel(calc.unknownNames(), m_list));
        m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_list->setFixedHeight(m_list->sizeHintForRow(0) * m_list->model()->rowCount() +
                               2 * m_list->frameWidth() + 2);
        m_list->setMaximumWidth(m_list->sizeHintForColumn(0) + 40);
        m_listLabel = new QLabel(QString::fromUtf8(Labels::kCurrentlySolvingFor), this);
        m_listLabel->setBuddy(m_list);
        connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) {
                    if (!m_refreshing && current.isValid())
                        act([&] { m_calc.chooseUnknown(current.row()); });
                });
    }
    m_calculate = new QPushButton(QString::fromUtf8(Labels::kCalculate), this);
    m_calculate->setObjectName(QStringLiteral("calculate"));
    m_calculate->setDefault(true); // Enter calculates; the dialog stays open
    m_recalculate = new QPushButton(QString::fromUtf8(Labels::kRecalculate), this);
    m_recalculate->setObjectName(QStringLiteral("recalculate"));
    m_clear = new QPushButton(QString::fromUtf8(Labels::kClear), this);
    m_clear->setObjectName(QStringLiteral("clear"));
    m_close = new QPushButton(QString::fromUtf8(Labels::kCloseButton), this);
    m_close->setObjectName(QStringLiteral("close"));
    for (QPushButton* b : {m_recalculate, m_clear, m_close})
        b->setAutoDefault(false);
    connect(m_calculate, &QPushButton::clicked, this, &CCalculatorDlg::OnCalculate);
    connect(m_recalculate, &QPushButton::clicked, this, &CCalculatorDlg::OnRecalculate);
    connect(m_clear, &QPushButton::clicked, this, &CCalculatorDlg::OnClear);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

CCalculatorDlg::~CCalculatorDlg() = default;

CColorLabel* CCalculatorDlg::colorLabel(int field) const {
    return qobject_cast<CColorLabel*>(label(field));
}

void CCalculatorDlg::OnCalculate() {
    act([this] { m_calc.calculate(); });
}

void CCalculatorDlg::OnRecalculate() {
    act([this] { m_calc.recalculate(); });
}

void CCalculatorDlg::OnClear() {
    act([this] { m_calc.clear(); });
}

void CCalculatorDlg::refresh(bool moveFocus) {
    m_refreshing = true;
    for (int i = 0; i < m_calc.fieldCount(); ++i) {
        if (edit(i)->text() != m_calc.text(i))
            edit(i)->setText(m_calc.text(i));
    }
    for (int i = 0; i < m_calc.quantityCount(); ++i) {
        colorLabel(i)->setTextColor(i == m_calc.highlighted() ? highlightColour() : plainColour());
    }
    const bool on = m_calc.calculated();
    m_recalculate->setEnabled(on);
    m_clear->setEnabled(on);
    if (m_list) {
        m_list->setEnabled(on);
        m_listLabel->setEnabled(on);
        if (m_calc.listSelection() < 0) {
            m_list->setCurrentIndex({});
            m_list->clearSelection();
        } else {
            m_list->setCurrentIndex(m_list->model()->index(m_calc.listSelection(), 0));
        }
    }
    refreshExtras();
    m_refreshing = false;
    if (!moveFocus)
        return;
    QLineEdit* focus = edit(m_calc.focusField());
    focus->setFocus();
    focus->selectAll();
}

void CCalculatorDlg::addRow(QGridLayout* grid, int row, int field, const QString& after) {
    grid->addWidget(label(field), row, 0);
    grid->addWidget(edit(field), row, 1);
    if (!after.isEmpty())
        grid->addWidget(new QLabel(after, this), row, 2);
}

QLayout* CCalculatorDlg::buttonRow(const std::vector<QPushButton*>& extra) {
    auto* row = new QHBoxLayout;
    row->addWidget(m_calculate);
    row->addWidget(m_recalculate);
    row->addWidget(m_clear);
    row->addStretch(1);
    for (QPushButton* b : extra) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    row->addWidget(m_close);
    return row;
}

QLayout* CCalculatorDlg::listBox() {
    auto* box = new QVBoxLayout;
    box->addWidget(m_listLabel);
    box->addWidget(m_list);
    box->addStretch(1);
    return box;
}

QLabel* CCalculatorDlg::note(const QString& text) {
    auto* l = new QLabel(text, this);
    l->setWordWrap(true);
    return l;
}

void CCalculatorDlg::makeLarge(int field) {
    QFont f = edit(field)->font();
    f.setPixelSize(26);
    f.setBold(true);
    edit(field)->setFont(f);
    edit(field)->setMaximumWidth(QFontMetrics(f).horizontalAdvance(u'0') * 7 + 12);
    edit(field)->setMinimumHeight(QFontMetrics(f).height() + 8);
}

void CCalculatorDlg::setTabChain(const std::vector<QWidget*>& controls,
                                 const std::vector<QWidget*>& after) {
    std::vector<QWidget*> chain = controls;
    if (m_list)
        chain.push_back(m_list);
    for (QWidget* w : {m_calculate, m_recalculate, m_clear})
        chain.push_back(w);
    chain.insert(chain.end(), after.begin(), after.end());
    chain.push_back(m_close);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

bool CCalculatorDlg::eventFilter(QObject* watched, QEvent* event) {
    // The keypad's decimal key gives a comma under a decimal-comma locale; the calculators
    // read numbers with a point, so it types one.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::KeypadModifier) && key->text() == QLatin1String(",")) {
            if (auto* e = qobject_cast<QLineEdit*>(watched)) {
                e->insert(QStringLiteral("."));
                emit e->textEdited(e->text());
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

int CCalculatorDlg::run(QDialog& dialog) {
    return m_runner.exec(dialog);
}

} // namespace wsc
