#include <QTest>

class tst_BitmapExport : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(tst_BitmapExport)
#include "tst_bitmapexport.moc"
