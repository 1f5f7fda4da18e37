#include "app/grid/CGWGrid.h"

#include "core/settings/MessageCatalog.h"

#include "app/grid/CGWTabGridCtrl.h"

#include "core/db/dao/CDaoException.h"
#include "core/document/FieldExchange.h"

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace wsc {
namespace {

constexpr const char* kAppendText = "<new>";

// Editors by the column's cell type.
class GridCellDelegate : public QStyledItemDelegate {
public:
    GridCellDelegate(const GridSheetLayout& layout, QObject* parent)
        : QStyledItemDelegate(parent), m_layout(layout) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const GridColumn& c = column(index.column());
        switch (c.type) {
        case CellType::Header:
        case CellType::CheckBox:
            return nullptr;
        case CellType::DropDownList:
        case CellType::ComboBox: {
            auto* box = new QComboBox(parent);
            box->addItems(c.items);
            box->setEditable(c.type == CellType::ComboBox);
            // A choice from the list is the edit: it goes to the cell at once, as a typed one.
            if (c.type == CellType::DropDownList) {
                auto* self = const_cast<GridCellDelegate*>(this);
                connect(box, &QComboBox::activated, self, [self, box] {
                    emit self->commitData(box);
                    emit self->closeEditor(box, QAbstractItemDelegate::SubmitModelCache);
                });
            }
            return box;
        }
        case CellType::Int:
        case CellType::Float:
            // No validator: one would drop what it does not take (a decimal comma, a
            // thousands mark) and make another number of it. The cell refuses what is no
            // number, with its message.
            return new QLineEdit(parent);
        case CellType::Edit:
            break;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            const QString text = index.data(Qt::EditRole).toString();
            const int i = box->findText(text);
            if (i >= 0)
                box->setCurrentIndex(i);
            else if (box->isEditable())
                box->setEditText(text);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, box->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    const GridColumn& column(int c) const {
        static const GridColumn plain;
        return c >= 0 && c < static_cast<int>(m_layout.columns.size())
                   ? m_layout.columns[static_cast<std::size_t>(c)]
                   : plain;
    }
    const GridSheetLayout& m_layout;
};

} // namespace

CGWGrid::CGWGrid(QWidget* parent) : QWidget(parent) {
    m_tabs = new CGWTabGridCtrl(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

CGWGrid::~CGWGrid() = default;

QString CGWGrid::SetSettingsFile(const QString& path, const std::vector<int>& columnsPerSheet) {
    const QFileInfo info(path);
    m_settingsDir = info.absolutePath();
    m_settingsName = info.fileName();
    QString problem;
    GridLayoutFile file = GridLayoutFile::load(path, columnsPerSheet, problem);
    if (!problem.isEmpty()) {
        // The layout the program was built with: the grid always has the sheets its owner
        // reads and writes.
        QString builtInProblem;
        file = GridLayoutFile::load(QStringLiteral(":/wsc/grid/") + m_settingsName, columnsPerSheet,
                                    builtInProblem);
    }
    m_caption = file.caption;
    m_sheets.clear();
    for (const GridSheetLayout& s : file.sheets) {
        auto sheet = std::make_unique<Sheet>();
        sheet->layout = s;
        m_sheets.push_back(std::move(sheet));
    }
    return problem;
}

QString CGWGrid::layoutProblemMessage(const QString& path, const QString& problem) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0)
        return QString::fromLatin1(Texts::kGridLayoutMissing).arg(path);
    return QString::fromLatin1(Texts::kGridLayoutGarbled).arg(path, problem);
}

void CGWGrid::createSheets() {
    while (m_tabs->count() > 0) {
        QWidget* w = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete w;
    }
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        Sheet& s = *m_sheets[i];
        auto* t = new QTableWidget(m_tabs);
        t->setObjectName(QStringLiteral("sheet%1").arg(i));
        t->setColumnCount(static_cast<int>(s.layout.columns.size()));
        QStringList headings;
        for (std::size_t c = 0; c < s.layout.columns.size(); ++c) {
            const GridColumn& col = s.layout.columns[c];
            headings << col.heading;
            t->setColumnWidth(static_cast<int>(c), col.width);
            if (col.width == 0)
                t->setColumnHidden(static_cast<int>(c), true);
        }
        t->setHorizontalHeaderLabels(headings);
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
        t->horizontalHeader()->setStretchLastSection(false);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        // Single keys are the owner's commands: a cell is edited with F2 or a second click.
        t->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
        // Tab moves on to the next control of the form; the arrow keys move within the sheet.
        t->setTabKeyNavigation(false);
        t->setItemDelegate(new GridCellDelegate(s.layout, t));
        for (QWidget* w : std::initializer_list<QWidget*>{t, t->viewport(), t->horizontalHeader(),
                                                          t->verticalHeader()})
            w->installEventFilter(this);
        connect(t, &QTableWidget::itemChanged, this, &CGWGrid::onItemChanged);
        connect(t, &QTableWidget::cellDoubleClicked, this,
                [this, i](int row, int col) { activateCell(row + 1, col, static_cast<int>(i)); });
        s.table = t;
        m_tabs->addTab(t, s.layout.title);
        showSheet(static_cast<int>(i));
    }
}

CGWGrid::Sheet& CGWGrid::sheetAt(int sheet) {
    return *m_sheets.at(static_cast<std::size_t>(resolve(sheet)));
}

const CGWGrid::Sheet& CGWGrid::sheetAt(int sheet) const {
    return *m_sheets.at(static_cast<std::size_t>(resolve(sheet)));
}

int CGWGrid::currentSheet() const {
    return m_tabs->currentIndex() < 0 ? 0 : m_tabs->currentIndex();
}

void CGWGrid::setCurrentSheet(int sheet) {
    m_tabs->setCurrentIndex(sheet);
}

QTableWidget* CGWGrid::table(int sheet) const {
    return sheetAt(sheet).table;
}

void CGWGrid::setSheetBinding(int sheet, CDaoDatabase* database, const QString& query,
                              const QString& table, long recipeId) {
    Sheet& s = sheetAt(sheet);
    s.bound.bind(database, query, table, recipeId);
    s.isBound = true;
}

BoundQuerySheet* CGWGrid::binding(int sheet) {
    Sheet& s = sheetAt(sheet);
    return s.isBound ? &s.bound : nullptr;
}

void CGWGrid::readSheet(int sheet) {
    Sheet& s = sheetAt(sheet);
    if (s.isBound)
        s.bound.read();
    s.colors.clear();
    showSheet(resolve(sheet));
}

int CGWGrid::GetRowCount(int sheet) const {
    const Sheet& s = sheetAt(sheet);
    if (s.isBound)
        return s.bound.rowCount() + 2;
    return static_cast<int>(s.cells.size()) + 1;
}

bool CGWGrid::isAppendRow(int row, int sheet) const {
    const Sheet& s = sheetAt(sheet);
    return s.isBound && row == GetRowCount(sheet) - 1;
}

void CGWGrid::GetCurrentCell(int& row, int& col) const {
    const QTableWidget* t = table(-1);
    row = t && t->currentRow() >= 0 ? t->currentRow() + 1 : 0;
    col = t ? std::max(0, t->currentColumn()) : 0;
}

void CGWGrid::SetCurrentCell(int row, int col, int sheet) {
    setCurrentSheet(resolve(sheet));
    table(sheet)->setCurrentCell(row - 1, col);
}

QString CGWGrid::GetCellText(int row, int col, int sheet) const {
    const Sheet& s = sheetAt(sheet);
    if (row == 0)
        return col >= 0 && col < static_cast<int>(s.layout.columns.size())
                   ? s.layout.columns[static_cast<std::size_t>(col)].heading
                   : QString();
    if (s.isBound)
        return s.bound.text(row - 1, col);
    if (row - 1 < static_cast<int>(s.cells.size())) {
        const auto& cells = s.cells[static_cast<std::size_t>(row - 1)];
        if (col >= 0 && col < static_cast<int>(cells.size()))
            return cells[static_cast<std::size_t>(col)];
    }
    return {};
}

long CGWGrid::GetCellNumber(int row, int col, int sheet) const {
    return GetCellText(row, col, sheet).trimmed().toLong();
}

void CGWGrid::setCellText(int sheet, int row, int col, const QString& text) {
    // The calculations write through here; a failed write is reported, not thrown at them.
    trySetCellText(row, col, text, sheet);
}

void CGWGrid::SetCellText(int row, int col, const QString& text, int sheet) {
    const int k = resolve(sheet);
    if (isAppendRow(row, k))
        startRecord(k, col, text);
    else
        writeCell(k, row, col, text);
    OnCellSet();
}

void CGWGrid::writeCell(int sheet, int row, int col, const QString& text) {
    Sheet& s = sheetAt(sheet);
    if (row < 1)
        return;
    if (s.isBound) {
        s.bound.setText(row - 1, col, text);
    } else {
        if (static_cast<int>(s.cells.size()) < row)
            s.cells.resize(static_cast<std::size_t>(row));
        auto& cells = s.cells[static_cast<std::size_t>(row - 1)];
        if (static_cast<int>(cells.size()) <= col)
            cells.resize(static_cast<std::size_t>(col) + 1);
        cells[static_cast<std::size_t>(col)] = text;
        if (s.table && s.table->rowCount() < row)
            s.table->setRowCount(row);
    }
    showCell(sheet, row, col);
}

void CGWGrid::startRecord(int sheet, int col, const QString& text) {
    Sheet& s = sheetAt(sheet);
    // The owner may have to store its recipe first.
    OnGridEvent(1, 2);
    std::vector<QString> texts(s.layout.columns.size());
    for (std::size_t c = 0; c < texts.size(); ++c) {
        QString t;
        if (GetNewRowDefault(true, static_cast<int>(c), t))
            texts[c] = t;
    }
    if (col >= 0 && col < static_cast<int>(texts.size()))
        texts[static_cast<std::size_t>(col)] = text;
    s.bound.startRecord(texts);
    showSheet(sheet);
}

void CGWGrid::editCell(int row, int col, const QString& text, int sheet) {
    const int k = resolve(sheet);
    // Only the sheet on show is edited.
    if (k != currentSheet())
        setCurrentSheet(k);
    const Sheet& s = sheetAt(k);
    if (col >= 0 && col < static_cast<int>(s.layout.columns.size())) {
        const GridColumn& c = s.layout.columns[static_cast<std::size_t>(col)];
        // Number cells hold quantities: a text that is no number of 0 or more (and no larger
        // than any field takes) is refused where it was typed, and the cell shows what it held.
        if ((c.type == CellType::Float || c.type == CellType::Int) && !text.trimmed().isEmpty()) {
            double v = 0;
            if (CheckTypedNumber(text, v) != NumberFault::None ||
                (c.type == CellType::Int && v != std::floor(v))) {
                showCell(k, row, col);
                OnInvalidCell(c.heading, text);
                return;
            }
            // "0,5" is stored as the half it means.
            const QString number = QString::number(v, 'g', 15);
            if (trySetCellText(row, col, number, k))
                OnCellChanged(row, col, number);
            return;
        }
    }
    if (trySetCellText(row, col, text, k))
        OnCellChanged(row, col, text);
}

bool CGWGrid::trySetCellText(int row, int col, const QString& text, int sheet) {
    try {
        SetCellText(row, col, text, sheet);
        return true;
    } catch (const CDaoException& e) {
        // The sheet shows its rows as they were.
        showSheet(resolve(sheet));
        OnDatabaseError(e);
        return false;
    }
}

void CGWGrid::activateCell(int row, int col, int sheet) {
    const int k = resolve(sheet);
    setCurrentSheet(k);
    if (QTableWidget* t = table(k))
        t->setCurrentCell(row - 1, col);
    OnCellActivated(row, col);
}

void CGWGrid::showSheet(int sheet) {
    Sheet& s = sheetAt(sheet);
    if (!s.table)
        return;
    ++m_updating;
    const int rows = GetRowCount(sheet) - 1;
    s.table->setRowCount(rows);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 0; c < s.table->columnCount(); ++c)
            showCell(sheet, r, c);
    }
    --m_updating;
}

