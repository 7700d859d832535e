#include "windowplacement.h"

#include "arraygrid.h"

#include <algorithm>

int gridZoomFor(QSize room)
{
    for (int zoom = ArrayGrid::kMaxZoom; zoom > 1; --zoom) {
        if (ArrayGrid::sideAt(zoom) <= std::min(room.width(), room.height()))
            return zoom;
    }
    return 1;
}

WindowPlacement placeBeside(const QRect &screen, const QRect &main, QSize array)
{
    array = array.boundedTo(QSize(std::max(0, screen.width() - main.width()), screen.height()));
    if (screen.contains(main)) {
        const int top = std::clamp(main.top(), screen.top(), screen.bottom() + 1 - array.height());
        if (main.right() + array.width() <= screen.right())
            return { main, QRect(QPoint(main.right() + 1, top), array) };
        if (main.left() - array.width() >= screen.left())
            return { main, QRect(QPoint(main.left() - array.width(), top), array) };
    }
    const int left = screen.left() + (screen.width() - main.width() - array.width()) / 2;
    const int top = screen.top() + (screen.height() - std::max(main.height(), array.height())) / 2;
    return { QRect(QPoint(left, top), main.size()), QRect(QPoint(left + main.width(), top), array) };
}
