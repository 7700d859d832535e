#include "arrayformats.h"
#include "arraysheet.h"
#include "imagefile.h"
#include "sheetimport.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Every byte value in some box, box n's angle n.
CollisionArray everyByte()
{
    CollisionArray array;
    for (int i = 0; i < kArraySize; ++i)
        array.bytes[size_t(i)] = quint8(i * 7 + i / 256);
    for (int n = 0; n < kBoxCount; ++n)
        array.angles[size_t(n)] = quint8(n);
    return array;
}

// Only the bytes a sheet can tell apart: every height from the bottom (0x00..0x10) or the top (0xF1..0xFF).
CollisionArray heightsOnly()
{
    CollisionArray array;
    for (int i = 0; i < kArraySize; ++i) {
        const int v = (i * 5 + i / 16) % 32;
        array.bytes[size_t(i)] = quint8(v <= 16 ? v : 0xF0 + v - 16);
    }
    return array;
}

QByteArray sheetPng(const QImage &sheet)
{
    return std::get<QByteArray>(encodeImage(sheet, "png", QString()));
}

} // namespace

class tst_ArrayImport : public QObject
{
    Q_OBJECT

private slots:
    void roundTrips_data();
    void roundTrips();
    void failures_data();
    void failures();

private:
    QTemporaryDir m_dir;
};

void tst_ArrayImport::roundTrips_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("angleCount");
    QTest::addColumn<bool>("heightsOnly");
    const CollisionArray all = everyByte();
    QTest::newRow("hex") << arrayText(all, ArrayFormat::Hex).toUtf8() << int(ImportFormat::Hex) << 256
                         << false;
    QTest::newRow("asm") << arrayText(all, ArrayFormat::Asm).toUtf8() << int(ImportFormat::Asm) << 0 << false;
    QTest::newRow("c") << arrayText(all, ArrayFormat::C).toUtf8() << int(ImportFormat::C) << 0 << false;
    QTest::newRow("json") << arrayText(all, ArrayFormat::Json).toUtf8() << int(ImportFormat::Json) << 256
                          << false;
    // As a dump may read where the set has no angle map: "--", or nothing, in place of the angle.
    QByteArray noAngles = arrayText(all, ArrayFormat::Hex).toUtf8();
    noAngles.replace(QByteArray("00 (0\xC2\xB0)"), "--").replace(QByteArray("01 (flagged)"), "");
    QTest::newRow("hex without some angles") << noAngles << int(ImportFormat::Hex) << 254 << false;
    // Boxes run together and commented as a person might: the braces and commas decide, not the lines.
    QByteArray reflowed = arrayText(all, ArrayFormat::C)
                              .toUtf8()
                              .replace(",\n", ", // next\n")
                              .replace("    /* 03 */ {", "{");
    QTest::newRow("c, reflowed") << reflowed.replace("},", "},\n") << int(ImportFormat::C) << 0 << false;
    QTest::newRow("compact sheet") << sheetPng(arraySheet(heightsOnly(), SheetLook::Compact))
                                   << int(ImportFormat::Sheet) << 0 << true;
}

void tst_ArrayImport::roundTrips()
{
    QFETCH(QByteArray, source);
    QFETCH(int, format);
    QFETCH(int, angleCount);
    QFETCH(bool, heightsOnly);
    const CollisionArray array = heightsOnly ? ::heightsOnly() : everyByte();
    // No suffix: the content alone tells the format.
    const QString path = m_dir.filePath(QStringLiteral("source"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(source) == source.size());
    file.close();

    const auto read = readImportSource(path);
    if (const auto *failure = std::get_if<ImportFailure>(&read))
        QFAIL(qPrintable(importPlaceText(*failure) + QLatin1Char(' ') + failure->reason));
    const ImportedBoxes &imported = std::get<ImportedBoxes>(read);
    QCOMPARE(int(imported.format), format);
    QCOMPARE(int(imported.boxes.size()), kBoxCount);
    for (const auto &[box, bytes] : imported.boxes)
        QVERIFY2(std::equal(bytes.begin(), bytes.end(), array.box(box).begin()), qPrintable(indexText(box)));
    QCOMPARE(int(imported.angles.size()), angleCount);
    for (const auto &[box, angle] : imported.angles)
        QCOMPARE(angle, array.angles[size_t(box)]);
}

void tst_ArrayImport::failures_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("place");
    const QByteArray line = "00 62A00 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 00 (0\xC2\xB0)\n";
    QTest::newRow("hex: a byte that is not hex")
        << line + "01 62A10 10 11 12 13 1G 15 16 17 18 19 1A 1B 1C 1D 1E 1F 01\n"
        << QStringLiteral("line 2, column 22");
    QTest::newRow("hex: seventeen bytes, then the angle")
        << QByteArray("10 0 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 E0 (45\xC2\xB0)\n")
        << QStringLiteral("line 1, column 57");
    QTest::newRow("asm: fifteen bytes")
        << QByteArray("; box 10\n\tdc.b $00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E\n")
        << QStringLiteral("line 2, column 66");
    QTest::newRow("c: a byte over 255") << QByteArray(
        "static const unsigned char a[1][16] = {\n  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, "
        "0x100}\n};\n") << QStringLiteral("line 2, column 55");
    // Unnamed, a box is the one after the box before it.
    const QByteArray dcb = "\tdc.b $00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F\n";
    QTest::newRow("asm: past box FF") << "; box FF\n" + dcb + dcb << QStringLiteral("line 3, column 2");
    const QByteArray box = "{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}";
    QTest::newRow("c: a box given twice") << "{\n" + box + ",\n/* box 00 */ " + box + "\n};\n"
                                          << QStringLiteral("line 3, column 14");
    QTest::newRow("json: an angle over 255") << QByteArray(
        "[{\"index\": 1, \"bytes\": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0], \"angle\": 256}]")
                                             << QStringLiteral("line 1, column 2");
    QTest::newRow("json: a syntax error")
        << QByteArray("[\n  {\"index\": 0,, }\n]\n") << QStringLiteral("line 2, column 16");

    QImage hole = arraySheet(heightsOnly(), SheetLook::Compact);
    for (int y = 0; y < 16; ++y) // box 1A's column 3: yellow but for one cell in the middle
        hole.setPixel(0x1A % 16 * 16 + 3, 0x1A / 16 * 16 + y, y == 8 ? qRgb(0, 0, 0) : qRgb(255, 255, 0));
    QTest::newRow("sheet: a column with a hole") << sheetPng(hole) << QStringLiteral("box 1A, column 3");
    QImage grey = arraySheet(heightsOnly(), SheetLook::Compact);
    grey.setPixel(255, 255, qRgb(128, 128, 128));
    QTest::newRow("sheet: a grey pixel") << sheetPng(grey) << QStringLiteral("box FF, column 15");
    QTest::newRow("sheet: the canvas look")
        << sheetPng(arraySheet(heightsOnly(), SheetLook::Canvas)) << QString();
}

void tst_ArrayImport::failures()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, place);
    const QString path = m_dir.filePath(QStringLiteral("bad"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(source) == source.size());
    file.close();
    const auto read = readImportSource(path);
    QVERIFY(std::holds_alternative<ImportFailure>(read));
    const ImportFailure &failure = std::get<ImportFailure>(read);
    QCOMPARE(importPlaceText(failure), place);
    QCOMPARE(failure.path, path);
    QVERIFY(!failure.reason.isEmpty());
}

QTEST_GUILESS_MAIN(tst_ArrayImport)
#include "tst_arrayimport.moc"
