#pragma once

// The benchmarks' shared start: a synthetic file of the first game, and the real main window (and its
// array window) showing it, loaded as a user would.

#include "arraygrid.h"
#include "arraywindow.h"
#include "arraywindowlink.h"
#include "boxaddressing.h"
#include "form1.h"
#include "gamecatalogue.h"
#include "modalwatcher.h"
#include "romfactory.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace benchwindow {

inline const GameRow &game()
{
    return *catalogueRow(1);
}

// Floors (0..16) and ceilings (0xF0..0xFF), so both drawing rules and every height are met.
inline quint8 boxByte(int index, int column)
{
    if (index % 4 == 3)
        return quint8(0xF0 + (index + column) % 16);
    return quint8((index + column) % 17);
}

inline QString bytesText(int index)
{
    QString text;
    for (int column = 0; column < kBoxSize; ++column)
        text += byteText(boxByte(index, column));
    return text;
}

// The first game's header key and primary array; a bigger file is sparse past them.
inline bool makeFile(const QString &path, qint64 size)
{
    QByteArray bytes = romfactory::rom(game().headerKey, game().arrayStart - 1);
    for (int index = 0; index < kBoxCount; ++index) {
        QByteArray box(kBoxSize, '\0');
        for (int column = 0; column < kBoxSize; ++column)
            box[column] = char(boxByte(index, column));
        romfactory::putBox(bytes, game().arrayStart - 1 + index * kBoxSize, box);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.resize(size);
}

// Loads `path` through the window's own open command and dialog, as a user would.
inline bool openInWindow(Form1 &window, const QString &path)
{
    ModalWatcher watcher;
    watcher.expect("QFileDialog", [path](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    window.cmdAbrirClick();
    return watcher.allMet() && window.findChild<QLineEdit *>(QStringLiteral("txtArquivo"))->text() == path;
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

inline std::unique_ptr<Form1> makeWindow(const QString &path)
{
    auto window = std::make_unique<Form1>(0x0409);
    new ArrayWindowLink(window->seam());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()) || !openInWindow(*window, path))
        return nullptr;

    // A step must change the texts and the canvas, and repaint() must paint the texts too, or the
    // figure would leave part of showing a box out.
    auto *scroll = window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    auto *bytes = window->findChild<QLineEdit *>(QStringLiteral("txtBytes"));
    PaintCounter counter;
    bytes->installEventFilter(&counter);
    scroll->setValue(7);
    window->findChild<QWidget *>(QStringLiteral("Picture1"))->repaint();
    bytes->removeEventFilter(&counter);
    if (bytes->text() != bytesText(7) || counter.paints == 0)
        return nullptr;
    return window;
}

// Opens the array window of `window` with F8, as a user would.
inline bool openArrayWindow(Form1 &window)
{
    // Keys come to the active window, which the offscreen platform leaves unset once a dialog has closed.
    window.activateWindow();
    if (!QTest::qWaitFor([&window] { return window.isActiveWindow(); }))
        return false;
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F8);
    ArrayWindow *arrayWindow = window.findChild<ArrayWindowLink *>()->window();
    if (!arrayWindow || !QTest::qWaitForWindowExposed(arrayWindow))
        return false;
    // Whole, as on a screen that holds it: the offscreen one is smaller, and would hide part of it.
    if (const auto *scroll = arrayWindow->findChild<QScrollArea *>())
        arrayWindow->resize(scroll->widget()->sizeHint());
    QCoreApplication::processEvents();
    return arrayWindow->findChild<ArrayGrid *>()->hasArray();
}

/// Keeps Qt's file dialog settings out of the user's home, under `home`.
inline void isolateHome(const QTemporaryDir &home)
{
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
}

/// How a window benchmark starts: offscreen unless a platform is asked for, Qt's settings under `home`,
/// the benchmark's options taken off the command line, and the program's font.
inline std::unique_ptr<QApplication> startApplication(int &argc, char **argv, const QTemporaryDir &home)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    isolateHome(home);
    benchmark::Initialize(&argc, argv);
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setFont(Form1::designFont());
    return app;
}

} // namespace benchwindow
