#pragma once

// Opens a file in the main window as a user would: the open button, then the path typed into the dialog.

#include "form1.h"
#include "modalwatcher.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace formdriver {

/// True when the open dialog came up and took `path`.
[[nodiscard]] inline bool open(Form1 &form, const QString &path)
{
    ModalWatcher watcher;
    watcher.expect("QFileDialog", [path](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("cmdAbrir")), Qt::LeftButton);
    return watcher.allMet();
}

} // namespace formdriver
