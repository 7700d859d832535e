#include "collisioncanvas.h"

#include <algorithm>

const QColor CollisionCanvas::kGray(192, 192, 192);
const QColor CollisionCanvas::kYellow(255, 255, 0);

CollisionCanvas::CollisionCanvas(const QColor &background)
    : m_image(kSize, kSize, QImage::Format_RGB32)
    , m_grayTile(makeTile(kGray))
    , m_yellowTile(makeTile(kYellow))
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

void CollisionCanvas::paintTile(const QImage &tile, int x, int y)
{
    // Tiles of tall columns land wholly above the canvas; skipping them leaves the same picture.
    const int left = std::max(x, 0);
    const int right = std::min(x + kCell, kSize);
    if (left >= right)
        return;
    for (int row = std::max(y, 0); row < std::min(y + kCell, kSize); ++row) {
        const auto *from = reinterpret_cast<const QRgb *>(tile.constScanLine(row - y)) + (left - x);
        auto *to = reinterpret_cast<QRgb *>(m_image.scanLine(row)) + left;
        std::copy(from, from + (right - left), to);
    }
}

void CollisionCanvas::ClearCollisionBox()
{
    for (int x = 0; x < kSize; x += kCell) {
        for (int y = 0; y < kSize; y += kCell)
            paintTile(m_grayTile, x, y);
    }
}

void CollisionCanvas::DrawDownUp(int Cnumber, quint8 Cval)
{
    for (int i = 1; i <= Cval; ++i)
        paintTile(m_yellowTile, kCell * Cnumber, kSize - kCell * i);
}

void CollisionCanvas::DrawUpDown(int Cnumber, quint8 Cval)
{
    for (int i = 0; i <= 255 - Cval; ++i)
        paintTile(m_yellowTile, kCell * Cnumber, kCell * i);
}

void CollisionCanvas::drawColumn(int column, quint8 value)
{
    if (value < 0xF0)
        DrawDownUp(column, value);
    else
        DrawUpDown(column, value);
}
