#pragma once

// Watches the modal windows a test opens. Every one that appears is counted; the next expectation of its
// type acts on it from the event loop, and any other is closed, warned about and fails the test. A safety
// timer closes whatever modal window is still open after a few seconds, so a fault fails the test instead
// of hanging it. Watchers may nest: only the newest one acts.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalWatcher : public QObject
{
public:
    using Action = std::function<void(QWidget *)>;

    explicit ModalWatcher(int safetyMs = 5000)
    {
        stack().append(this);
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start(10);
        m_safety.setSingleShot(true);
        connect(&m_safety, &QTimer::timeout, this, [this] { rescue(); });
        m_safety.start(safetyMs);
    }

    // A window that was not expected, or had to be rescued, or an expectation left unmet fails the running
    // test even when it never asked allMet(); outside a test (a benchmark) allMet() alone tells.
    ~ModalWatcher() override
    {
        stack().removeAll(this);
        if (!allMet() && QTest::currentTestFunction() && !QTest::currentTestFailed()) {
            const QString why = QStringLiteral("unexpected: [%1], rescued: %2, not met: %3")
                                    .arg(m_unexpected.join(QStringLiteral(", ")))
                                    .arg(m_rescued)
                                    .arg(m_queue.size());
            QTest::qFail(qPrintable(why), __FILE__, __LINE__);
        }
    }
    ModalWatcher(const ModalWatcher &) = delete;
    ModalWatcher &operator=(const ModalWatcher &) = delete;

    /// Acts on the next modal widget whose class name is `className` ("QMessageBox", "QFileDialog", ...).
    void expect(const char *className, Action action) { m_queue.append({ className, std::move(action) }); }

    /// True when every expectation was met, nothing unexpected appeared and nothing had to be rescued.
    [[nodiscard]] bool allMet() const { return m_queue.isEmpty() && m_unexpected.isEmpty() && !m_rescued; }
    [[nodiscard]] bool rescued() const { return m_rescued; }
    /// Every modal window that appeared while this watcher was the newest, expected or not.
    [[nodiscard]] int seen() const { return m_seen; }
    [[nodiscard]] const QStringList &texts() const { return m_texts; }
    [[nodiscard]] const QStringList &unexpected() const { return m_unexpected; }

private:
    struct Expectation
    {
        const char *className;
        Action action;
    };

    static QList<ModalWatcher *> &stack()
    {
        static QList<ModalWatcher *> watchers;
        return watchers;
    }

    static void close(QWidget *modal)
    {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }

    void poll()
    {
        if (stack().constLast() != this)
            return;
        m_open.removeIf([](const QPointer<QWidget> &widget) { return !widget || !widget->isVisible(); });
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || m_open.contains(modal))
            return;
        m_open.append(modal);
        ++m_seen;
        const QString text = modal->property("text").toString();
        m_texts.append(text);
        if (!m_queue.isEmpty() && modal->inherits(m_queue.constFirst().className)) {
            const Expectation next = m_queue.takeFirst();
            next.action(modal);
            return;
        }
        m_unexpected.append(
            QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(modal->metaObject()->className()), text));
        qWarning("closing an unexpected modal window: %s", qPrintable(m_unexpected.constLast()));
        close(modal);
    }

    void rescue()
    {
        if (stack().constLast() != this) {
            m_safety.start();
            return;
        }
        for (int i = 0; i < 10; ++i) {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                break;
            m_rescued = true;
            close(modal);
        }
    }

    QTimer m_poll;
    QTimer m_safety;
    QList<Expectation> m_queue;
    QList<QPointer<QWidget>> m_open; // counted and still showing
    QStringList m_texts;
    QStringList m_unexpected;
    int m_seen = 0;
    bool m_rescued = false;
};
