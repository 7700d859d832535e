#include "boxedits.h"

#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(FillMode)

class tst_BoxEdits : public QObject
{
    Q_OBJECT

private slots:
    void columns_data();
    void columns();
    void mirrors_data();
    void mirrors();
    void typedBytes_data();
    void typedBytes();
};

void tst_BoxEdits::columns_data()
{
    QTest::addColumn<FillMode>("mode");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("stepped"); // one cell more
    QTest::addColumn<int>("lowered"); // one cell less
    QTest::newRow("empty floor") << FillMode::Floor << 0x00 << 0 << 0x01 << 0x00;
    QTest::newRow("full floor") << FillMode::Floor << 0x10 << 16 << 0x10 << 0x0F;
    QTest::newRow("drawn full") << FillMode::Floor << 0x40 << 16 << 0x10 << 0x0F;
    QTest::newRow("ceiling under floor mode") << FillMode::Floor << 0xF8 << 0 << 0x01 << 0x00;
    QTest::newRow("one-cell ceiling") << FillMode::Ceiling << 0xFF << 1 << 0xFE << 0x00;
    QTest::newRow("full ceiling") << FillMode::Ceiling << 0xF0 << 16 << 0xF0 << 0xF1;
    QTest::newRow("floor under ceiling mode") << FillMode::Ceiling << 0x05 << 0 << 0xFF << 0x00;
}

void tst_BoxEdits::columns()
{
    QFETCH(FillMode, mode);
    QFETCH(int, byte);
    QFETCH(int, cells);
    QFETCH(int, stepped);
    QFETCH(int, lowered);
    QCOMPARE(cellsFrom(mode, quint8(byte)), cells);
    QCOMPARE(int(steppedColumn(mode, quint8(byte), 1)), stepped);
    QCOMPARE(int(steppedColumn(mode, quint8(byte), -1)), lowered);
    // A press on a row fills the column from the mode's edge to that row.
    if (cells > 0 && cells < 16 && cellsFrom(mode, quint8(byte)) == cells) {
        const int row = mode == FillMode::Floor ? 16 - cells : cells - 1;
        QCOMPARE(int(columnByteTo(mode, row)), byte);
    }
}

void tst_BoxEdits::mirrors_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<int>("angle");
    QTest::addColumn<QByteArray>("leftRight");
    QTest::addColumn<int>("angleLeftRight");
    QTest::addColumn<QByteArray>("upDown");
    QTest::addColumn<int>("angleUpDown");
    QTest::newRow("45 degree slope") << QByteArray::fromHex("0102030405060708090A0B0C0D0E0F10") << 0xE0
                                     << QByteArray::fromHex("100F0E0D0C0B0A090807060504030201") << 0x20
                                     << QByteArray::fromHex("FFFEFDFCFBFAF9F8F7F6F5F4F3F2F1F0") << 0xA0;
    QTest::newRow("flat, empty and full columns")
        << QByteArray::fromHex("00104000F0FF0000000000000000EF11") << 0x00
        << QByteArray::fromHex("11EF0000000000000000FFF000401000") << 0x00
        << QByteArray::fromHex("00F0400010010000000000000000EF11") << 0x80;
    QTest::newRow("flagged stays flagged")
        << QByteArray(16, '\x08') << 0x45 << QByteArray(16, '\x08') << 0x45 << QByteArray(16, '\xF8') << 0x45;
}

void tst_BoxEdits::mirrors()
{
    QFETCH(QByteArray, box);
    QFETCH(int, angle);
    QFETCH(QByteArray, leftRight);
    QFETCH(int, angleLeftRight);
    QFETCH(QByteArray, upDown);
    QFETCH(int, angleUpDown);
    BoxBytes heights {};
    std::copy(box.begin(), box.end(), heights.begin());
    const auto bytes
        = [](const BoxBytes &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), 16); };
    QCOMPARE(bytes(mirroredLeftRight(heights)), leftRight);
    QCOMPARE(bytes(mirroredUpDown(heights)), upDown);
    QCOMPARE(int(angleMirroredLeftRight(quint8(angle))), angleLeftRight);
    QCOMPARE(int(angleMirroredUpDown(quint8(angle))), angleUpDown);
    // Either mirror twice gives the box back.
    QCOMPARE(mirroredUpDown(mirroredUpDown(heights)), heights);
    QCOMPARE(int(angleMirroredUpDown(angleMirroredUpDown(quint8(angle)))), angle);
}

void tst_BoxEdits::typedBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes"); // empty: refused
    const QByteArray ramp = QByteArray::fromHex("000102030405060708090A0B0C0D0E0F");
    QTest::newRow("as the field shows them") << "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F" << ramp;
    QTest::newRow("run together, lower case") << "000102030405060708090a0b0c0d0e0f" << ramp;
    QTest::newRow("blanks inside a byte") << "\t0 0010203040506070809 0A0B0C0D0E0F " << ramp;
    QTest::newRow("fifteen bytes") << "000102030405060708090A0B0C0D0E" << QByteArray();
    QTest::newRow("seventeen bytes") << "000102030405060708090A0B0C0D0E0F10" << QByteArray();
    QTest::newRow("a prefix") << "0x0102030405060708090A0B0C0D0E0F" << QByteArray();
    QTest::newRow("a sign") << "+00102030405060708090A0B0C0D0E0F" << QByteArray();
    QTest::newRow("another script's digit")
        << QStringLiteral("\u0661000102030405060708090A0B0C0D0E0") << QByteArray();
}

void tst_BoxEdits::typedBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const std::optional<BoxBytes> parsed = parseBoxBytes(text);
    QCOMPARE(parsed.has_value(), !bytes.isEmpty());
    if (parsed)
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(parsed->data()), 16), bytes);
}

QTEST_GUILESS_MAIN(tst_BoxEdits)
#include "tst_boxedits.moc"
