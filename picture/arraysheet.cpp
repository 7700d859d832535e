#include "arraysheet.h"

#include "collisioncanvas.h"
#include "widthrule.h"

#include <QPainter>

namespace {

QImage canvasSheet(const CollisionArray &array)
{
    QImage sheet(kCanvasSheetSize, kCanvasSheetSize, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    CollisionCanvas canvas(Qt::white);
    QPainter painter(&sheet);
    for (int box = 0; box < kBoxCount; ++box) {
        canvas.ClearCollisionBox();
        for (int column = 0; column < kBoxSize; ++column)
            canvas.drawColumn(column, array.byte(box, column));
        const int step = CollisionCanvas::kSize + kSheetGap;
        painter.drawImage(QPoint(kSheetGap + (box % 16) * step, kSheetGap + (box / 16) * step), canvas.image());
    }
    return sheet;
}

} // namespace

void paintCompactBox(QImage &image, QPoint topLeft, std::span<const quint8, kBoxSize> box)
{
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb black = qRgb(0, 0, 0);
    for (int row = 0; row < kBoxSize; ++row) {
        const int y = topLeft.y() + row;
        if (y < 0 || y >= image.height())
            continue;
        for (int column = 0; column < kBoxSize; ++column) {
            const int x = topLeft.x() + column;
            if (x >= 0 && x < image.width())
                image.setPixel(x, y, columnFills(box[size_t(column)], row) ? yellow : black);
        }
    }
}

QImage arraySheet(const CollisionArray &array, SheetLook look)
{
    if (look == SheetLook::Canvas)
        return canvasSheet(array);
    QImage sheet(kCompactSheetSize, kCompactSheetSize, QImage::Format_RGB32);
    for (int box = 0; box < kBoxCount; ++box)
        paintCompactBox(sheet, QPoint((box % 16) * kBoxSize, (box / 16) * kBoxSize), array.box(box));
    return sheet;
}
