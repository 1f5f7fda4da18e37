#include "app/reference/CAddChgDlg.h"

#include "core/calc/UnitPreference.h"
#include "core/settings/WindowTexts.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"

#include "app/reference/CAddChgAdjuncts.h"
#include "app/reference/CAddChgBrewer.h"
#include "app/reference/CAddChgExtracts.h"
#include "app/reference/CAddChgGlossary.h"
#include "app/reference/CAddChgGrains.h"
#include "app/reference/CAddChgHops.h"
#include "app/reference/CAddChgKits.h"
#include "app/reference/CAddChgStyles.h"
#include "app/reference/CAddChgSuppliers.h"
#include "app/reference/CAddChgWater.h"
#include "app/reference/CAddChgYeast.h"
#include "app/widgets/Commands.h"
#include "app/widgets/IconFactory.h"
#include "app/widgets/PriorityShortcuts.h"
#include "app/widgets/RecordBinder.h"
#include "core/db/DatabaseOps.h"
#include "core/settings/Prompter.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace wsc {
namespace {

// Texts in the file hold at most this many characters unless a field says less.
constexpr int kTextLimit = 255;

RecordBinder::Format formatOf(FieldKind kind) {
    switch (kind) {
    case FieldKind::Number:
        return RecordBinder::Format::Number;
    case FieldKind::Tenths:
        return RecordBinder::Format::Tenths;
    case FieldKind::Gravity:
        return RecordBinder::Format::Gravity;
    case FieldKind::Whole:
        return RecordBinder::Format::Whole;
    default:
        return RecordBinder::Format::Text;
    }
}

bool isNumber(FieldKind kind) {
    return kind == FieldKind::Number || kind == FieldKind::Tenths || kind == FieldKind::Gravity ||
           kind == FieldKind::Whole;
}

} // namespace

std::unique_ptr<CAddChgDlg> CAddChgDlg::create(ReferenceKind kind, CoreServices& services,
                                               DialogRunner& runner, QWidget* parent) {
    switch (kind) {
    case ReferenceKind::Styles:
        return std::make_unique<CAddChgStyles>(services, runner, parent);
    case ReferenceKind::Kits:
        return std::make_unique<CAddChgKits>(services, runner, parent);
    case ReferenceKind::Extracts:
        return std::make_unique<CAddChgExtracts>(services, runner, parent);
    case ReferenceKind::Grains:
        return std::make_unique<CAddChgGrains>(services, runner, parent);
    case ReferenceKind::Hops:
        return std::make_unique<CAddChgHops>(services, runner, parent);
    case ReferenceKind::Yeast:
        return std::make_unique<CAddChgYeast>(services, runner, parent);
    case ReferenceKind::Water:
        return std::make_unique<CAddChgWater>(services, runner, parent);
    case ReferenceKind::Adjuncts:
        return std::make_unique<CAddChgAdjuncts>(services, runner, parent);
    case ReferenceKind::Glossary:
        return std::make_unique<CAddChgGlossary>(services, runner, parent);
    case ReferenceKind::Suppliers:
        return std::make_unique<CAddChgSuppliers>(services, runner, parent);
    case ReferenceKind::Brewer:
        break;
    }
    return std::make_unique<CAddChgBrewer>(services, runner, parent);
}

