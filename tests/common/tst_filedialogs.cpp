#include "filedialogs.h"
#include "modalwatcher.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kOpenFilter = QStringLiteral("*.bin; R11A__.MMD|*.bin;R11A__.mmd");
const QString kSaveFilter = QStringLiteral("Bitmap (*.bmp)|*.bmp");

// The names the dialog lists in the folder it shows, sorted.
QStringList listed(QFileDialog *dialog)
{
    auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
    auto *model = dialog->findChild<QFileSystemModel *>();
    if (!view || !model)
        return { QStringLiteral("<no list>") };
    QStringList names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row)
        names.append(model->index(row, 0, root).data().toString());
    names.sort();
    return names;
}

} // namespace

class tst_FileDialogs : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        testenvironment::isolateHome();
        qputenv("XDG_RUNTIME_DIR", qgetenv("HOME")); // already private (0700)
    }

private slots:
    void initTestCase();
    void convertFilter_data();
    void convertFilter();
    void defaultSuffix_data();
    void defaultSuffix();
    void chooses_data();
    void chooses();
    void listsNamesWhateverTheirCase_data();
    void listsNamesWhateverTheirCase();

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

void tst_FileDialogs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath(QStringLiteral("pasta com espaço ção"));
    QVERIFY(QDir().mkpath(m_folder));
}

void tst_FileDialogs::convertFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("nameFilters");
    // clang-format off
    QTest::newRow("bitmap") << kSaveFilter << QStringList { "Bitmap (*.bmp) (*.bmp)" };
    QTest::newRow("rom") << kOpenFilter << QStringList { "*.bin; R11A__.MMD (*.bin R11A__.mmd)" };
    QTest::newRow("no bar") << "Everything" << QStringList { "Everything (*)" };
    QTest::newRow("empty patterns") << "Everything|" << QStringList { "Everything (*)" };
    QTest::newRow("several pairs") << "Bitmap|*.bmp|ROM|*.bin;*.smd|All|*.*"
                                   << QStringList { "Bitmap (*.bmp)", "ROM (*.bin *.smd)", "All (*.*)" };
    QTest::newRow("last pair without patterns") << "Bitmap|*.bmp|All"
                                                << QStringList { "Bitmap (*.bmp)", "All (*)" };
    // clang-format on
}

void tst_FileDialogs::convertFilter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, nameFilters);
    QCOMPARE(ConvertFilter(filter), nameFilters);
}

void tst_FileDialogs::defaultSuffix_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("suffix");
    // clang-format off
    QTest::newRow("*.bmp") << "*.bmp" << "bmp";
    QTest::newRow(".bmp") << ".bmp" << "bmp";
    QTest::newRow("*.*") << "*.*" << "";
    QTest::newRow("empty") << "" << "";
    // clang-format on
}

void tst_FileDialogs::defaultSuffix()
{
    QFETCH(QString, extension);
    QFETCH(QString, suffix);
    QCOMPARE(::defaultSuffix(extension), suffix);
}

void tst_FileDialogs::chooses_data()
{
    QTest::addColumn<QString>("kind"); // open, save or folder
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("existing"); // made before the dialog opens, if not empty
    QTest::addColumn<QString>("typed"); // empty: the user cancels
    QTest::addColumn<QString>("chosen"); // relative to the folder; empty: nothing chosen

    // clang-format off
    QTest::newRow("open missing file") << "open" << "Abrir" << "" << "missing.bin" << "missing.bin";
    QTest::newRow("open accents and spaces") << "open" << "Open" << ""
                                             << "meu jogo ção é.bin" << "meu jogo ção é.bin";
    QTest::newRow("open without extension") << "open" << "Open" << "" << "rom" << "rom";
    QTest::newRow("open existing") << "open" << "Abrir" << "R11A__.MMD" << "R11A__.MMD" << "R11A__.MMD";
    QTest::newRow("open cancelled") << "open" << "Abrir" << "" << "" << "";
    QTest::newRow("save adds .bmp") << "save" << "Salvar" << "" << "caixa" << "caixa.bmp";
    QTest::newRow("save keeps other extension") << "save" << "Save" << "" << "box.dat" << "box.dat";
    QTest::newRow("save accents and spaces") << "save" << "Salvar" << ""
                                             << "caixa de colisão.bmp" << "caixa de colisão.bmp";
    QTest::newRow("save over existing, no question") << "save" << "Save" << "old.bmp" << "old.bmp" << "old.bmp";
    QTest::newRow("save cancelled") << "save" << "Salvar" << "" << "" << "";
    QTest::newRow("folder to make") << "folder" << "Salvar" << "" << "nova pasta" << "nova pasta";
    // clang-format on
}

