// The canvas-look sheet written as PNG, beside what Qt's PNG writer alone needs for the same image, and
// the parts of the sheet on their own.

#include "arraysheet.h"
#include "imagefile.h"

#include <benchmark/benchmark.h>

namespace {

CollisionArray benchArray()
{
    CollisionArray array;
    for (int i = 0; i < kArraySize; ++i)
        array.bytes[size_t(i)] = quint8((i / 16 + i % 16) % 17);
    return array;
}

void sheetCanvasPng(benchmark::State &state)
{
    const CollisionArray array = benchArray();
    for (auto _ : state) {
        auto encoded = encodeImage(arraySheet(array, SheetLook::Canvas), "png", QString());
        benchmark::DoNotOptimize(encoded);
    }
}

void pngWriterOnly(benchmark::State &state)
{
    const QImage image = arraySheet(benchArray(), SheetLook::Canvas);
    for (auto _ : state) {
        auto encoded = encodeImage(image, "png", QString());
        benchmark::DoNotOptimize(encoded);
    }
}

void paintSheet(benchmark::State &state)
{
    const CollisionArray array = benchArray();
    const auto look = SheetLook(state.range(0));
    for (auto _ : state) {
        QImage image = arraySheet(array, look);
        benchmark::DoNotOptimize(image);
    }
}

} // namespace

BENCHMARK(sheetCanvasPng)->Name("sheet_canvas_png")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(pngWriterOnly)->Name("png_writer_only")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(paintSheet)->Name("paint_sheet")->Arg(int(SheetLook::Canvas))->Arg(int(SheetLook::Compact))
    ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

BENCHMARK_MAIN();
