#pragma once

#include <QTabWidget>

namespace wsc {

// The tabs of a grid: one sheet per tab, the tabs below the sheets.
class CGWTabGridCtrl : public QTabWidget {
    Q_OBJECT
public:
    explicit CGWTabGridCtrl(QWidget* parent = nullptr);
};

} // namespace wsc
