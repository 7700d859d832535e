#pragma once

// Drives the main window as a user would: shows it, opens files through the open dialog, answers the
// modal windows that follow.

#include "boxaddressing.h"
#include "form1.h"
#include "modalwatcher.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace formdriver {

/// Shows `window` and makes it the active one; false when it never became exposed.
[[nodiscard]] inline bool show(QWidget &window)
{
    window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    window.activateWindow();
    return exposed;
}

/// Types `path` into a file dialog and accepts it, as a user pressing Return would.
inline void typePath(QWidget *dialog, const QString &path)
{
    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
    static_cast<QDialog *>(dialog)->accept();
}

/// Clicks the button whose objectName is `button` ("Yes", "Abort", "Command1", ...) in `modal`.
inline void click(QWidget *modal, const char *button)
{
    auto *target = modal->findChild<QAbstractButton *>(QString::fromLatin1(button));
    QVERIFY2(target, button);
    QTest::mouseClick(target, Qt::LeftButton);
}

/// The next modal window of `className` is answered with a click on `button`.
inline void answer(ModalWatcher &watcher, const char *className, const char *button)
{
    watcher.expect(className, [button](QWidget *modal) { click(modal, button); });
}

/// The next file dialog is cancelled.
inline void cancel(ModalWatcher &watcher)
{
    watcher.expect("QFileDialog", [](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
}

/// What txtBytes shows for `box`.
[[nodiscard]] inline QString bytesTextOf(const QByteArray &box)
{
    QString text;
    for (char byte : box)
        text += byteText(quint8(byte));
    return text;
}

/// True when the open dialog came up and took `path`, and every window `answers` queued after it came.
[[nodiscard]] inline bool open(
    Form1 &form, const QString &path, const std::function<void(ModalWatcher &)> &answers = {})
{
    ModalWatcher watcher;
    watcher.expect("QFileDialog", [path](QWidget *dialog) { typePath(dialog, path); });
    if (answers)
        answers(watcher);
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("cmdAbrir")), Qt::LeftButton);
    return watcher.allMet();
}

} // namespace formdriver
