#pragma once

// Drives the main window as a user would: shows it, opens files through the open dialog, answers the
// modal windows that follow.

#include "boxaddressing.h"
#include "form1.h"
#include "modalwatcher.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace formdriver {

// The English leads of the failure messages, written out so that a changed text is caught.
inline const QString kReadFailed = QStringLiteral("The file could not be read:");
inline const QString kWriteFailed = QStringLiteral("The bitmap could not be saved:");

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

/// Clicks an option where its indicator is, as a user does.
inline void choose(QRadioButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
}

/// The next message box reports a failure: critical, `lead`, `path` and the system's `reason` (not
/// checked when empty) on lines of their own. OK answers it.
inline void expectFailure(
    ModalWatcher &watcher, const QString &lead, const QString &path, const QString &reason)
{
    watcher.expect("QMessageBox", [=](QWidget *modal) {
        auto *box = static_cast<QMessageBox *>(modal);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        const QString head = lead + QLatin1Char('\n') + path + QStringLiteral("\n\n");
        if (reason.isEmpty())
            QVERIFY2(box->text().startsWith(head), qPrintable(box->text()));
        else
            QCOMPARE(box->text(), head + reason);
        click(box, "Ok");
    });
}

/// Runs `act`; `answers` queue what the modal windows it opens are told. True when they all came.
[[nodiscard]] inline bool answered(
    const std::function<void(ModalWatcher &)> &answers, const std::function<void()> &act)
{
    ModalWatcher watcher;
    answers(watcher);
    act();
    return watcher.allMet();
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