void CGWGrid::showCell(int sheet, int row, int col) {
    Sheet& s = sheetAt(sheet);
    if (!s.table || row < 1 || col < 0 || col >= s.table->columnCount())
        return;
    ++m_updating;
    if (s.table->rowCount() < row)
        s.table->setRowCount(row);
    // A new cell is made whole before the table takes it: one change for the view to follow
    // instead of one for each of its properties (a sheet of 100,000 rows fills in seconds).
    QTableWidgetItem* item = s.table->item(row - 1, col);
    std::unique_ptr<QTableWidgetItem> made;
    if (!item) {
        made = std::make_unique<QTableWidgetItem>();
        item = made.get();
    }
    const CellType type = s.layout.columns[static_cast<std::size_t>(col)].type;
    const bool append = isAppendRow(row, sheet);
    const QString text = GetCellText(row, col, sheet);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (type == CellType::CheckBox && !append) {
        flags |= Qt::ItemIsUserCheckable;
        item->setText(QString());
        item->setCheckState(text.trimmed().toInt() != 0 ? Qt::Checked : Qt::Unchecked);
    } else {
        item->setData(Qt::CheckStateRole, QVariant());
        item->setText(append && col == 0 ? QString::fromLatin1(kAppendText) : text);
        if (type != CellType::Header && !(append && col != 0))
            flags |= Qt::ItemIsEditable;
    }
    item->setFlags(flags);
    QFont f = item->font();
    f.setItalic(append);
    f.setBold(type == CellType::Header);
    item->setFont(f);
    QColor color = append ? QColor(Qt::gray) : palette().color(QPalette::Text);
    if (row - 1 < static_cast<int>(s.colors.size()) &&
        col < static_cast<int>(s.colors[static_cast<std::size_t>(row - 1)].size()) &&
        s.colors[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)].isValid())
        color = s.colors[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
    item->setForeground(color);
    if (type == CellType::Header)
        item->setBackground(palette().color(QPalette::Button));
    if (type == CellType::Float || type == CellType::Int)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    else if (type == CellType::CheckBox)
        item->setTextAlignment(Qt::AlignCenter);
    if (made)
        s.table->setItem(row - 1, col, made.release());
    --m_updating;
}

