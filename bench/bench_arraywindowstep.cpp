// What a step in the main window costs in all with the array window open: the step, and everything the
// array window does for it in the turns of the event loop that follow (outline, readout, editor, repaint
// to the screen), timed together, against the same step and turns without it. scripts/bench prints the
// ratio, and the time from a press in the box editor until the editor and the grid have repainted.

#include "benchwindow.h"
#include "boxeditor.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace benchwindow;

void stepAndFollow(benchmark::State &state, Form1 *window)
{
    auto *scroll = window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    auto *picture = window->findChild<QWidget *>(QStringLiteral("Picture1"));
    const ArrayWindow *arrayWindow = window->findChild<ArrayWindowLink *>()->window();
    // The turns that follow a step run until the array window has painted its outline and readout
    // for it; alone, one turn.
    PaintCounter grid;
    PaintCounter readout;
    if (arrayWindow) {
        arrayWindow->findChild<ArrayGrid *>()->installEventFilter(&grid);
        arrayWindow->findChild<QLabel *>(QStringLiteral("readout"))->installEventFilter(&readout);
    }
    const auto followed
        = [&](int steps) { return !arrayWindow || (grid.paints >= steps && readout.paints >= steps); };
    int index = scroll->value();
    int steps = 0;
    for (auto _ : state) {
        index = (index + 1) % kBoxCount;
        scroll->setValue(index);
        picture->repaint();
        ++steps;
        for (int turn = 0; turn == 0 || (!followed(steps) && turn < 100); ++turn)
            QCoreApplication::processEvents();
    }
    if (!followed(steps))
        state.SkipWithError("the array window did not follow every step");
}

void pressToRepaint(benchmark::State &state, Form1 *window)
{
    const ArrayWindow *arrayWindow = window->findChild<ArrayWindowLink *>()->window();
    auto *editor = arrayWindow->findChild<BoxEditor *>();
    PaintCounter edited;
    PaintCounter grid;
    editor->installEventFilter(&edited);
    arrayWindow->findChild<ArrayGrid *>()->installEventFilter(&grid);
    int presses = 0;
    for (auto _ : state) {
        // Rows 4 and 12 in turn, so every press changes the column.
        const int row = presses % 2 == 0 ? 4 : 12;
        const QPoint cell(5 * BoxEditor::kCellPixels + 2, row * BoxEditor::kCellPixels + 2);
        QTest::mousePress(editor, Qt::LeftButton, {}, cell);
        QTest::mouseRelease(editor, Qt::LeftButton, {}, cell);
        ++presses;
        for (int turn = 0; (edited.paints < presses || grid.paints < presses) && turn < 100; ++turn)
            QCoreApplication::processEvents();
    }
    if (edited.paints < presses || grid.paints < presses)
        state.SkipWithError("the editor and the grid did not repaint after every press");
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt's file dialog keeps its settings under the home folder; keep the user's out of reach.
    const QTemporaryDir home;
    const auto app = startApplication(argc, argv, home);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("small.bin"));
    if (!makeFile(path, qint64(1) << 20)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return 1;
    }
    const std::unique_ptr<Form1> alone = makeWindow(path);
    const std::unique_ptr<Form1> beside = makeWindow(path);
    if (!alone || !beside || !openArrayWindow(*beside)) {
        std::fprintf(stderr, "the window did not show the file's boxes\n");
        return 1;
    }

    const auto unit = benchmark::kMicrosecond;
    benchmark::RegisterBenchmark("step_total/alone", stepAndFollow, alone.get())->Unit(unit);
    benchmark::RegisterBenchmark("step_total/array_window", stepAndFollow, beside.get())->Unit(unit);
    benchmark::RegisterBenchmark("edit_column/press_to_repaint", pressToRepaint, beside.get())->Unit(unit);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
