#include <QTest>

class tst_Form2 : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(tst_Form2)
#include "tst_form2.moc"
