#pragma once

#include <QRect>
#include <QString>

#include <optional>

namespace wsc {

// The main window's placement as the "WindowPos" setting keeps it:
// "flags,show command,min x,min y,max x,max y,left,top,right,bottom".
struct WindowPlacement {
    static constexpr unsigned kRestoreToMaximized = 2;
    static constexpr unsigned kShowNormal = 1;
    static constexpr unsigned kShowMinimized = 2;
    static constexpr unsigned kShowMaximized = 3;

    unsigned flags = 0;
    unsigned showCmd = kShowNormal;
    int minX = -1, minY = -1, maxX = -1, maxY = -1;
    int left = 0, top = 0, right = 0, bottom = 0;

    // Exactly ten numbers, or nothing.
    static std::optional<WindowPlacement> parse(const QString& text);
    QString format() const;

    QRect normalRect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
    // The normal rectangle made to fit the screen's available area (no larger than it and
    // inside it), or nothing when it is empty or inverted.
    std::optional<QRect> normalRectWithin(const QRect& available) const;
    static WindowPlacement fromWindow(const QRect& normal, bool maximized, bool minimized);
};

} // namespace wsc
