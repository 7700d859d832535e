// The system's words for a failed file, in the language asked for. A Portuguese locale of the tests'
// own (LOCPATH) stands in for a Portuguese system.

#include "systemmessages.h"

#include <QTest>

#include <cerrno>

class tst_SystemMessages : public QObject
{
    Q_OBJECT

private slots:
    void followTheLanguage_data();
    void followTheLanguage();
};

void tst_SystemMessages::followTheLanguage_data()
{
    QTest::addColumn<QList<QLocale::Language>>("languages"); // asked for in turn
    QTest::addColumn<QByteArray>("languageVariable"); // LANGUAGE, which outranks LC_MESSAGES
    QTest::addColumn<bool>("followed"); // what the last one returns
    QTest::addColumn<QString>("words");
    const QString english = QStringLiteral("No such file or directory");
    const QString portuguese = QStringLiteral("Arquivo ou diretório inexistente");
    QTest::newRow("English") << QList { QLocale::English } << QByteArray() << true << english;
    QTest::newRow("Portuguese") << QList { QLocale::Portuguese } << QByteArray() << true << portuguese;
    QTest::newRow("back to English, as F6 does") << QList { QLocale::Portuguese, QLocale::English } << QByteArray()
                                                 << true << english;
    QTest::newRow("English whatever LANGUAGE says") << QList { QLocale::Portuguese, QLocale::English }
                                                    << QByteArray("pt_BR:pt") << true << english;
    QTest::newRow("none installed keeps the last") << QList { QLocale::Portuguese, QLocale::Finnish }
                                                   << QByteArray() << false << portuguese;
}

void tst_SystemMessages::followTheLanguage()
{
    QFETCH(QList<QLocale::Language>, languages);
    QFETCH(QByteArray, languageVariable);
    QFETCH(bool, followed);
    QFETCH(QString, words);
    qputenv("LANGUAGE", languageVariable);
    bool last = false;
    for (const QLocale::Language language : languages)
        last = useSystemMessagesIn(language);
    QCOMPARE(last, followed);
    QCOMPARE(systemReason(ENOENT), words);
}

QTEST_GUILESS_MAIN(tst_SystemMessages)
#include "tst_systemmessages.moc"
