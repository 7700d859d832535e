#include "failurereporter.h"

#include "failuretext.h"
#include "messageboxes.h"

#include <utility>

FailureReporter::FailureReporter(QWidget *owner, std::function<Language()> language)
    : m_owner(owner)
    , m_language(std::move(language))
{
}

void FailureReporter::report(const QString &lead, const FileFailure &failure)
{
    messageboxes::inform(
        m_owner, m_language(), failureText(lead, failure.path, failure.reason), BoxIcon::Critical);
}

void FailureReporter::readFailed(const FileFailure &failure)
{
    if (m_holding) {
        m_held = failure;
        return;
    }
    const bool repeat = m_lastRead && m_lastRead->path == failure.path && m_lastRead->reason == failure.reason;
    m_lastRead = failure;
    if (m_quietRepeats && repeat)
        return;
    report(languageTexts(m_language()).MsgReadFailed, failure);
}

void FailureReporter::hold()
{
    m_holding = true;
    m_held.reset();
}

void FailureReporter::release()
{
    m_holding = false;
    if (const std::optional<FileFailure> failure = std::exchange(m_held, std::nullopt))
        readFailed(*failure);
}
