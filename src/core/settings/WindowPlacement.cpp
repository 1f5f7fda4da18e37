#include "core/settings/WindowPlacement.h"

#include <QStringList>

#include <algorithm>

namespace wsc {

std::optional<WindowPlacement> WindowPlacement::parse(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 10)
        return std::nullopt;
    long long v[10];
    for (int i = 0; i < 10; ++i) {
        bool ok = false;
        v[i] = parts.at(i).trimmed().toLongLong(&ok);
        if (!ok || (i < 2 && v[i] < 0))
            return std::nullopt;
    }
    WindowPlacement p;
    p.flags = static_cast<unsigned>(v[0]);
    p.showCmd = static_cast<unsigned>(v[1]);
    p.minX = static_cast<int>(v[2]);
    p.minY = static_cast<int>(v[3]);
    p.maxX = static_cast<int>(v[4]);
    p.maxY = static_cast<int>(v[5]);
    p.left = static_cast<int>(v[6]);
    p.top = static_cast<int>(v[7]);
    p.right = static_cast<int>(v[8]);
    p.bottom = static_cast<int>(v[9]);
    return p;
}

std::optional<QRect> WindowPlacement::normalRectWithin(const QRect& available) const {
    const long long width = static_cast<long long>(right) - left;
    const long long height = static_cast<long long>(bottom) - top;
    if (width <= 0 || height <= 0 || available.isEmpty())
        return std::nullopt;
    const int w = static_cast<int>(std::min<long long>(width, available.width()));
    const int h = static_cast<int>(std::min<long long>(height, available.height()));
    const int x = static_cast<int>(
        std::clamp<long long>(left, available.left(), available.left() + available.width() - w));
    const int y = static_cast<int>(
        std::clamp<long long>(top, available.top(), available.top() + available.height() - h));
    return QRect(x, y, w, h);
}

QString WindowPlacement::format() const {
    return QString::asprintf("%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", flags, showCmd, minX, minY, maxX,
                             maxY, left, top, right, bottom);
}

WindowPlacement WindowPlacement::fromWindow(const QRect& normal, bool maximized, bool minimized) {
    WindowPlacement p;
    p.flags = maximized ? kRestoreToMaximized : 0;
    p.showCmd = maximized ? kShowMaximized : (minimized ? kShowMinimized : kShowNormal);
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.right() + 1;
    p.bottom = normal.bottom() + 1;
    return p;
}

} // namespace wsc
