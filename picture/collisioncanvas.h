#pragma once

#include <QColor>
#include <QImage>

/// The 128 x 128 picture of one collision box: 16 columns of 16 cells of 8 x 8 pixels, origin top-left.
///
/// Empty cells are gray and filled cells yellow; every cell has a black right and bottom edge. Painting
/// never writes a pixel outside the image.
class CollisionCanvas
{
public:
    static constexpr int kSize = 128;
    static constexpr int kCell = 8;

    /// Until the first paint the canvas holds only `background`.
    explicit CollisionCanvas(const QColor &background);

    [[nodiscard]] const QImage &image() const { return m_image; }

    /// Empty cells everywhere.
    void ClearCollisionBox();
    /// Fills column `Cnumber` (0..15) from the bottom: `Cval` cells, at most the whole column.
    void DrawDownUp(int Cnumber, quint8 Cval);
    /// Fills column `Cnumber` (0..15) from the top: 256 - `Cval` cells; meant for `Cval` 240..255.
    void DrawUpDown(int Cnumber, quint8 Cval);

    /// Paints one byte's column by the drawing rule: below 0xF0 from the bottom, otherwise from the top.
    void drawColumn(int column, quint8 value);

    /// One 8 x 8 tile: `colour` with a black right column and bottom row.
    [[nodiscard]] static QImage makeTile(const QColor &colour);

    static const QColor kGray;
    static const QColor kYellow;

private:
    static constexpr int kCells = kSize / kCell;

    /// Copies cells `first` .. `first + count - 1` (from the top, clipped to the canvas) of column
    /// `column` from the all-yellow canvas.
    void fillCells(int column, int first, int count);

    QImage m_image;
    // The whole canvas in empty and in filled cells: a box is painted by copying from them.
    QImage m_empty;
    QImage m_filled;
};
