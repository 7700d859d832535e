// What the main window's tests share: a file of each catalogue row whose arrays and boxes can be told
// apart, and the window made afresh for each test.
#pragma once

#include "boxaddressing.h"
#include "canvasoracle.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "languagetable.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace form1files {

// Box 0 of each test file's primary array holds these bytes, the secondary array's box 0 is all 0x10,
// and box 0x20 of the primary array is all 0xF8, so every array and box can be told apart.
inline QByteArray primaryBox0(int gameId)
{
    return romfactory::rampBox(gameId * 0x10);
}

using formdriver::answer;
using formdriver::answered;
using formdriver::bytesTextOf;
using formdriver::choose;
using formdriver::typePath;

} // namespace form1files

class Form1TestCase : protected FormFixture
{
protected:
    // A file of rows 1..6 (row<n>.bin, boxes as primaryBox0() says) and unknown.bin, which names no game.
    void writeFiles()
    {
        QApplication::setFont(Form1::designFont());
        for (int gameId = 1; gameId <= 6; ++gameId) {
            const qsizetype offset = catalogueRow(gameId)->arrayStart - 1;
            QByteArray bytes = romfactory::gameRom(gameId, { form1files::primaryBox0(gameId) });
            romfactory::putBox(bytes, offset + qsizetype(0x20) * kBoxSize, romfactory::filledBox('\xF8'));
            romfactory::putBox(bytes, offset + kArraySize, romfactory::filledBox('\x10'));
            romfactory::putBox(
                bytes, offset + qsizetype(2) * kArraySize - kBoxSize, romfactory::filledBox('\x01'));
            QVERIFY(romfactory::write(romPath(gameId), bytes));
        }
        QVERIFY(romfactory::write(m_dir.filePath(QStringLiteral("unknown.bin")), QByteArray(0x1000, '\x55')));
    }
    QString romPath(int gameId) const { return m_dir.filePath(QStringLiteral("row%1.bin").arg(gameId)); }
    void recreate(quint16 langId) { QVERIFY(makeForm(langId)); }
    bool openFile(const QString &path, const std::function<void(ModalWatcher &)> &answers = {})
    {
        return formdriver::open(*m_form, path, answers);
    }

    QTemporaryDir m_dir;
};
