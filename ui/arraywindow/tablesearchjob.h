#pragma once

#include "tablefinder.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>

/// Runs the table finder on a pool thread, so the windows keep answering however large the file is.
/// Progress and the result come back on the thread that started it. A cancelled search reports nothing.
class TableSearchJob : public QObject
{
    Q_OBJECT

public:
    explicit TableSearchJob(QObject *parent);
    ~TableSearchJob() override;

    /// Starts a search of `path`, cancelling one that is running.
    void start(const QString &path);
    /// Stops the running search, if any; finished() will not come for it.
    void cancel();
    [[nodiscard]] bool isRunning() const { return m_running; }
    /// Waits for the pool thread to let go of the file; for tests and shutdown.
    void waitForIdle();

signals:
    /// Per mille of the file scanned.
    void progress(int perMille);
    void finished(const TableSearch &search);

private:
    struct Run
    {
        std::atomic<bool> cancelled { false };
        std::atomic<int> perMille { 0 };
    };

    QFutureWatcher<TableSearch> m_watcher;
    QTimer m_poll;
    std::shared_ptr<Run> m_run;
    bool m_running = false;
};
