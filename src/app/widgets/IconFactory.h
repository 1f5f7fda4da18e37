#pragma once

#include "app/widgets/Commands.h"

#include <QIcon>
#include <QPixmap>

namespace wsc {

// The program's own artwork: SVG files in the resources, drawn at the size they are shown.
class IconFactory {
public:
    static QIcon icon(Glyph glyph);
    // The small pictures of the ingredient kinds: 0 kit, 1 extract, 2 grain, 3 adjunct, 4 hop,
    // 5 yeast.
    static QIcon ingredientIcon(int kind);
    // The splash picture: the program name over a glass of beer.
    static QPixmap splash();
    // The window icon.
    static QIcon appIcon();
};

} // namespace wsc
