#pragma once

// The picture a box must give, written out by hand cell by cell so that no expectation is computed the
// way the canvas computes it: a wrong rule in the program cannot reappear here.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace canvasoracle {

inline const QColor kGray(192, 192, 192);
inline const QColor kYellow(255, 255, 0);
inline const QColor kBlack(0, 0, 0);

struct Cells
{
    int first; // byte values first..last
    int last;
    const char *rows; // row 0 (top) to row 15: '#' yellow, '.' gray
};

// clang-format off
inline constexpr Cells kCells[] = {
    { 0x00, 0x00, "................" }, { 0x10, 0xF0, "################" },
    { 0x01, 0x01, "...............#" }, { 0xFF, 0xFF, "#..............." },
    { 0x02, 0x02, "..............##" }, { 0xFE, 0xFE, "##.............." },
    { 0x03, 0x03, ".............###" }, { 0xFD, 0xFD, "###............." },
    { 0x04, 0x04, "............####" }, { 0xFC, 0xFC, "####............" },
    { 0x05, 0x05, "...........#####" }, { 0xFB, 0xFB, "#####..........." },
    { 0x06, 0x06, "..........######" }, { 0xFA, 0xFA, "######.........." },
    { 0x07, 0x07, ".........#######" }, { 0xF9, 0xF9, "#######........." },
    { 0x08, 0x08, "........########" }, { 0xF8, 0xF8, "########........" },
    { 0x09, 0x09, ".......#########" }, { 0xF7, 0xF7, "#########......." },
    { 0x0A, 0x0A, "......##########" }, { 0xF6, 0xF6, "##########......" },
    { 0x0B, 0x0B, ".....###########" }, { 0xF5, 0xF5, "###########....." },
    { 0x0C, 0x0C, "....############" }, { 0xF4, 0xF4, "############...." },
    { 0x0D, 0x0D, "...#############" }, { 0xF3, 0xF3, "#############..." },
    { 0x0E, 0x0E, "..##############" }, { 0xF2, 0xF2, "##############.." },
    { 0x0F, 0x0F, ".###############" }, { 0xF1, 0xF1, "###############." },
};
// clang-format on

/// Whether cell `row` (0 at the top) of a column holding `value` is yellow.
inline bool filled(quint8 value, int row)
{
    for (const Cells &cells : kCells) {
        if (value >= cells.first && value <= cells.last)
            return cells.rows[row] == '#';
    }
    return false;
}

/// The 128 x 128 picture of `box` (16 bytes): 8 x 8 cells with a black right and bottom edge.
inline QImage picture(const QByteArray &box)
{
    QImage image(128, 128, QImage::Format_RGB32);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const bool edge = x % 8 == 7 || y % 8 == 7;
            image.setPixelColor(x, y, edge ? kBlack : filled(quint8(box.at(x / 8)), y / 8) ? kYellow : kGray);
        }
    }
    return image;
}

/// Empty when `image` is the picture of `box`, else where and how it first differs.
inline QString difference(const QImage &image, const QByteArray &box)
{
    const QImage expected = picture(box);
    if (image.size() != expected.size())
        return QStringLiteral("not 128 x 128");
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            if (image.pixelColor(x, y) != expected.pixelColor(x, y))
                return QStringLiteral("pixel (%1, %2) is %3, not %4")
                    .arg(x)
                    .arg(y)
                    .arg(image.pixelColor(x, y).name(), expected.pixelColor(x, y).name());
        }
    }
    return {};
}

} // namespace canvasoracle
