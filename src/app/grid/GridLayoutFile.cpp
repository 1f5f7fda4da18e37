#include "grid/GridLayoutFile.h"

#include <QFileInfo>
#include <QSettings>

namespace wsc {

CellType GridLayoutFile::typeNamed(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == u"dropdownlist")
        return CellType::DropDownList;
    if (n == u"combobox")
        return CellType::ComboBox;
    if (n == u"checkbox")
        return CellType::CheckBox;
    if (n == u"int")
        return CellType::Int;
    if (n == u"float")
        return CellType::Float;
    if (n == u"header")
        return CellType::Header;
    return CellType::Edit;
}

GridLayoutFile GridLayoutFile::load(const QString& path) {
    GridLayoutFile file;
    if (!QFileInfo(path).isFile())
        return file;
    QSettings ini(path, QSettings::IniFormat);
    file.caption = ini.value(QStringLiteral("Grid/Caption")).toString();
    const int sheets = ini.value(QStringLiteral("Grid/Sheets"), 0).toInt();
    for (int s = 0; s < sheets; ++s) {
        ini.beginGroup(QStringLiteral("Sheet%1").arg(s));
        GridSheetLayout sheet;
        sheet.title = ini.value(QStringLiteral("Title")).toString();
        const int columns = ini.value(QStringLiteral("Columns"), 0).toInt();
        for (int c = 0; c < columns; ++c) {
            // QSettings splits unquoted commas into a list; a heading may hold one.
            const QVariant v = ini.value(QStringLiteral("Column%1").arg(c));
            const QString text = v.typeId() == QMetaType::QStringList
                                     ? v.toStringList().join(QStringLiteral(", "))
                                     : v.toString();
            const QStringList parts = text.split(u'|');
            GridColumn col;
            col.heading = parts.value(0);
            col.width = parts.value(1, QStringLiteral("80")).toInt();
            col.type = typeNamed(parts.value(2));
            if (parts.size() > 3 && !parts.at(3).isEmpty())
                col.items = parts.at(3).split(u';');
            sheet.columns.push_back(col);
        }
        ini.endGroup();
        file.sheets.push_back(sheet);
    }
    return file;
}

} // namespace wsc
