#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
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
    // Beyond these a layout is garbled, not large: no grid of the program comes near them.
    static constexpr int kMaxSheets = 32;
    static constexpr int kMaxColumns = 64;
    static constexpr int kMaxWidth = 2000;

    QString caption;
    std::vector<GridSheetLayout> sheets;

    // Reads a layout. `problem` says why it cannot be used ("the file is missing", "Sheets=5,
    // 6 are needed"); it stays empty for a usable layout. `columnsPerSheet` is the shape the
    // grid needs: that many sheets with that many columns each.
    static GridLayoutFile load(const QString& path, const std::vector<int>& columnsPerSheet,
                               QString& problem);
    // The same from the text of a layout file.
    static GridLayoutFile parse(const QByteArray& text, const std::vector<int>& columnsPerSheet,
                                QString& problem);
    // The type a layout names (any case; none is an edit cell), or nothing for a name no grid
    // knows.
    static std::optional<CellType> typeNamed(const QString& name);
    // A layout is a page of text: one larger than this is no layout, and is not read whole.
    static constexpr qint64 kMaxBytes = 1024 * 1024;
};

} // namespace wsc
