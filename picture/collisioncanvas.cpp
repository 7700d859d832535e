#include "collisioncanvas.h"

#include <algorithm>
#include <cstring>

const QColor CollisionCanvas::kGray(192, 192, 192);
const QColor CollisionCanvas::kYellow(255, 255, 0);

namespace {

// The whole canvas covered with copies of `tile`.
QImage tiled(const QImage &tile)
{
    QImage image(CollisionCanvas::kSize, CollisionCanvas::kSize, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(tile.constScanLine(y % tile.height()));
        auto *to = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            to[x] = from[x % tile.width()];
    }
    return image;
}

} // namespace

CollisionCanvas::CollisionCanvas(const QColor &background)
    : m_image(kSize, kSize, QImage::Format_RGB32)
    , m_empty(tiled(makeTile(kGray)))
    , m_filled(tiled(makeTile(kYellow)))
{
    m_image.fill(background);
}

QImage CollisionCanvas::makeTile(const QColor &colour)
{
    QImage tile(kCell, kCell, QImage::Format_RGB32);
    tile.fill(Qt::black);
    for (int y = 0; y < kCell - 1; ++y) {
        for (int x = 0; x < kCell - 1; ++x)
            tile.setPixelColor(x, y, colour);
    }
    return tile;
}

void CollisionCanvas::fillCells(int column, int first, int count)
{
    if (column < 0 || column >= kCells)
        return;
    const int top = std::max(first, 0) * kCell;
    const int bottom = std::min(first + count, kCells) * kCell;
    const qsizetype stride = m_image.bytesPerLine();
    const qsizetype left = qsizetype(column) * kCell * qsizetype(sizeof(QRgb));
    // Same size and format, so the same byte offsets; bits() is taken once, as it may detach.
    uchar *to = m_image.bits();
    const uchar *from = m_filled.constBits();
    for (int row = top; row < bottom; ++row)
        std::memcpy(to + row * stride + left, from + row * stride + left, kCell * sizeof(QRgb));
}

void CollisionCanvas::ClearCollisionBox()
{
    std::memcpy(m_image.bits(), m_empty.constBits(), size_t(m_image.sizeInBytes()));
}

void CollisionCanvas::DrawDownUp(int Cnumber, quint8 Cval)
{
    const int count = std::min(int(Cval), kCells);
    fillCells(Cnumber, kCells - count, count);
}

void CollisionCanvas::DrawUpDown(int Cnumber, quint8 Cval)
{
    fillCells(Cnumber, 0, 256 - int(Cval));
}

void CollisionCanvas::drawColumn(int column, quint8 value)
{
    if (value < 0xF0)
        DrawDownUp(column, value);
    else
        DrawUpDown(column, value);
}
