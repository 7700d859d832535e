#pragma once

// What several tests need of the process around them.

#include "version.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

namespace testenvironment {

/// Points HOME and XDG_CONFIG_HOME at a folder that lives as long as the process: Qt's file dialog keeps
/// its settings under the home folder, and the user's must stay out of reach.
inline void isolateHome()
{
    static QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
}

/// The whole file, or nothing when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Every entry of `folder`, hidden and special ones too, by name.
inline QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

/// The system's words for `errorCode`, as the program shows them.
inline QString reason(int errorCode)
{
    return QString::fromLocal8Bit(std::strerror(errorCode));
}

/// The version as the program shows it, made from the generated version header.
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor, 2, 10, QLatin1Char('0'))
        .arg(kVersionRevision, 4, 10, QLatin1Char('0'));
}

} // namespace testenvironment

/// Permission bits do not bind root, so a root process acts as "nobody" while this lives. Folders it must
/// reach need the others' x bit.
class PermissionsBind
{
public:
    PermissionsBind()
        : m_dropped(geteuid() == 0)
    {
        if (m_dropped && (setegid(kNobody) != 0 || seteuid(kNobody) != 0))
            qFatal("root cannot drop to nobody, so permission bits would not bind");
    }
    ~PermissionsBind()
    {
        if (m_dropped && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("cannot become root again");
    }
    PermissionsBind(const PermissionsBind &) = delete;
    PermissionsBind &operator=(const PermissionsBind &) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool m_dropped;
};

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
