#include "tablesearchjob.h"

#include <QtConcurrent/QtConcurrentRun>

TableSearchJob::TableSearchJob(QObject *parent)
    : QObject(parent)
{
    // The pool thread only counts; this thread looks at the count a few times a second.
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        if (m_running && m_run)
            emit progress(m_run->perMille);
    });
    connect(&m_watcher, &QFutureWatcher<TableSearch>::finished, this, [this] {
        m_poll.stop();
        const bool wanted = m_running && m_run && !m_run->cancelled;
        m_running = false;
        if (wanted && !m_watcher.future().isCanceled()) {
            const TableSearch search = m_watcher.result();
            if (!search.cancelled) {
                emit progress(m_run->perMille);
                emit finished(search);
            }
        }
    });
}

TableSearchJob::~TableSearchJob()
{
    cancel();
    waitForIdle();
}

void TableSearchJob::start(const QString &path)
{
    cancel();
    waitForIdle();
    auto run = std::make_shared<Run>();
    m_run = run;
    m_running = true;
    m_poll.start();
    m_watcher.setFuture(QtConcurrent::run([path, run] {
        return findTables(path, [run](qint64 done, qint64 total) {
            run->perMille = total > 0 ? int(done * 1000 / total) : 1000;
            return !run->cancelled;
        });
    }));
}

void TableSearchJob::cancel()
{
    if (m_run)
        m_run->cancelled = true;
    m_running = false;
    m_poll.stop();
}

void TableSearchJob::waitForIdle()
{
    m_watcher.waitForFinished();
}