CAddChgDlg::CAddChgDlg(ReferenceKind kind, CoreServices& services, DialogRunner& runner,
                       QWidget* parent)
    : QDialog(parent), m_services(services), m_runner(runner),
      m_records(std::make_unique<CAddChgDAO>(kind, services, *this)),
      m_binder(new RecordBinder(services.prompter, this)) {
    SetHelpContext(this, HelpContext::AddChg(int(kind)));
    const ReferenceTable& t = m_records->table();
    setWindowTitle(QString::fromLatin1(t.title));
    setObjectName(QStringLiteral("addChg") + QString::fromLatin1(t.table));
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    auto* layout = new QVBoxLayout(this);
    buildRecordBar();
    layout->setMenuBar(m_bar);
    buildFields();
    m_binder->setUnits(ReadUnitChoice(services.profile), nullptr);
    m_extra = new QVBoxLayout;
    layout->addLayout(m_extra);
    auto* close = new QPushButton(QString::fromUtf8(Labels::kClose), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &CAddChgDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(m_binder, &RecordBinder::modified, this, [this] { m_records->setDirty(); });
    new PriorityShortcuts(this, [this] {
        QList<QAction*> actions;
        for (const auto& [id, a] : m_actions)
            actions << a;
        return actions;
    });
}

CAddChgDlg::~CAddChgDlg() = default;

void CAddChgDlg::buildRecordBar() {
    m_bar = new QToolBar(this);
    m_bar->setObjectName(QStringLiteral("recordBar"));
    m_bar->setIconSize(QSize(20, 20));
    for (int id : Layout::MaintenanceBar()) {
        if (id == 0) {
            m_bar->addSeparator();
            continue;
        }
        // The record keys work while the dialog is the active window, as the form's do.
        QAction* a = MakeCommandAction(*FindCommand(id), m_bar, false);
        a->setShortcutContext(Qt::WindowShortcut);
        m_bar->addAction(a);
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions[id] = a;
    }
}

QWidget* CAddChgDlg::makeControl(const ReferenceField& f, QWidget* parent) {
    const char* column = f.column;
    const QString label = QString::fromLatin1(f.label);
    QWidget* w = nullptr;
    switch (f.kind) {
    case FieldKind::Text:
    case FieldKind::Number:
    case FieldKind::Tenths:
    case FieldKind::Gravity:
    case FieldKind::Whole: {
        auto* e = new QLineEdit(parent);
        if (isNumber(f.kind)) {
            e->setAlignment(Qt::AlignRight);
            e->setMaximumWidth(90);
        } else {
            e->setMaxLength(f.maxLength > 0 ? f.maxLength : kTextLimit);
        }
        if (f.wortGravity)
            m_binder->bind(e, column, label, formatOf(f.kind), Quantity::Gravity);
        else
            m_binder->bind(e, column, label, formatOf(f.kind));
        w = e;
        break;
    }
    case FieldKind::Memo: {
        auto* e = new QPlainTextEdit(parent);
        e->setFixedHeight(e->fontMetrics().lineSpacing() * 4 + 12);
        e->setTabChangesFocus(true);
        m_binder->bind(e, column);
        w = e;
        break;
    }
    case FieldKind::Radios: {
        auto* box = new QGroupBox(label, parent);
        auto* group = new QButtonGroup(box);
        auto* row = new QHBoxLayout(box);
        int id = 0;
        for (const QString& choice : QString::fromLatin1(f.choices).split(u';')) {
            auto* r = new QRadioButton(choice, box);
            group->addButton(r, id++);
            row->addWidget(r);
        }
        row->addStretch();
        m_binder->bind(group, column);
        w = box;
        break;
    }
    case FieldKind::Check: {
        auto* c = new QCheckBox(label, parent);
        m_binder->bind(c, column);
        w = c;
        break;
    }
    case FieldKind::DropList: {
        auto* c = new QComboBox(parent);
        c->addItems(QString::fromLatin1(f.choices).split(u';'));
        c->setCurrentIndex(-1);
        m_binder->bind(c, column);
        w = c;
        break;
    }
    }
    w->setObjectName(QString::fromLatin1(column));
    m_controls[QString::fromLatin1(column)] = w;
    return w;
}

void CAddChgDlg::buildFields() {
    const ReferenceTable& t = m_records->table();
    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(fields);
    QGroupBox* box = nullptr;
    QGridLayout* boxGrid = nullptr;
    int boxRow = 0;
    int row = 0;
    QHBoxLayout* pendingPair = nullptr; // a range row waiting for its high field
    for (const ReferenceField& f : t.fields) {
        QGridLayout* grid = fields;
        int* r = &row;
        QWidget* parent = this;
        if (f.section) {
            if (!box || box->title() != QLatin1String(f.section)) {
                box = new QGroupBox(QString::fromLatin1(f.section), this);
                boxGrid = new QGridLayout(box);
                boxRow = 0;
                if (f.rangeSide != 0) {
                    boxGrid->addWidget(new QLabel(QString::fromUtf8(Labels::kLow), box), 0, 1);
                    boxGrid->addWidget(new QLabel(QString::fromUtf8(Labels::kHigh), box), 0, 2);
                    boxRow = 1;
                }
                boxGrid->setColumnStretch(3, 1);
                fields->addWidget(box, row++, 0, 1, 2);
            }
            grid = boxGrid;
            r = &boxRow;
            parent = box;
        } else {
            box = nullptr;
        }
        QWidget* w = makeControl(f, parent);
        auto* cell = new QHBoxLayout;
        cell->setContentsMargins(0, 0, 0, 0);
        const bool narrow = isNumber(f.kind) || f.kind == FieldKind::DropList;
        cell->addWidget(w, narrow ? 0 : 1);
        if (narrow)
            cell->addStretch();
        m_rows[QString::fromLatin1(f.column)] = cell;
        if (f.rangeSide == 2) {
            // The high field of a range stands on its low field's row.
            if (f.section) {
                grid->addLayout(cell, *r - 1, 2);
            } else if (pendingPair) {
                pendingPair->addWidget(new QLabel(QString::fromUtf8(Labels::kHigh), parent));
                pendingPair->addLayout(cell);
                pendingPair = nullptr;
            }
            continue;
        }
        if (f.kind == FieldKind::Radios) {
            grid->addLayout(cell, (*r)++, 0, 1, 2);
            continue;
        }
        if (f.kind == FieldKind::Check) {
            grid->addLayout(cell, (*r)++, 1);
            continue;
        }
        auto* l = new QLabel(QString::fromLatin1(f.label), parent);
        l->setBuddy(w);
        if (f.wortGravity)
            m_binder->bindUnitLabel(l, l->text(), l->text() + QStringLiteral(" (%1)"),
                                    Quantity::Gravity);
        grid->addWidget(l, *r, 0, f.kind == FieldKind::Memo ? Qt::AlignTop : Qt::Alignment());
        if (f.rangeSide == 1 && !f.section) {
            pendingPair = new QHBoxLayout;
            pendingPair->addWidget(new QLabel(QString::fromUtf8(Labels::kLow), parent));
            pendingPair->addLayout(cell);
            grid->addLayout(pendingPair, (*r)++, 1);
            continue;
        }
        grid->addLayout(cell, (*r)++, 1);
    }
}

bool CAddChgDlg::OnInitDialog() {
    if (!m_records->OnInitDialog())
        return false;
    const ReferenceTable& t = m_records->table();
    const bool tips = m_records->displayToolTips() && m_records->rowCountAtOpen() > 0;
    for (const ReferenceField& f : t.fields) {
        QWidget* w = control(f.column);
        if (!w || !f.tip)
            continue;
        const QString tip = tips ? QString::fromLatin1(f.tip) : QString();
        w->setToolTip(tip);
        for (QRadioButton* r : w->findChildren<QRadioButton*>())
            r->setToolTip(tip);
    }
    showTips(tips);
    focusControl(t.focus);
    return true;
}

QWidget* CAddChgDlg::control(const char* column) const {
    auto it = m_controls.find(QString::fromLatin1(column));
    return it == m_controls.end() ? nullptr : it->second;
}

QHBoxLayout* CAddChgDlg::fieldRow(const char* column) const {
    auto it = m_rows.find(QString::fromLatin1(column));
    return it == m_rows.end() ? nullptr : it->second;
}

QAction* CAddChgDlg::commandAction(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CAddChgDlg::saveControls(CDaoRecordset& record) {
    const bool fields = m_binder->save(record);
    const bool extras = saveExtras(record);
    return fields && extras;
}

void CAddChgDlg::loadControls(const CDaoRecordset& record, bool hasRow) {
    if (hasRow)
        m_binder->load(record);
    else
        m_binder->clear();
    // Without a row there is nothing to type into until Add starts one.
    for (const auto& [column, w] : m_controls)
        w->setEnabled(hasRow);
    loadExtras(record, hasRow);
}

QString CAddChgDlg::controlText(const char* column) const {
    QWidget* w = control(column);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w))
        return e->toPlainText();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* c = qobject_cast<QCheckBox*>(w))
        return c->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (w) {
        for (QRadioButton* r : w->findChildren<QRadioButton*>()) {
            if (r->isChecked())
                return r->text();
        }
    }
    return {};
}

