#pragma once

// The main window with the array window linked as the program links it, and the synthetic row-1 images
// the array window's tests open: a test class derives from ArrayWindowFixture beside QObject.

#include "arraywindow.h"
#include "arraywindowlink.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "romfactory.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

inline constexpr qint64 kPrimary = 0x62A00; // row 1's array; its angle map lies 0x100 in front
inline constexpr qint64 kMoved = 0x80000; // where a rebuilt hack put its tables
inline constexpr qint64 kFileSize = 0x90000;

// Box 0 empty as in every game, box 1 a ramp 00..0F, box n's columns rising from n % 17; the angle of
// box n is n.
inline QByteArray designedArray(int seed = 0)
{
    QByteArray bytes(kArraySize, '\0');
    for (int i = 16; i < kArraySize; ++i)
        bytes[i] = char(i < 32 ? i - 16 : ((i / 16) + (i % 16) + seed) % 17);
    return bytes;
}

inline QByteArray angleMap()
{
    QByteArray bytes(kAngleMapSize, '\0');
    for (int i = 0; i < kAngleMapSize; ++i)
        bytes[i] = char(i);
    return bytes;
}

inline QByteArray lea(qint64 address)
{
    QByteArray bytes("\x45\xF9", 2);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((address >> shift) & 0xFF));
    return bytes;
}

// A row-1 image with `array` at the catalogue's place and, when `moved`, the real tables elsewhere and
// the code that loads them, as a rebuilt hack has them.
inline QByteArray image(const QByteArray &array, bool moved = false)
{
    QByteArray bytes = romfactory::rom(QByteArray(catalogueRow(1)->headerKey), kFileSize);
    bytes.replace(kPrimary - 0x100, kAngleMapSize, angleMap());
    bytes.replace(kPrimary, kArraySize, array);
    if (moved) {
        bytes.replace(kMoved - 0x100, kAngleMapSize, angleMap());
        bytes.replace(kMoved, kArraySize, designedArray(3));
        bytes.replace(0x1000, 18, lea(kMoved - 0x100) + lea(kMoved) + lea(kMoved + kArraySize));
    }
    return bytes;
}

// The pool thread posts its end before TableSearchJob::waitForIdle() returns; delivering it now lets a
// report that should not come arrive, without waiting on a clock.
inline void deliverTheEnd()
{
    QCoreApplication::sendPostedEvents();
}

} // namespace

class ArrayWindowFixture : protected FormFixture
{
protected:
    void setUpFiles()
    {
        QApplication::setFont(Form1::designFont());
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("hack.bin"));
    }

    void makeLinkedForm()
    {
        QVERIFY(makeForm());
        new ArrayWindowLink(m_form->seam());
    }

    using FormFixture::child;
    template<typename T> static T *child(QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no child %s", name);
        return found;
    }

    // Opens `bytes` as a file in the main window, then the array window with F8.
    ArrayWindow *openWith(const QByteArray &bytes)
    {
        if (!romfactory::write(m_path, bytes) || !formdriver::open(*m_form, m_path))
            return nullptr;
        pressF8();
        auto *link = m_form->findChild<ArrayWindowLink *>(QStringLiteral("ArrayWindowLink"));
        if (!link || !link->window() || !link->window()->isVisible())
            return nullptr;
        // Active, as the desktop makes a window it shows; the offscreen platform takes a moment.
        if (!QTest::qWaitFor([link] { return link->window()->isActiveWindow(); }))
            return nullptr;
        return link->window();
    }

    void pressF8(Qt::KeyboardModifiers modifiers = {})
    {
        // A key comes to the active window; the desktop makes the main window active again once a dialog
        // has closed, the offscreen platform does not.
        if (!QApplication::activeWindow()) {
            m_form->activateWindow();
            QVERIFY(QTest::qWaitFor([this] { return m_form->isActiveWindow(); }));
        }
        QWidget *active = QApplication::activeWindow();
        QWidget *target = active->focusWidget() ? active->focusWidget() : active;
        QTest::keyClick(target, Qt::Key_F8, modifiers);
    }

    // A key where the main window's focus is, as its key preview wants.
    void pressOnForm(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        m_form->activateWindow();
        QTest::keyClick(m_form->focusWidget() ? m_form->focusWidget() : m_form.get(), key, modifiers);
    }

    QTemporaryDir m_dir;
    QString m_path;
};
