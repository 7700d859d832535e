#include "collisionset.h"
#include "romfactory.h"

#include <QTemporaryDir>
#include <QTest>

class tst_CollisionSet : public QObject
{
    Q_OBJECT

private slots:
    void imageLayouts_data();
    void imageLayouts();

private:
    QTemporaryDir m_dir;
};

void tst_CollisionSet::imageLayouts_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<qint64>("heightStart");
    QTest::addColumn<qint64>("fileSize");
    QTest::addColumn<QString>("layout"); // per table its offset, "+" when past the end, "-" when absent
    QTest::newRow("row 5, long tables") << 5 << qint64(0x200) << qint64(0x4200) << "0 200 2200";
    QTest::newRow("lone table file") << 0 << qint64(0) << qint64(0x1000) << "- 0 -";
    QTest::newRow("widths cut short") << 1 << qint64(0x100) << qint64(0x1900) << "0 100 1100+";
    QTest::newRow("heights past the end") << 1 << qint64(0x100) << qint64(0x800) << "0 100+ -";
}

void tst_CollisionSet::imageLayouts()
{
    QFETCH(int, gameId);
    QFETCH(qint64, heightStart);
    QFETCH(qint64, fileSize);
    QFETCH(QString, layout);
    const QString path = m_dir.filePath(QStringLiteral("image"));
    QVERIFY(romfactory::write(path, QByteArray(fileSize, '\x01')));
    const auto read = readImageSet(path, tablePlaces(gameId, heightStart));
    QVERIFY(std::holds_alternative<CollisionSet>(read));
    const CollisionSet &set = std::get<CollisionSet>(read);
    QStringList got;
    for (const TableKind kind : { TableKind::Angles, TableKind::Heights, TableKind::Widths }) {
        const auto &source = set.table(kind).source;
        got.append(source ? QString::number(source->offset, 16) + (source->pastEnd ? "+" : "") : "-");
        if (source) // the whole table, zeros past the end
            QCOMPARE(set.table(kind).bytes.back(), quint8(source->pastEnd ? 0 : 1));
    }
    QCOMPARE(got.join(QLatin1Char(' ')), layout);
}

QTEST_GUILESS_MAIN(tst_CollisionSet)
#include "tst_collisionset.moc"
