#pragma once

// Answers the modal windows a test opens. Each expectation waits for the next modal widget of its type
// and acts on it from the event loop. A safety timer closes whatever modal window is still open after a
// few seconds, so a fault fails the test instead of hanging it.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalWatcher : public QObject
{
public:
    using Action = std::function<void(QWidget *)>;

    explicit ModalWatcher(int safetyMs = 5000)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start(10);
        m_safety.setSingleShot(true);
        connect(&m_safety, &QTimer::timeout, this, [this] { rescue(); });
        m_safety.start(safetyMs);
    }

    /// Acts on the next modal widget whose class name is `className` ("QMessageBox", "QFileDialog", ...).
    void expect(const char *className, Action action) { m_queue.append({ className, std::move(action) }); }

    /// True when every expectation was met and nothing had to be rescued.
    [[nodiscard]] bool allMet() const { return m_queue.isEmpty() && !m_rescued; }
    [[nodiscard]] bool rescued() const { return m_rescued; }
    [[nodiscard]] int seen() const { return m_seen; }
    [[nodiscard]] const QStringList &texts() const { return m_texts; }

private:
    struct Expectation
    {
        const char *className;
        Action action;
    };

    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_handled || m_queue.isEmpty() || !modal->isVisible())
            return;
        if (!modal->inherits(m_queue.constFirst().className))
            return;
        m_handled = modal;
        ++m_seen;
        m_texts.append(modal->property("text").toString());
        const Expectation next = m_queue.takeFirst();
        next.action(modal);
    }

    void rescue()
    {
        m_poll.stop();
        for (int i = 0; i < 10; ++i) {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                break;
            m_rescued = true;
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }

    QTimer m_poll;
    QTimer m_safety;
    QList<Expectation> m_queue;
    QPointer<QWidget> m_handled;
    QStringList m_texts;
    int m_seen = 0;
    bool m_rescued = false;
};