void tst_FileDialogs::chooses()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);

    if (!existing.isEmpty())
        QVERIFY(romfactory::write(QDir(m_folder).filePath(existing), {}));

    QString seenTitle;
    bool modal = false;
    ModalWatcher watcher(4000);
    watcher.expect("QFileDialog", [&](QWidget *widget) {
        auto *dialog = static_cast<QFileDialog *>(widget);
        seenTitle = dialog->windowTitle();
        modal = dialog->isModal();
        dialog->setDirectory(m_folder);
        if (typed.isEmpty()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!edit)
            return;
        edit->setText(typed);
        // The button, which Qt greys for a folder it cannot find.
        if (kind == QLatin1String("folder"))
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open)->click();
        else
            QTest::keyClick(edit, Qt::Key_Return);
    });

    const QString result = kind == QLatin1String("folder") ? showFolderDialog(nullptr, title)
        : kind == QLatin1String("save") ? ShowSaveDialog(nullptr, kSaveFilter, QStringLiteral("*.bmp"), title)
                                        : ShowOpenDialog(nullptr, title, kOpenFilter, QStringLiteral("*.*"));
    // An overwrite question would be a second modal window, which the watcher would have to rescue.
    QVERIFY2(watcher.allMet(), "the dialog was not answered");
    QCOMPARE(watcher.seen(), 1);
    QCOMPARE(seenTitle, title);
    QVERIFY(modal);
    QCOMPARE(result, chosen.isEmpty() ? QString() : QDir(m_folder).filePath(chosen));
}

void tst_FileDialogs::listsNamesWhateverTheirCase_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("nameFilter");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("shown");

    const QStringList files { "R11A__.MMD", "r11a__.mmd", "R11B__.MMD", "GAME.BIN", "game.bin", "notes.txt",
        "PIC.BMP", "pic.bmp" };
    // clang-format off
    QTest::newRow("open") << false << "*.bin; R11A__.MMD" << files
                          << QStringList { "GAME.BIN", "R11A__.MMD", "game.bin", "r11a__.mmd" };
    QTest::newRow("save") << true << "Bitmap (*.bmp)" << files
                          << QStringList { "PIC.BMP", "pic.bmp" };
    // clang-format on
}

void tst_FileDialogs::listsNamesWhateverTheirCase()
{
    QFETCH(bool, save);
    QFETCH(QString, nameFilter);
    QFETCH(QStringList, files);
    QFETCH(QStringList, shown);

    QTemporaryDir folder;
    for (const QString &name : files)
        QVERIFY(romfactory::write(folder.filePath(name), {}));

    QStringList seen;
    QString seenFilter;
    ModalWatcher watcher(4000);
    watcher.expect("QFileDialog", [&](QWidget *widget) {
        auto *dialog = static_cast<QFileDialog *>(widget);
        seenFilter = dialog->selectedNameFilter();
        dialog->setDirectory(folder.path());
        // The folder loads in the background; give it a moment, then take what is listed.
        (void)QTest::qWaitFor([&] { return listed(dialog) == shown; }, 2000);
        seen = listed(dialog);
        dialog->reject();
    });

    const QString result = save ? ShowSaveDialog(nullptr, kSaveFilter, QStringLiteral("*.bmp"), QString())
                                : ShowOpenDialog(nullptr, QString(), kOpenFilter, QStringLiteral("*.*"));
    QVERIFY(watcher.allMet());
    QVERIFY(result.isEmpty());
    QCOMPARE(seenFilter, nameFilter);
    QCOMPARE(seen, shown);
}

QTEST_MAIN(tst_FileDialogs)
#include "tst_filedialogs.moc"
