#pragma once

class QColor;
class QPainter;

/// Paints the four marker lines that point at the middle of the canvas grid, in window pixels. The
/// controls painted later cover them where they meet.
void paintMarkerLines(QPainter &painter, const QColor &colour);
