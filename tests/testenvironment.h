#pragma once

// What several tests need of the process around them.

#include <QByteArray>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace testenvironment {

/// Points HOME and XDG_CONFIG_HOME at a folder that lives as long as the process: Qt's file dialog keeps
/// its settings under the home folder, and the user's must stay out of reach.
inline void isolateHome()
{
    static QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
}

} // namespace testenvironment

/// Files larger than `limit` bytes cannot be written while this lives, not even by root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};
