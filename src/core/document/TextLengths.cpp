#include "core/document/TextLengths.h"

#include <QSet>

namespace wsc {

int RecipeTextLength(const QString& column) {
    static const QSet<QString> names = {QStringLiteral("RecipeName"),
                                        QStringLiteral("RecipeBrewer"),
                                        QStringLiteral("RecipeRatingCompName")};
    static const QSet<QString> memos = {QStringLiteral("RecipeComments"),
                                        QStringLiteral("RecipeRatingNotes"),
                                        QStringLiteral("RecipeRatingCompComments"),
                                        QStringLiteral("RecipeRatingCompPrizes"),
                                        QStringLiteral("RecipeSource"),
                                        QStringLiteral("RecipeYield"),
                                        QStringLiteral("RecipeUtensils")};
    if (names.contains(column))
        return kNameLength;
    return memos.contains(column) ? kMemoLength : kTextLength;
}

} // namespace wsc
