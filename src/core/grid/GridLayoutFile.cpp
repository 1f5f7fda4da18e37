#include "core/grid/GridLayoutFile.h"
#include "core/calc/NumberLimits.h"
#include "core/settings/FileNodes.h"
#include "core/settings/MessageCatalog.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace wsc {
namespace {

// A whole number within [lo, hi], or nothing.
bool readCount(const QString& v, int lo, int hi, int& out) {
    bool ok = false;
    const qlonglong n = v.trimmed().toLongLong(&ok);
    if (!ok || n < lo || n > hi)
        return false;
    out = static_cast<int>(n);
    return true;
}

// The values of an INI-style file by "Section/Key". A ";" starts a comment only at the start
// of a line: the choices of a drop-down list are separated by it.
class LayoutValues {
public:
    explicit LayoutValues(const QByteArray& text) {
        QString section;
        const QStringList lines = QString::fromUtf8(text).split(u'\n');
        for (const QString& raw : lines) {
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
                continue;
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                section = line.mid(1, line.size() - 2).trimmed();
                continue;
            }
            const qsizetype eq = line.indexOf(u'=');
            if (eq > 0)
                m_values.insert(section + u'/' + line.left(eq).trimmed(),
                                line.mid(eq + 1).trimmed());
        }
    }
    QString value(const QString& key) const { return m_values.value(key); }

private:
    QHash<QString, QString> m_values;
};

} // namespace

std::optional<CellType> GridLayoutFile::typeNamed(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n.isEmpty() || n == u"edit")
        return CellType::Edit;
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
    return std::nullopt;
}

GridLayoutFile GridLayoutFile::load(const QString& path, const std::vector<int>& columnsPerSheet,
                                    QString& problem) {
    problem.clear();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0) {
        problem = QString::fromLatin1(Texts::kLayoutMissing);
        return {};
    }
    QFile f(path);
    if (QString why; info.size() > kMaxBytes ||
                     !OpenRegularFile(f, why, QIODevice::ReadOnly | QIODevice::Text)) {
        problem = QString::fromLatin1(Texts::kLayoutUnreadable);
        return {};
    }
    return parse(f.readAll(), columnsPerSheet, problem);
}

GridLayoutFile GridLayoutFile::parse(const QByteArray& text,
                                     const std::vector<int>& columnsPerSheet, QString& problem) {
    GridLayoutFile file;
    problem.clear();
    const LayoutValues ini(text);
    file.caption = ini.value(QStringLiteral("Grid/Caption"));
    const int needed = static_cast<int>(columnsPerSheet.size());
    int sheets = 0;
    if (!readCount(ini.value(QStringLiteral("Grid/Sheets")), 1, kMaxSheets, sheets)) {
        problem = QString::fromLatin1(Texts::kLayoutNoSheetCount).arg(kMaxSheets);
        return {};
    }
    if (sheets != needed) {
        problem = QString::fromLatin1(Texts::kLayoutSheetCount).arg(sheets).arg(needed);
        return {};
    }
    for (int s = 0; s < sheets; ++s) {
        const QString group = QStringLiteral("Sheet%1/").arg(s);
        GridSheetLayout sheet;
        sheet.title = ini.value(group + QStringLiteral("Title"));
        int columns = 0;
        if (!readCount(ini.value(group + QStringLiteral("Columns")), 1, kMaxColumns, columns) ||
            columns != columnsPerSheet[static_cast<std::size_t>(s)]) {
            problem = QString::fromLatin1(Texts::kLayoutColumnCount)
                          .arg(s)
                          .arg(columnsPerSheet[static_cast<std::size_t>(s)]);
            return {};
        }
        for (int c = 0; c < columns; ++c) {
            const QStringList parts =
                ini.value(group + QStringLiteral("Column%1").arg(c)).split(u'|');
            GridColumn col;
            col.heading = parts.value(0);
            if (!readCount(parts.value(1, QStringLiteral("80")), 0, kMaxWidth, col.width)) {
                problem =
                    QString::fromLatin1(Texts::kLayoutColumnWidth).arg(c).arg(s).arg(kMaxWidth);
                return {};
            }
            const std::optional<CellType> type = typeNamed(parts.value(2));
            if (!type) {
                problem = QString::fromLatin1(Texts::kLayoutCellType)
                              .arg(c)
                              .arg(s)
                              .arg(ShownInMessage(parts.value(2).trimmed()));
                return {};
            }
            col.type = *type;
            if (parts.size() > 3 && !parts.at(3).isEmpty())
                col.items = parts.at(3).split(u';');
            sheet.columns.push_back(col);
        }
        file.sheets.push_back(sheet);
    }
    return file;
}

} // namespace wsc
