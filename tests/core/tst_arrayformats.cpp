#include "arrayformats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Box n holds the bytes 16n .. 16n + 15 (mod 256); box n's angle byte is n.
CollisionArray knownArray()
{
    CollisionArray array;
    array.arrayStart = 0x62A00;
    array.angleStart = 0x62900;
    for (int i = 0; i < kArraySize; ++i)
        array.bytes[size_t(i)] = quint8(i);
    for (int n = 0; n < kAngleMapSize; ++n)
        array.angles[size_t(n)] = quint8(n);
    return array;
}

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class tst_ArrayFormats : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void boxAndAngleTexts();
    void formats_data();
    void formats();
    void jsonParsesBack();
};

void tst_ArrayFormats::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");
    QTest::newRow("hex") << QStringLiteral("hex") << int(ArrayFormat::Hex);
    QTest::newRow("asm") << QStringLiteral("asm") << int(ArrayFormat::Asm);
    QTest::newRow("c") << QStringLiteral("c") << int(ArrayFormat::C);
    QTest::newRow("json") << QStringLiteral("json") << int(ArrayFormat::Json);
    QTest::newRow("upper case is no name") << QStringLiteral("HEX") << -1;
    QTest::newRow("empty") << QString() << -1;
}

void tst_ArrayFormats::names()
{
    QFETCH(QString, name);
    QFETCH(int, format);
    const auto got = arrayFormatFromName(name);
    QCOMPARE(got ? int(*got) : -1, format);
}

void tst_ArrayFormats::boxAndAngleTexts()
{
    const CollisionArray array = knownArray();
    QCOMPARE(boxText(array, 0), QStringLiteral("00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F "));
    QCOMPARE(boxText(array, 0xFA), QStringLiteral("A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF "));
    QCOMPARE(angleText(0x00), QStringLiteral("00 (0°)"));
    QCOMPARE(angleText(0x02), QStringLiteral("02 (357.1875°)"));
    QCOMPARE(angleText(0x01), QStringLiteral("01 (flagged)"));
    QCOMPARE(angleText(0xE0), QStringLiteral("E0 (45°)"));
    QCOMPARE(angleText(0xFF), QStringLiteral("FF (flagged)"));
}

void tst_ArrayFormats::formats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QStringList>("head");
    QTest::addColumn<QStringList>("tail");

    QTest::newRow("hex") << int(ArrayFormat::Hex) << 256
                         << QStringList { QStringLiteral("00 62A00 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 00 (0°)"),
                                QStringLiteral("01 62A10 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F 01 (flagged)") }
                         << QStringList { QStringLiteral("FF 639F0 F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF FF (flagged)") };
    QTest::newRow("asm") << int(ArrayFormat::Asm) << 512
                         << QStringList { QStringLiteral("; box 00"),
                                QStringLiteral("\tdc.b $00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F"),
                                QStringLiteral("; box 01") }
                         << QStringList { QStringLiteral("; box FF"),
                                QStringLiteral("\tdc.b $F0,$F1,$F2,$F3,$F4,$F5,$F6,$F7,$F8,$F9,$FA,$FB,$FC,$FD,$FE,$FF") };
    QTest::newRow("c") << int(ArrayFormat::C) << 258
                       << QStringList { QStringLiteral("static const unsigned char collision_array[256][16] = {"),
                              QStringLiteral("    /* 00 */ {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, "
                                             "0x0B, 0x0C, 0x0D, 0x0E, 0x0F},") }
                       << QStringList { QStringLiteral("    /* FF */ {0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, "
                                                       "0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF}"),
                              QStringLiteral("};") };
    QTest::newRow("json") << int(ArrayFormat::Json) << 258
                          << QStringList { QStringLiteral("["),
                                 QStringLiteral("  {\"index\": 0, \"offset\": 403968, \"bytes\": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, "
                                                "10, 11, 12, 13, 14, 15], \"angle\": 0, \"degrees\": 0},") }
                          << QStringList { QStringLiteral("  {\"index\": 255, \"offset\": 408048, \"bytes\": [240, 241, 242, 243, "
                                                          "244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255], "
                                                          "\"angle\": 255, \"degrees\": null}"),
                                 QStringLiteral("]") };
}

void tst_ArrayFormats::formats()
{
    QFETCH(int, format);
    QFETCH(int, lineCount);
    QFETCH(QStringList, head);
    QFETCH(QStringList, tail);
    const QString text = arrayText(knownArray(), ArrayFormat(format));
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    const QStringList lines = linesOf(text);
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.mid(0, head.size()), head);
    QCOMPARE(lines.mid(lines.size() - tail.size()), tail);
}

void tst_ArrayFormats::jsonParsesBack()
{
    const CollisionArray array = knownArray();
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(arrayText(array, ArrayFormat::Json).toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray boxes = document.array();
    QCOMPARE(boxes.size(), kBoxCount);
    for (int n = 0; n < kBoxCount; ++n) {
        const QJsonObject box = boxes.at(n).toObject();
        QCOMPARE(box.value(QStringLiteral("index")).toInt(), n);
        QCOMPARE(box.value(QStringLiteral("offset")).toInteger(), array.boxOffset(n));
        const QJsonArray bytes = box.value(QStringLiteral("bytes")).toArray();
        QCOMPARE(bytes.size(), kBoxSize);
        for (int c = 0; c < kBoxSize; ++c)
            QCOMPARE(bytes.at(c).toInt(), int(array.byte(n, c)));
        QCOMPARE(box.value(QStringLiteral("angle")).toInt(), n);
        const Angle angle = angleDegrees(quint8(n));
        if (angle.flagged)
            QVERIFY(box.value(QStringLiteral("degrees")).isNull());
        else
            QCOMPARE(box.value(QStringLiteral("degrees")).toDouble(), angle.degrees);
    }
}

QTEST_GUILESS_MAIN(tst_ArrayFormats)
#include "tst_arrayformats.moc"
