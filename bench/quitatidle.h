#pragma once

// Ends a start-up run at its first idle moment after `window` is on screen, printing the time on the
// system's monotonic clock so the caller can subtract the moment it started the process.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

inline void quitAtIdle(QWidget *window)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    // The loop is about to wait for input: everything the start-up queued, the first paint too, is done.
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, window, [window] {
        static bool done = false;
        if (done || !window->windowHandle() || !window->windowHandle()->isExposed())
            return;
        done = true;
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("idle_ns=%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