void CAddChgDlg::setControlText(const char* column, const QString& text) {
    QWidget* w = control(column);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* e = qobject_cast<QPlainTextEdit*>(w))
        e->setPlainText(text);
    else if (auto* c = qobject_cast<QComboBox*>(w))
        c->setCurrentIndex(c->findText(text.trimmed()));
}

void CAddChgDlg::focusControl(const char* column) {
    if (QWidget* w = control(column)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->selectAll();
    }
}

bool CAddChgDlg::commandEnabled(int id) const {
    switch (id) {
    case ID_RECORD_DELETE:
        return m_records->canDelete();
    case ID_RECORD_REFRESH:
        return m_records->canRefresh();
    default:
        return true;
    }
}

void CAddChgDlg::commandStateChanged() {
    for (const auto& [id, a] : m_actions)
        a->setEnabled(commandEnabled(id));
}

void CAddChgDlg::runCommand(int id) {
    if (!commandEnabled(id))
        return;
    using Move = CAddChgDAO::Move;
    switch (id) {
    case ID_RECORD_FIRST:
        m_records->OnRecordMove(Move::First);
        break;
    case ID_RECORD_PREV:
        m_records->OnRecordMove(Move::Previous);
        break;
    case ID_RECORD_NEXT:
        m_records->OnRecordMove(Move::Next);
        break;
    case ID_RECORD_LAST:
        m_records->OnRecordMove(Move::Last);
        break;
    case ID_RECORD_ADD:
        m_records->OnRecordAdd();
        break;
    case ID_RECORD_REFRESH:
        m_records->OnRecordRefresh();
        break;
    case ID_RECORD_DELETE:
        m_records->OnRecordDelete();
        break;
        // The dialog's own commands, as their rows name them.
#define WSC_HANDLER_MaintenanceDialog(id, handler)                                                 \
    case id:                                                                                       \
        handler;                                                                                   \
        break;
#define WSC_HANDLER_Frame(id, handler)
#define WSC_HANDLER_RecipeForm(id, handler)
#define WSC_DIALOG_HANDLER(id, number, text, keys, prompt, glyph, owner, when, handler)            \
    WSC_HANDLER_##owner(id, handler)
        WSC_COMMANDS(WSC_DIALOG_HANDLER)
#undef WSC_DIALOG_HANDLER
#undef WSC_HANDLER_RecipeForm
#undef WSC_HANDLER_Frame
#undef WSC_HANDLER_MaintenanceDialog
    default:
        break;
    }
    commandStateChanged();
}

void CAddChgDlg::reject() {
    // A change that cannot be saved keeps the dialog open with the change on screen.
    if (m_records->canClose())
        QDialog::reject();
}

void CAddChgDlg::keyPressEvent(QKeyEvent* event) {
    // Enter does not close the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace wsc
