#pragma once

#include "languagetable.h"
#include "positionalfile.h"

#include <functional>
#include <optional>

class QWidget;

/// Tells the user, in a message box over `owner`, that a file could not be read or written.
///
/// Read failures can be held back while one command shows several boxes, and a refresh that meets the
/// very failure last reported stays silent, so a file that stays unreadable is reported once.
class FailureReporter
{
public:
    FailureReporter(QWidget *owner, std::function<Language()> language);

    /// Shows `lead`, the file and the system's reason at once.
    void report(const QString &lead, const FileFailure &failure);

    /// A box could not be read.
    void readFailed(const FileFailure &failure);
    /// A box was read whole: the next failure is news again.
    void readSucceeded() { m_lastRead.reset(); }

    /// From hold() to release(), read failures are kept; release() shows the last one kept.
    void hold();
    void release();
    [[nodiscard]] bool holding() const { return m_holding; }

    /// While set, a read failure equal to the last one reported is not shown again.
    void setQuietRepeats(bool quiet) { m_quietRepeats = quiet; }

private:
    QWidget *m_owner;
    std::function<Language()> m_language;
    bool m_holding = false;
    bool m_quietRepeats = false;
    std::optional<FileFailure> m_held;
    std::optional<FileFailure> m_lastRead;
};
