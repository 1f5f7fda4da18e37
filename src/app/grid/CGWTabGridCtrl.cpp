#include "app/grid/CGWTabGridCtrl.h"

namespace wsc {

CGWTabGridCtrl::CGWTabGridCtrl(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("gridTabs"));
    setTabPosition(QTabWidget::South);
    setDocumentMode(true);
}

} // namespace wsc
