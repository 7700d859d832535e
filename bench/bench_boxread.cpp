// What one box costs to show, for a small and a huge file. Run it under callgrind to count
// instructions; the totals for the two files should match:
//   valgrind --tool=callgrind --dump-instr=no build/bench/bench/bench_boxread small
//   valgrind --tool=callgrind --dump-instr=no build/bench/bench/bench_boxread huge

#include "boxaddressing.h"
#include "gamecatalogue.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const bool huge = argc > 1 && std::strcmp(argv[1], "huge") == 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rom.bin"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        // A sparse file: only the header and the boxes take disk space.
        if (!file.resize(huge ? (qint64(4) << 30) : (qint64(1) << 20)))
            return 1;
    }
    const qint32 arrayStart = catalogueRow(1)->arrayStart;
    int sum = 0;
    const int kRounds = 1000;
    for (int round = 0; round < kRounds; ++round) {
        const auto failure = readCollisionBox(
            path, BoxLocation(arrayStart, round % 256), [&](int, quint8 byte) { sum += byte; });
        if (failure)
            return 1;
    }
    std::printf("%s file: %d boxes read (checksum %d)\n", huge ? "4 GiB" : "1 MiB", kRounds, sum);
    return 0;
}
