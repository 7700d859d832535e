#pragma once

#include <QRect>
#include <QSize>

/// The grid's zoom, whole screen pixels per cell so that cells stay sharp: the largest of 1, 2 and 3
/// whose grid fits `room`, or 1 when none does.
[[nodiscard]] int gridZoomFor(QSize room);

/// Where the two windows go, as frames in screen pixels.
struct WindowPlacement
{
    QRect main;
    QRect array;
};

/// The array window (a frame of size `array`) beside the main window (frame `main`) on a screen whose
/// free area is `screen`: side by side, apart, tops level where the screen allows, both wholly on it.
/// The main window stays where it is when the array window fits on its right or else on its left;
/// otherwise the two are centred as a pair. When even the pair does not fit, the array window is shrunk
/// to the screen's height and to the width the main window leaves.
[[nodiscard]] WindowPlacement placeBeside(const QRect &screen, const QRect &main, QSize array);
