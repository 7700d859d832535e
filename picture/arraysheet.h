#pragma once

#include "collisionarray.h"

#include <QImage>
#include <QPoint>

#include <span>

enum class SheetLook
{
    Canvas, ///< every box as the canvas paints it, 2 white pixels between and around: 2082 x 2082
    Compact ///< every box 16 x 16, one pixel a cell, no gaps: 256 x 256
};

/// The 256 boxes of `array` in one image, box n in column n % 16 and row n / 16.
[[nodiscard]] QImage arraySheet(const CollisionArray &array, SheetLook look);

/// Paints one box into `image` at `topLeft`, 16 x 16 pixels: yellow (255, 255, 0) where the canvas
/// fills a cell and black where it leaves it empty. Pixels outside `image` are left alone.
void paintCompactBox(QImage &image, QPoint topLeft, std::span<const quint8, kBoxSize> box);

inline constexpr int kSheetGap = 2;
inline constexpr int kCanvasSheetSize = 16 * 128 + 17 * kSheetGap;
inline constexpr int kCompactSheetSize = 16 * kBoxSize;
