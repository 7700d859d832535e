#pragma once

#include "arrayformats.h"
#include "collisionarray.h"

#include <QString>

#include <array>

/// One box of `array` in `format`, as its lines in arrayText() read, ending in "\n": the hex line, the
/// assembler comment and `dc.b` line, the C initializer or the JSON object, the last two without the
/// comma that separates them from the next box.
[[nodiscard]] QString boxFormatText(const CollisionArray &array, int box, ArrayFormat format);

/// Box `index` with `bytes` as assembler text, for a box known only by its bytes.
[[nodiscard]] QString boxAsmText(int index, const std::array<quint8, kBoxSize> &bytes);
