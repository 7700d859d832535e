#include "markerlines.h"

#include <QColor>
#include <QPainter>

void paintMarkerLines(QPainter &painter, const QColor &colour)
{
    // One-pixel rectangles rather than lines, so a scaled screen keeps them whole and in place.
    painter.fillRect(304, 200, 25, 1, colour);
    painter.fillRect(392, 112, 1, 25, colour);
    painter.fillRect(456, 200, 25, 1, colour);
    painter.fillRect(392, 264, 1, 17, colour);
}
