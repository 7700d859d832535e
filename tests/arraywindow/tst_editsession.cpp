#include "editsession.h"
#include "setimage.h"
#include "testenvironment.h"
#include "widthrule.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Edit
{
    int box;
    QByteArray heights; // hex
    int angle;
};

BoxBytes heightsOf(const Edit &edit)
{
    return *parseBoxBytes(QString::fromLatin1(edit.heights));
}

void put(QByteArray &bytes, qint64 offset, const BoxBytes &box)
{
    bytes.replace(offset, kBoxSize, reinterpret_cast<const char *>(box.data()), kBoxSize);
}

// Names the first byte that differs, which says far more than two 400 KB arrays.
void compareBytes(const QString &path, const QByteArray &expected)
{
    const QByteArray actual = testenvironment::contents(path);
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (actual.at(i) != expected.at(i))
            QFAIL(qPrintable(QStringLiteral("%1 at %2: %3, not %4")
                                 .arg(QFileInfo(path).fileName(), QString::number(i, 16),
                                     QString::number(quint8(actual.at(i)), 16),
                                     QString::number(quint8(expected.at(i)), 16))));
    }
}

QByteArray pattern(qsizetype size, int seed)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * seed + i / 17) & 0x1F);
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(QList<Edit>)

class tst_EditSession : public QObject
{
    Q_OBJECT

private slots:
    void savesIntoTheImage_data();
    void savesIntoTheImage();
    void savesTableFiles_data();
    void savesTableFiles();

private:
    QTemporaryDir m_dir;
};

void tst_EditSession::savesIntoTheImage_data()
{
    QTest::addColumn<QList<Edit>>("edits");
    QTest::addColumn<int>("undos");
    QTest::addColumn<QList<Edit>>("written");
    QTest::addColumn<bool>("copy");
    const Edit slope { 0x10, "0102030405060708090a0b0c0d0e0f10", 0xE0 };
    const Edit ceiling { 0x20, "fffefdfc00000000000000000000f0f0", 0x80 };
    QTest::newRow("one box") << QList<Edit> { slope } << 0 << QList<Edit> { slope } << false;
    QTest::newRow("two boxes") << QList<Edit> { slope, ceiling } << 0 << QList<Edit> { slope, ceiling }
                               << false;
    QTest::newRow("the second undone")
        << QList<Edit> { slope, ceiling } << 1 << QList<Edit> { slope } << false;
    QTest::newRow("a copy") << QList<Edit> { slope, ceiling } << 0 << QList<Edit> { slope, ceiling } << true;
}

void tst_EditSession::savesIntoTheImage()
{
    QFETCH(QList<Edit>, edits);
    QFETCH(int, undos);
    QFETCH(QList<Edit>, written);
    QFETCH(bool, copy);
    const QString path = m_dir.filePath(QStringLiteral("image.bin"));
    const QString copyPath = m_dir.filePath(QStringLiteral("copy.bin"));
    EditSession session(setimage::written(path), SetStorage::Image, true);
    for (const Edit &edit : edits)
        session.change(edit.box, heightsOf(edit), quint8(edit.angle));
    for (int i = 0; i < undos; ++i)
        session.undoStack()->undo();

    QCOMPARE(copy ? session.saveCopy(copyPath) : session.save(), std::nullopt);
    // A copy leaves the file on display, and what is unsaved in it, as they were.
    QCOMPARE(session.hasUnsaved(), copy);

    const TablePlaces places = *catalogueTablePlaces(1);
    QByteArray expected = setimage::bytes();
    for (const Edit &edit : written) {
        put(expected, places.heightStart + kBoxSize * edit.box, heightsOf(edit));
        put(expected, places.widthStart + kBoxSize * edit.box, derivedWidths(heightsOf(edit)));
        expected[places.angleStart + edit.box] = char(edit.angle);
    }
    const quint16 sum = headerChecksum(expected);
    expected[kChecksumOffset] = char(sum >> 8);
    expected[kChecksumOffset + 1] = char(sum);
    compareBytes(copy ? copyPath : path, expected);
    if (copy)
        compareBytes(path, setimage::bytes());
}

void tst_EditSession::savesTableFiles_data()
{
    QTest::addColumn<bool>("copy");
    QTest::addColumn<bool>("angleChanged");
    QTest::newRow("in place") << false << true;
    QTest::newRow("into a folder") << true << true;
    QTest::newRow("heights alone into a folder") << true << false;
}

void tst_EditSession::savesTableFiles()
{
    QFETCH(bool, copy);
    QFETCH(bool, angleChanged);
    const QDir folder(m_dir.filePath(QStringLiteral("set-%1").arg(QTest::currentDataTag())));
    QVERIFY(QDir().mkpath(folder.path()));
    const QString names[] = { QStringLiteral("Collision Angles.bin"),
        QStringLiteral("Collision Height Map.bin"), QStringLiteral("Collision Width Map.bin") };
    const QByteArray original[] = { pattern(256, 3), pattern(4096, 5), pattern(4096, 7) };
    for (int i = 0; i < 3; ++i)
        QVERIFY(romfactory::write(folder.filePath(names[i]), original[i]));
    const auto set
        = readFileSet(folder.filePath(names[0]), folder.filePath(names[1]), folder.filePath(names[2]), 256);
    EditSession session(std::get<CollisionSet>(set), SetStorage::TableFiles, false);
    const BoxBytes heights
        = *parseBoxBytes(QStringLiteral("10 0f 0e 0d 0c 0b 0a 09 08 07 06 05 04 03 02 01"));
    const quint8 angle = angleChanged ? 0x20 : quint8(original[0].at(0x33));
    session.change(0x33, heights, angle);

    const QDir output(copy ? m_dir.filePath(QStringLiteral("out-%1").arg(QTest::currentDataTag())) : folder);
    QCOMPARE(copy ? session.saveCopy(output.path()) : session.save(), std::nullopt);

    QByteArray expected[] = { original[0], original[1], original[2] };
    expected[0][0x33] = char(angle);
    put(expected[1], 0x33 * kBoxSize, heights);
    put(expected[2], 0x33 * kBoxSize, derivedWidths(heights));
    // A folder gets every table, so that it opens as a set; the set's own files stay as they were.
    for (int i = 0; i < 3; ++i)
        compareBytes(output.filePath(names[i]), expected[i]);
    for (int i = 0; copy && i < 3; ++i)
        compareBytes(folder.filePath(names[i]), original[i]);
}

QTEST_GUILESS_MAIN(tst_EditSession)
#include "tst_editsession.moc"
