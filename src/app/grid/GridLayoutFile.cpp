#include "grid/GridLayoutFile.h"

#include <QFileInfo>
#include <QSettings>

namespace wsc {
namespace {

// A whole number within [lo, hi], or nothing.
bool readCount(const QVariant& v, int lo, int hi, int& out) {
    bool ok = false;
    const qlonglong n = v.toString().trimmed().toLongLong(&ok);
    if (!ok || n < lo || n > hi)
        return false;
    out = static_cast<int>(n);
    return true;
}

} // namespace

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

GridLayoutFile GridLayoutFile::load(const QString& path, const std::vector<int>& columnsPerSheet,
                                    QString& problem) {
    GridLayoutFile file;
    problem.clear();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0) {
        problem = QStringLiteral("the file is missing or empty");
        return {};
    }
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        problem = QStringLiteral("it cannot be read as a layout file");
        return {};
    }
    file.caption = ini.value(QStringLiteral("Grid/Caption")).toString();
    const int needed = static_cast<int>(columnsPerSheet.size());
    int sheets = 0;
    if (!readCount(ini.value(QStringLiteral("Grid/Sheets")), 1, kMaxSheets, sheets)) {
        problem = QStringLiteral("its number of sheets (\"Sheets\" in [Grid]) is missing or not "
                                 "a number from 1 to %1")
                      .arg(kMaxSheets);
        return {};
    }
    if (sheets != needed) {
        problem = QStringLiteral("it has %1 sheets where %2 are needed").arg(sheets).arg(needed);
        return {};
    }
    for (int s = 0; s < sheets; ++s) {
        ini.beginGroup(QStringLiteral("Sheet%1").arg(s));
        GridSheetLayout sheet;
        sheet.title = ini.value(QStringLiteral("Title")).toString();
        int columns = 0;
        if (!readCount(ini.value(QStringLiteral("Columns")), 1, kMaxColumns, columns) ||
            columns != columnsPerSheet[static_cast<std::size_t>(s)]) {
            problem = QStringLiteral("sheet %1 does not have the %2 columns it needs")
                          .arg(s)
                          .arg(columnsPerSheet[static_cast<std::size_t>(s)]);
            return {};
        }
        for (int c = 0; c < columns; ++c) {
            // QSettings splits unquoted commas into a list; a heading may hold one.
            const QVariant v = ini.value(QStringLiteral("Column%1").arg(c));
            const QString text = v.typeId() == QMetaType::QStringList
                                     ? v.toStringList().join(QStringLiteral(", "))
                                     : v.toString();
            const QStringList parts = text.split(u'|');
            GridColumn col;
            col.heading = parts.value(0);
            if (!readCount(parts.value(1, QStringLiteral("80")), 0, kMaxWidth, col.width)) {
                problem = QStringLiteral("column %1 of sheet %2 has no width from 0 to %3")
                              .arg(c)
                              .arg(s)
                              .arg(kMaxWidth);
                return {};
            }
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
