#include "filedialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Qt's folder dialog takes only a folder that exists; here a new name in an existing folder is one the
// writer will make.
class FolderDialog : public QFileDialog
{
public:
    FolderDialog(QWidget *owner, const QString &title)
        : QFileDialog(owner, title)
    {
        setObjectName(QStringLiteral("SaveDialog"));
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::ShowDirsOnly);
        setFileMode(QFileDialog::Directory);
        setWindowModality(Qt::ApplicationModal);
        // Qt greys its button for a name it cannot find; this runs after it has.
        auto *name = findChild<QLineEdit *>();
        auto *buttons = findChild<QDialogButtonBox *>();
        if (name && buttons && buttons->button(QDialogButtonBox::Open)) {
            connect(name, &QLineEdit::textChanged, this, [this, buttons] {
                if (folderToMake())
                    buttons->button(QDialogButtonBox::Open)->setEnabled(true);
            });
        }
    }

    void accept() override
    {
        // Past QFileDialog's own check, which would refuse the name.
        if (folderToMake())
            QDialog::accept(); // NOLINT(bugprone-parent-virtual-call)
        else
            QFileDialog::accept();
    }

private:
    [[nodiscard]] bool folderToMake() const
    {
        const QStringList chosen = selectedFiles();
        const QFileInfo info(chosen.value(0));
        return chosen.size() == 1 && !info.exists() && info.dir().exists();
    }
};

QStringList runDialog(QWidget *owner, const QString &title, const QString &filter,
    const QString &defaultExtension, QFileDialog::AcceptMode mode, bool confirmOverwrite = false,
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile)
{
    QFileDialog dialog(owner, title);
    dialog.setObjectName(
        mode == QFileDialog::AcceptOpen ? QStringLiteral("OpenDialog") : QStringLiteral("SaveDialog"));
    // Qt's own dialog on every desktop, so the program behaves the same everywhere and tests can drive it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    // The descriptions already name their patterns ("Bitmap (*.bmp)"); don't repeat them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setNameFilters(ConvertFilter(filter));
    dialog.setDefaultSuffix(defaultSuffix(defaultExtension));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString firstOf(const QStringList &files)
{
    return files.isEmpty() ? QString() : files.constFirst();
}

} // namespace

QStringList ConvertFilter(const QString &filter)
{
    QStringList result;
    const QStringList fields = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        QStringList patterns;
        if (i + 1 < fields.size()) {
            for (const QString &pattern : fields.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                patterns.append(pattern.trimmed());
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        result.append(QStringLiteral("%1 (%2)").arg(fields.at(i), patterns.join(QLatin1Char(' '))));
    }
    return result;
}

QString defaultSuffix(const QString &defaultExtension)
{
    QString suffix = defaultExtension;
    if (suffix.startsWith(QLatin1String("*.")))
        suffix.remove(0, 2);
    else if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    if (suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')))
        return {};
    return suffix;
}

QString ShowOpenDialog(
    QWidget *owner, const QString &title, const QString &filter, const QString &defaultExtension)
{
    return firstOf(runDialog(owner, title, filter, defaultExtension, QFileDialog::AcceptOpen));
}

QStringList showOpenFilesDialog(QWidget *owner, const QString &title, const QString &filter)
{
    return runDialog(
        owner, title, filter, QString(), QFileDialog::AcceptOpen, false, QFileDialog::ExistingFiles);
}

QString ShowSaveDialog(
    QWidget *owner, const QString &filter, const QString &defaultExtension, const QString &title)
{
    return firstOf(runDialog(owner, title, filter, defaultExtension, QFileDialog::AcceptSave));
}

QString showConfirmingSaveDialog(
    QWidget *owner, const QString &filter, const QString &defaultExtension, const QString &title)
{
    return firstOf(runDialog(owner, title, filter, defaultExtension, QFileDialog::AcceptSave, true));
}

QString showFolderDialog(QWidget *owner, const QString &title)
{
    FolderDialog dialog(owner, title);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return firstOf(dialog.selectedFiles());
}