void CGWGrid::onItemChanged(QTableWidgetItem* item) {
    if (m_updating > 0)
        return;
    auto* t = item->tableWidget();
    int sheet = -1;
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        if (m_sheets[i]->table == t)
            sheet = static_cast<int>(i);
    }
    if (sheet < 0)
        return;
    const int row = item->row() + 1;
    const int col = item->column();
    const CellType type = sheetAt(sheet).layout.columns[static_cast<std::size_t>(col)].type;
    const QString text =
        type == CellType::CheckBox
            ? (item->checkState() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"))
            : item->text();
    if (text == GetCellText(row, col, sheet) && !isAppendRow(row, sheet))
        return;
    editCell(row, col, text, sheet);
}

void CGWGrid::SelectRow(int row, bool redraw) {
    m_selectedRow = row;
    QTableWidget* t = table(-1);
    if (!t)
        return;
    if (row < 1) {
        t->clearSelection();
    } else {
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->selectRow(row - 1);
        t->setSelectionBehavior(QAbstractItemView::SelectItems);
    }
    if (redraw)
        t->viewport()->update();
}

void CGWGrid::RedrawRow(int row) {
    if (QTableWidget* t = table(-1)) {
        for (int c = 0; c < t->columnCount(); ++c)
            showCell(currentSheet(), row, c);
    }
}

