// What showing a box costs on the offscreen platform: through the real window, part by part, and the
// floors they are held against, all in one run. scripts/bench runs it and prints the ratios.

#include "benchwindow.h"
#include "collisioncanvas.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QGlyphRun>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using namespace benchwindow;

void showBoxes(benchmark::State &state, Form1 *window)
{
    auto *scroll = window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    auto *picture = window->findChild<QWidget *>(QStringLiteral("Picture1"));
    int index = scroll->value();
    for (auto _ : state) {
        index = (index + 1) % kBoxCount;
        scroll->setValue(index);
        // Paints every control the change made dirty, texts and canvas, and flushes them to the
        // screen now rather than when the event loop next runs.
        picture->repaint();
    }
}

// The steps of showBoxes with a turn of the event loop after each, untimed, as in use: the yardstick
// of the array window's figure below.
void showBoxesWithEventLoop(benchmark::State &state, Form1 *window)
{
    auto *scroll = window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    auto *picture = window->findChild<QWidget *>(QStringLiteral("Picture1"));
    int index = scroll->value();
    for (auto _ : state) {
        index = (index + 1) % kBoxCount;
        scroll->setValue(index);
        picture->repaint();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// The same steps with the array window open beside the main window. Its outline follows within the
// step; its readout and repaint come when the event loop next runs, as in use: that turn of the loop
// runs between steps, untimed here and timed apart below, so its dirty region stays as small as in use.
void showBoxesWithArrayWindow(benchmark::State &state, Form1 *window)
{
    auto *scroll = window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    auto *picture = window->findChild<QWidget *>(QStringLiteral("Picture1"));
    ArrayWindow *arrayWindow = window->findChild<ArrayWindowLink *>()->window();
    auto *grid = arrayWindow->findChild<ArrayGrid *>();
    int index = scroll->value();
    for (auto _ : state) {
        index = (index + 1) % kBoxCount;
        scroll->setValue(index);
        picture->repaint();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (grid->current() != index)
        state.SkipWithError("the outline did not follow");
}

// What the array window does for a step on its own: move the outline, write the readout, and repaint
// the two boxes' surroundings to the screen.
void followInArrayWindow(benchmark::State &state, Form1 *window)
{
    ArrayWindow *arrayWindow = window->findChild<ArrayWindowLink *>()->window();
    int index = 0;
    for (auto _ : state) {
        index = (index + 1) % kBoxCount;
        arrayWindow->followBox(index);
        // The readout's turn and the repaint, both waiting for the event loop.
        QCoreApplication::processEvents();
    }
}

void readBoxes(benchmark::State &state, const QString &path)
{
    int index = 0;
    for (auto _ : state) {
        const auto failure = readCollisionBox(path, BoxLocation(game().arrayStart, index),
            [](int, quint8 byte) { benchmark::DoNotOptimize(byte); });
        if (failure) {
            state.SkipWithError("read failed");
            break;
        }
        index = (index + 1) % kBoxCount;
    }
}

void paintCanvas(benchmark::State &state)
{
    CollisionCanvas canvas(Qt::white);
    int index = 0;
    for (auto _ : state) {
        canvas.ClearCollisionBox();
        for (int column = 0; column < kBoxSize; ++column)
            canvas.drawColumn(column, boxByte(index, column));
        benchmark::DoNotOptimize(canvas.image().constBits());
        benchmark::ClobberMemory();
        index = (index + 1) % kBoxCount;
    }
}

// Repaints one control as a step would, without the step's other work.
void repaintControl(benchmark::State &state, Form1 *window, const char *name)
{
    auto *control = window->findChild<QWidget *>(QString::fromLatin1(name));
    for (auto _ : state)
        control->repaint();
}

// The three texts a step changes, set and painted without the reads or the canvas.
void setTexts(benchmark::State &state, Form1 *window)
{
    auto *index = window->findChild<QLineEdit *>(QStringLiteral("txtIndex"));
    auto *location = window->findChild<QLineEdit *>(QStringLiteral("txtLoc"));
    auto *bytes = window->findChild<QLineEdit *>(QStringLiteral("txtBytes"));
    QStringList indexTexts, locationTexts, bytesTexts;
    for (int box = 0; box < kBoxCount; ++box) {
        indexTexts.append(indexText(box));
        locationTexts.append(offsetText(BoxLocation(game().arrayStart, box)));
        bytesTexts.append(bytesText(box));
    }
    int box = 0;
    for (auto _ : state) {
        box = (box + 1) % kBoxCount;
        index->setText(indexTexts.at(box));
        location->setText(locationTexts.at(box));
        bytes->setText(bytesTexts.at(box));
        bytes->repaint();
    }
}

void identify(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        const Identification identification = identifyPath(path);
        if (identification.gameId != game().gameId) {
            state.SkipWithError("not identified");
            break;
        }
    }
}

// The least any box display must do to the file: open, one pread per byte, close.
void floorRead(benchmark::State &state, const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    int index = 0;
    for (auto _ : state) {
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
        const off_t offset = BoxLocation(game().arrayStart, index) - 1;
        for (int column = 0; column < kBoxSize; ++column) {
            char byte = 0;
            if (fd < 0 || ::pread(fd, &byte, 1, offset + column) != 1) {
                state.SkipWithError("pread failed");
                break;
            }
            benchmark::DoNotOptimize(byte);
        }
        ::close(fd);
        index = (index + 1) % kBoxCount;
    }
}

// The least any paint of the canvas must do: a painter on a same-format surface drawing the 128 x 128
// image once, as the window's paint does onto its backing store.
void floorImageCopy(benchmark::State &state)
{
    CollisionCanvas canvas(Qt::white);
    canvas.ClearCollisionBox();
    QImage target(CollisionCanvas::kSize, CollisionCanvas::kSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, canvas.image());
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
}

// The least any viewer must do to show a step's three texts: glyph runs, shaped once beforehand in the
// text boxes' fonts, drawn onto a same-format image where the boxes show them.
void floorGlyphRuns(benchmark::State &state, Form1 *window)
{
    struct Text
    {
        QList<QGlyphRun> runs;
        QPointF at;
        QColor ink;
    };
    std::vector<std::array<Text, 3>> boxes(kBoxCount);
    const char *const names[] = { "txtIndex", "txtLoc", "txtBytes" };
    for (int box = 0; box < kBoxCount; ++box) {
        const QString texts[]
            = { indexText(box), offsetText(BoxLocation(game().arrayStart, box)), bytesText(box) };
        for (int i = 0; i < 3; ++i) {
            const auto *control = window->findChild<QLineEdit *>(QString::fromLatin1(names[i]));
            QTextLayout layout(texts[i], control->font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            boxes[box][i] = { layout.glyphRuns(), control->geometry().topLeft() + QPointF(2, 2),
                control->palette().color(QPalette::Text) };
        }
    }
    QImage target(window->size(), QImage::Format_RGB32);
    target.fill(Qt::white);
    int box = 0;
    for (auto _ : state) {
        box = (box + 1) % kBoxCount;
        QPainter painter(&target);
        for (const Text &text : boxes[box]) {
            painter.setPen(text.ink);
            for (const QGlyphRun &run : text.runs)
                painter.drawGlyphRun(text.at, run);
        }
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt's file dialog keeps its settings under the home folder; keep the user's out of reach.
    const QTemporaryDir home;
    const auto app = startApplication(argc, argv, home);

    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("small.bin"));
    const QString huge = dir.filePath(QStringLiteral("huge.bin"));
    if (!makeFile(small, qint64(1) << 20) || !makeFile(huge, qint64(4) << 30)) {
        std::fprintf(stderr, "could not write the files in %s\n", qPrintable(dir.path()));
        return 1;
    }
    const std::unique_ptr<Form1> smallWindow = makeWindow(small);
    const std::unique_ptr<Form1> hugeWindow = makeWindow(huge);
    const std::unique_ptr<Form1> besideWindow = makeWindow(small);
    if (!smallWindow || !hugeWindow || !besideWindow || !openArrayWindow(*besideWindow)) {
        std::fprintf(stderr, "the window did not show the file's boxes\n");
        return 1;
    }

    using benchmark::RegisterBenchmark;
    const auto unit = benchmark::kMicrosecond;
    RegisterBenchmark("show_box/1MiB", showBoxes, smallWindow.get())->Unit(unit);
    RegisterBenchmark("show_box/4GiB", showBoxes, hugeWindow.get())->Unit(unit);
    RegisterBenchmark("show_box/1MiB_event_loop", showBoxesWithEventLoop, smallWindow.get())->Unit(unit);
    RegisterBenchmark("show_box/1MiB_array_window", showBoxesWithArrayWindow, besideWindow.get())->Unit(unit);
    RegisterBenchmark("array_window_follow", followInArrayWindow, besideWindow.get())->Unit(unit);
    RegisterBenchmark("read_box/1MiB", readBoxes, small)->Unit(unit);
    RegisterBenchmark("read_box/4GiB", readBoxes, huge)->Unit(unit);
    RegisterBenchmark("paint_canvas", paintCanvas)->Unit(unit);
    RegisterBenchmark("repaint_view", repaintControl, smallWindow.get(), "Picture1")->Unit(unit);
    RegisterBenchmark("repaint_scroll_bar", repaintControl, smallWindow.get(), "HScroll1")->Unit(unit);
    RegisterBenchmark("set_texts", setTexts, smallWindow.get())->Unit(unit);
    RegisterBenchmark("identify_path", identify, small)->Unit(unit);
    RegisterBenchmark("floor_read", floorRead, small)->Unit(unit);
    RegisterBenchmark("floor_image_copy", floorImageCopy)->Unit(unit);
    RegisterBenchmark("floor_glyph_runs", floorGlyphRuns, smallWindow.get())->Unit(unit);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
