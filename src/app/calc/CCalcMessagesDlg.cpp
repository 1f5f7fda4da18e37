#include "app/calc/CCalcMessagesDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"

#include "core/calc/RecipeCalculator.h"
#include "core/settings/MessageCatalog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace wsc {

CCalcMessagesDlg::CCalcMessagesDlg(QStringList& messages, QWidget* parent) : QDialog(parent) {
    SetHelpContext(this, HelpContext::kCalcMessages);
    setWindowTitle(QStringLiteral("Calculation Messages"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("messageList"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels(MessageCatalog::text(Msg::kCalcMessageColumns).split(u','));
    const int u = static_cast<int>(logicalDpiX() * 0.3);
    m_list->setColumnWidth(0, u);
    m_list->setColumnWidth(1, static_cast<int>(2.5 * u));
    m_list->setColumnWidth(2, 30 * u);
    m_list->header()->setStretchLastSection(true);
    m_list->setWordWrap(true);
    m_list->setUniformRowHeights(false);
    for (const CalcMessageLine& line : CalcMessageLines(messages)) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, QString::asprintf("%lu", line.number));
        item->setText(1, line.level);
        item->setText(2, line.message);
        item->setToolTip(1, line.level);
        item->setToolTip(2, line.message);
    }
    // "Information" is wider than the level column's design: the column takes what it needs.
    int level = static_cast<int>(2.5 * u);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        level = std::max(
            level, m_list->fontMetrics().horizontalAdvance(m_list->topLevelItem(i)->text(1)) + 16);
    m_list->setColumnWidth(1, level);
    if (m_list->topLevelItemCount() > 0) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
        m_list->topLevelItem(0)->setSelected(true);
    }
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