void CGWGrid::HitTestCell(const QPoint& pos, int& row, int& col) const {
    const QTableWidget* t = table(-1);
    row = -1;
    col = -1;
    if (!t)
        return;
    if (pos.y() < 0) {
        row = 0;
        col = t->columnAt(pos.x());
        return;
    }
    const int r = t->rowAt(pos.y());
    if (r < 0)
        return;
    row = r + 1;
    col = t->columnAt(pos.x());
}

QRect CGWGrid::GetCellRect(int row, int col) const {
    const QTableWidget* t = table(-1);
    if (!t || row < 1)
        return {};
    return t->visualItemRect(t->item(row - 1, col));
}

void CGWGrid::setCellTextColor(int row, int col, const QColor& color, int sheet) {
    Sheet& s = sheetAt(sheet);
    if (row < 1 || col < 0)
        return;
    if (static_cast<int>(s.colors.size()) < row)
        s.colors.resize(static_cast<std::size_t>(row));
    auto& line = s.colors[static_cast<std::size_t>(row - 1)];
    if (static_cast<int>(line.size()) <= col)
        line.resize(static_cast<std::size_t>(col) + 1);
    line[static_cast<std::size_t>(col)] = color;
    showCell(resolve(sheet), row, col);
}

QColor CGWGrid::cellTextColor(int row, int col, int sheet) const {
    const Sheet& s = sheetAt(sheet);
    if (row >= 1 && row - 1 < static_cast<int>(s.colors.size()) && col >= 0 &&
        col < static_cast<int>(s.colors[static_cast<std::size_t>(row - 1)].size()))
        return s.colors[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
    return QColor(Qt::black);
}

void CGWGrid::OnGridEvent(int, int) {}

void CGWGrid::commitOpenEditor() {
    QWidget* focus = QApplication::focusWidget();
    for (const auto& s : m_sheets) {
        // An editor loses the focus to its table, and its delegate hands the text over.
        if (s->table && focus && focus != s->table && s->table->isAncestorOf(focus)) {
            s->table->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool CGWGrid::startsNumberEdit(QTableWidget* t, const QKeyEvent& key) const {
    if (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier) || key.text().size() != 1)
        return false;
    const QChar c = key.text().at(0);
    if (!c.isDigit() && c != u'.' && c != u',')
        return false;
    const QModelIndex index = t->currentIndex();
    // Keys reach the table itself only while no cell editor is open.
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable))
        return false;
    for (const auto& s : m_sheets) {
        if (s->table == t && index.column() < static_cast<int>(s->layout.columns.size())) {
            const CellType type = s->layout.columns[static_cast<std::size_t>(index.column())].type;
            return type == CellType::Float || type == CellType::Int;
        }
    }
    return false;
}

bool CGWGrid::eventFilter(QObject* watched, QEvent* event) {
    for (const auto& s : m_sheets) {
        QTableWidget* t = s->table;
        if (!t)
            continue;
        const bool inTable = watched == t || watched == t->viewport() ||
                             watched == t->horizontalHeader() || watched == t->verticalHeader();
        if (!inTable)
            continue;
        switch (event->type()) {
        case QEvent::ContextMenu: {
            // The grid's own menu comes with the release of the right button, over a data row;
            // a context-menu event (X11 sends it with the press) never reaches the form, whose
            // menu is about the whole recipe.
            auto* menu = static_cast<QContextMenuEvent*>(event);
            if (menu->reason() == QContextMenuEvent::Keyboard && watched == t)
                OnKeyUp(Qt::Key_M);
            menu->accept();
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (watched == t->viewport() &&
                static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                OnRightButtonUp(static_cast<QMouseEvent*>(event)->position().toPoint());
                return true;
            }
            break;
        case QEvent::KeyPress: {
            if (watched != t)
                break;
            auto* key = static_cast<QKeyEvent*>(event);
            // The owner's single-key commands act on the current row, on the release of a key
            // pressed without Ctrl or Alt: the table never sees them, so its type-to-search
            // cannot move the cursor first, and Ctrl+S stays the window's.
            if (isCommandKey(*key)) {
                if (!key->isAutoRepeat())
                    m_commandKey = key->key();
                return true;
            }
            m_commandKey = 0;
            if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
                !(key->modifiers() & Qt::AltModifier)) {
                leaveGrid(t, key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
            // A digit typed into a number cell starts its edit with that digit.
            if (startsNumberEdit(t, *key)) {
                t->edit(t->currentIndex());
                if (QWidget* editor = QApplication::focusWidget(); editor && editor != t)
                    QCoreApplication::sendEvent(editor, key);
                return true;
            }
            break;
        }
        case QEvent::KeyRelease: {
            if (watched != t)
                break;
            // While a cell is edited its editor has the keys; the table sees only its own.
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat() && key->key() == m_commandKey) {
                m_commandKey = 0;
                OnKeyUp(key->key());
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CGWGrid::leaveGrid(QTableWidget* table, bool forward) {
    // The next control before or after the whole grid: its own tabs and sheets are skipped.
    QWidget* w = table;
    for (int guard = 0; guard < 10000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == table)
            return;
        if (w == m_tabs || m_tabs->isAncestorOf(w) || w->window() != table->window())
            continue;
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace wsc
