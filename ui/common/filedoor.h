#pragma once

#include "failurereporter.h"

#include <QObject>
#include <QString>

class MainWindowSeam;

/// The ways into the main window besides its open dialog: the command line, a drop and the file
/// manager. A disassembly's folder, or one of its table files, shows its one collision set; a folder
/// of several sets is refused with their files named; anything else opens as the dialog's choice does.
class FileDoor : public QObject
{
    Q_OBJECT

public:
    /// Takes the drops of `seam`'s window and the paths entered through `seam`, which owns the door.
    explicit FileDoor(MainWindowSeam *seam);

    void open(const QString &path);

private:
    MainWindowSeam *m_seam;
    FailureReporter m_failures;
};
