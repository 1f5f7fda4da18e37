#include "app/calc/CCalcMessagesDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "core/calc/RecipeCalculator.h"
#include "core/settings/MessageCatalog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace wsc {

CCalcMessagesDlg::CCalcMessagesDlg(QStringList& messages, QWidget* parent) : QDialog(parent) {
    SetHelpContext(this, HelpContext::kCalcMessages);
    setWindowTitle(QString::fromLatin1(Labels::kCalcMessagesTitle));
    std::vector<TextRow> rows;
    for (const CalcMessageLine& line : CalcMessageLines(messages)) {
        rows.push_back({0,
                        {QString::asprintf("%lu", line.number), line.level, line.message},
                        {QString(), line.level, line.message}});
    }
    m_rows.setHeaders(MessageCatalog::text(Msg::kCalcMessageColumns).split(u','));
    m_rows.setRows(std::move(rows));
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("messageList"));
    m_list->setModel(&m_rows);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    const int u = static_cast<int>(logicalDpiX() * 0.3);
    m_list->setColumnWidth(0, u);
    m_list->setColumnWidth(1, static_cast<int>(2.5 * u));
    m_list->setColumnWidth(2, 30 * u);
    m_list->header()->setStretchLastSection(true);
    m_list->setWordWrap(true);
    m_list->setUniformRowHeights(false);
    // "Information" is wider than the level column's design: the column takes what it needs.
    int level = static_cast<int>(2.5 * u);
    for (int i = 0; i < m_rows.rowCount(); ++i)
        level = std::max(level, m_list->fontMetrics().horizontalAdvance(m_rows.text(i, 1)) + 16);
    m_list->setColumnWidth(1, level);
    if (m_rows.rowCount() > 0)
        m_list->selectionModel()->setCurrentIndex(
            m_rows.index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    setSizeGripEnabled(true);
    // Wide enough for the three columns, within the screen; a message still wider than the
    // window shows whole as the row's tip.
    const int wanted = u + m_list->columnWidth(1) + 30 * u + 60;
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() - 40 : wanted;
    resize(std::min(wanted, room), 360);
}

} // namespace wsc
