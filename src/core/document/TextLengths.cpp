#include "core/document/TextLengths.h"

#include "core/db/records/Columns.h"

#include <QSet>

namespace wsc {

int RecipeTextLength(const QString& column) {
    static const QSet<QString> names = {QString::fromLatin1(col::recipe::RecipeName),
                                        QString::fromLatin1(col::recipe::RecipeBrewer),
                                        QString::fromLatin1(col::recipe::RecipeRatingCompName)};
    static const QSet<QString> memos = {QString::fromLatin1(col::recipe::RecipeComments),
                                        QString::fromLatin1(col::recipe::RecipeRatingNotes),
                                        QString::fromLatin1(col::recipe::RecipeRatingCompComments),
                                        QString::fromLatin1(col::recipe::RecipeRatingCompPrizes),
                                        QString::fromLatin1(col::recipe::RecipeSource),
                                        QString::fromLatin1(col::recipe::RecipeYield),
                                        QString::fromLatin1(col::recipe::RecipeUtensils)};
    if (names.contains(column))
        return kNameLength;
    return memos.contains(column) ? kMemoLength : kTextLength;
}

} // namespace wsc
