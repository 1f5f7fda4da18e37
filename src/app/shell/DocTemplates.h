#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace wsc {

// The three kinds of view of a recipe document, in the order they are registered. The document
// string holds window title, document name, file-new name, filter name, filter extension, file
// type id and file type name, separated by "\n".
struct DocTemplate {
    int resourceId;
    const char* docString;

    QString field(int n) const { return QString::fromLatin1(docString).split(u'\n').value(n); }
    QString windowTitle() const { return field(0); }
    QString filterName() const { return field(3); }
    QString filterExtension() const { return field(4); }
};

const std::vector<DocTemplate>& DocTemplates();

} // namespace wsc
