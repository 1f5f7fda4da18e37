#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace wsc {

// Cell types of the grid's columns.
enum class CellType { Edit, DropDownList, ComboBox, CheckBox, Int, Float, Header };

struct GridColumn {
    QString heading;
    int width = 80;
    CellType type = CellType::Edit;
    QStringList items; // the choices of a drop-down list
};

struct GridSheetLayout {
    QString title;
    std::vector<GridColumn> columns;
};

// A grid's layout file ("GWIngredients.gws", "GWTargetStyle.gws"): an INI file with the
// caption in [Grid] and one [SheetN] section per sheet, each column written
// "ColumnN=Heading|width|type|choice;choice".
struct GridLayoutFile {
    QString caption;
    std::vector<GridSheetLayout> sheets;

    // Empty sheets when the file is missing or unreadable.
    static GridLayoutFile load(const QString& path);
    static CellType typeNamed(const QString& name);
};

} // namespace wsc
