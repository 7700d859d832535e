#include "filedoor.h"

#include "disassemblyfolder.h"
#include "filedrop.h"
#include "mainwindowseam.h"
#include "messageboxes.h"

#include <QDir>
#include <QStringList>

FileDoor::FileDoor(MainWindowSeam *seam)
    : QObject(seam)
    , m_seam(seam)
    , m_failures(seam->window(), [seam] { return seam->language(); })
{
    connect(new FileDrop(seam->window()), &FileDrop::dropped, this, &FileDoor::open);
    connect(seam, &MainWindowSeam::entered, this, &FileDoor::open);
}

void FileDoor::open(const QString &path)
{
    const DisassemblySets found = disassemblySets(path);
    if (found.failure)
        return m_failures.readFailed(*found.failure);
    if (found.sets.empty())
        return m_seam->openFile(path);
    if (found.sets.size() > 1) {
        QStringList files;
        for (const SetFiles &set : found.sets)
            files.append(QDir::toNativeSeparators(set.heights.path));
        const QString text
            = languageTexts(m_seam->language())
                  .MsgSeveralSets.arg(QDir::toNativeSeparators(path), files.join(QLatin1Char('\n')));
        return messageboxes::inform(m_seam->window(), m_seam->language(), text, BoxIcon::Critical);
    }
    const SetFiles &set = found.sets.front();
    m_seam->showSet(set, qint16(styleGameId(set.heights)));
}
