// What every fuzz target needs around its own checks: a broken invariant that stops the run where
// libFuzzer saves the input, and a private working folder that is gone when the run ends.
#pragma once

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <unistd.h>
#include <vector>

namespace fuzzsupport {

[[noreturn]] inline void broken(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void check(bool holds, const char *what)
{
    if (!holds)
        broken(what);
}

// The names a run may leave in its folder, removed (files and empty folders alike) at exit.
inline std::vector<QByteArray> &leftovers()
{
    static std::vector<QByteArray> paths;
    return paths;
}

inline QByteArray makeWorkingFolder(const char *stem, std::initializer_list<const char *> names)
{
    const char *tmp = std::getenv("TMPDIR");
    QByteArray folder = QByteArray(tmp && *tmp ? tmp : "/tmp") + "/" + stem + "-XXXXXX";
    if (!::mkdtemp(folder.data()))
        broken("cannot make a working folder");
    for (const char *name : names)
        leftovers().push_back(folder + name);
    leftovers().push_back(folder);
    std::atexit([] {
        for (const QByteArray &path : leftovers()) {
            ::unlink(path.constData());
            ::rmdir(path.constData());
        }
    });
    return folder;
}

} // namespace fuzzsupport
