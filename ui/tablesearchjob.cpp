#include "tablesearchjob.h"

#include <QMetaObject>
#include <QtConcurrent/QtConcurrentRun>

TableSearchJob::TableSearchJob(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<TableSearch>::finished, this, [this] {
        const bool wanted = m_running && m_run && !m_run->cancelled;
        m_running = false;
        if (wanted && !m_watcher.future().isCanceled()) {
            const TableSearch search = m_watcher.result();
            if (!search.cancelled)
                emit finished(search);
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
    // The destructor waits for the run, so `this` outlives it.
    m_watcher.setFuture(QtConcurrent::run([this, path, run] {
        return findTables(path, [this, run](qint64 done, qint64 total) {
            const int perMille = total > 0 ? int(done * 1000 / total) : 1000;
            // Only a change worth a step of the bar crosses threads.
            if (perMille != run->perMille.exchange(perMille) && !run->cancelled) {
                QMetaObject::invokeMethod(this, [this, run, perMille] {
                    if (m_run == run && !run->cancelled)
                        emit progress(perMille);
                }, Qt::QueuedConnection);
            }
            return !run->cancelled;
        });
    }));
}

void TableSearchJob::cancel()
{
    if (m_run)
        m_run->cancelled = true;
    m_running = false;
}

void TableSearchJob::waitForIdle()
{
    m_watcher.waitForFinished();
}
