#include "languagetable.h"
#include "systemlanguage.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QProcess>
#include <QTest>

#include <array>
#include <cstdio>

namespace {

// Set in a child process: print the system language id and leave, so the parent can vary LANG.
constexpr auto kPrintLangIdVar = "TILEGAUGE_PRINT_LANGID";

struct Field
{
    const char *name;
    QString LanguageTexts::*member;
};

constexpr std::array kFields {
    Field { "Frame1", &LanguageTexts::Frame1 },
    Field { "cmdAbrir", &LanguageTexts::cmdAbrir },
    Field { "cmdSair", &LanguageTexts::cmdSair },
    Field { "lblArray", &LanguageTexts::lblArray },
    Field { "lblBox", &LanguageTexts::lblBox },
    Field { "lblLoc", &LanguageTexts::lblLoc },
    Field { "optPri", &LanguageTexts::optPri },
    Field { "optSec", &LanguageTexts::optSec },
    Field { "MsgUnrecognized", &LanguageTexts::MsgUnrecognized },
    Field { "MsgSaveBitmap", &LanguageTexts::MsgSaveBitmap },
    Field { "OpenTitle", &LanguageTexts::OpenTitle },
    Field { "SaveTitle", &LanguageTexts::SaveTitle },
    Field { "MsgReadFailed", &LanguageTexts::MsgReadFailed },
    Field { "MsgWriteFailed", &LanguageTexts::MsgWriteFailed },
    Field { "MsgReplacesShown", &LanguageTexts::MsgReplacesShown },
    Field { "MsgSeveralSets", &LanguageTexts::MsgSeveralSets },
    Field { "Yes", &LanguageTexts::Yes },
    Field { "No", &LanguageTexts::No },
    Field { "Abort", &LanguageTexts::Abort },
    Field { "Retry", &LanguageTexts::Retry },
    Field { "Ignore", &LanguageTexts::Ignore },
    Field { "Ok", &LanguageTexts::Ok },
    Field { "Save", &LanguageTexts::Save },
    Field { "Discard", &LanguageTexts::Discard },
    Field { "Cancel", &LanguageTexts::Cancel },
    Field { "txtArquivoName", &LanguageTexts::txtArquivoName },
    Field { "HScroll1Name", &LanguageTexts::HScroll1Name },
    Field { "Picture1Name", &LanguageTexts::Picture1Name },
    Field { "Picture1Description", &LanguageTexts::Picture1Description },
    Field { "Picture1Empty", &LanguageTexts::Picture1Empty },
};
// A text added to the struct must be added here too, or the completeness checks would miss it.
static_assert(kFields.size() * sizeof(QString) == sizeof(LanguageTexts));

QString textOf(Language language, const QString &name)
{
    for (const Field &field : kFields) {
        if (name == QLatin1String(field.name))
            return languageTexts(language).*field.member;
    }
    return QStringLiteral("<no field %1>").arg(name);
}

} // namespace

class tst_LanguageTable : public QObject
{
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void everyTextPresentAndTranslated();
    void buttonAccessKeys_data();
    void buttonAccessKeys();
    void langIds_data();
    void langIds();
    void changeLanguagePrompt();
    void langIdFromLocaleName_data();
    void langIdFromLocaleName();
    void systemLangIdFollowsEnvironment_data();
    void systemLangIdFollowsEnvironment();
};

void tst_LanguageTable::texts_data()
{
    // The row name is the field's name.
    QTest::addColumn<QString>("portuguese");
    QTest::addColumn<QString>("english");

    const QString crLf2 = QStringLiteral("\r\n\r\n");
    const QString unrecognizedPt
        = QStringLiteral("O arquivo escolhido não foi identificado como um dos jogos suportados.") + crLf2
        + QStringLiteral(
            "Escolha Anular para cancelar, Repetir para abrir outro arquivo, ou Ignorar para usar "
            "este arquivo como um dos jogos suportados.");
    const QString unrecognizedEn
        = QStringLiteral("The chosen file wasn't recognized as one of the supported games.") + crLf2
        + QStringLiteral(
            "Choose Abort to cancel, Retry to open another file, or Ignore to use this file as one "
            "of the supported games.");
    // clang-format off
    QTest::newRow("Frame1") << "Idioma" << "Language";
    QTest::newRow("cmdAbrir") << "&ABRIR ROM" << "&OPEN ROM";
    QTest::newRow("cmdSair") << "&SAIR" << "&QUIT";
    QTest::newRow("lblArray") << "Início do array:" << "Array start:";
    QTest::newRow("lblBox") << "Caixa de colisão:" << "Collision box:";
    QTest::newRow("lblLoc") << "Localização:" << "Location:";
    QTest::newRow("optPri") << "Primário" << "Primary";
    QTest::newRow("optSec") << "Secundário" << "Secondary";
    QTest::newRow("MsgSaveBitmap") << "Você quer salvar a caixa de colisão atual como uma imagem bitmap?"
                                   << "Do you want to save the current collision box as a bitmap image?";
    QTest::newRow("OpenTitle") << "Abrir" << "Open";
    QTest::newRow("SaveTitle") << "Salvar" << "Save";
    QTest::newRow("MsgUnrecognized") << unrecognizedPt << unrecognizedEn;
    QTest::newRow("Yes") << "&Sim" << "&Yes";
    QTest::newRow("No") << "&Não" << "&No";
    QTest::newRow("Abort") << "&Anular" << "&Abort";
    QTest::newRow("Retry") << "&Repetir" << "&Retry";
    QTest::newRow("Ignore") << "&Ignorar" << "&Ignore";
    QTest::newRow("Ok") << "OK" << "OK";
    QTest::newRow("MsgReadFailed") << "Não foi possível ler o arquivo:" << "The file could not be read:";
    QTest::newRow("MsgWriteFailed") << "Não foi possível salvar o bitmap:" << "The bitmap could not be saved:";
    // clang-format on
}

void tst_LanguageTable::texts()
{
    QFETCH(QString, portuguese);
    QFETCH(QString, english);
    const QString field = QString::fromLatin1(QTest::currentDataTag());
    QCOMPARE(textOf(Language::Portuguese, field), portuguese);
    QCOMPARE(textOf(Language::English, field), english);
}

void tst_LanguageTable::everyTextPresentAndTranslated()
{
    for (const Field &field : kFields) {
        const QString pt = languageTexts(Language::Portuguese).*field.member;
        const QString en = languageTexts(Language::English).*field.member;
        QVERIFY2(!pt.isEmpty() && !en.isEmpty(), field.name);
        if (QLatin1String(field.name) != QLatin1String("Ok"))
            QVERIFY2(pt != en, field.name);
    }
}

void tst_LanguageTable::buttonAccessKeys_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Portuguese") << Language::Portuguese;
    QTest::newRow("English") << Language::English;
}

void tst_LanguageTable::buttonAccessKeys()
{
    QFETCH(Language, language);
    const LanguageTexts &t = languageTexts(language);
    // The buttons that share a box must answer to different letters.
    const QList<QStringList> boxes { { t.Yes, t.No }, { t.Abort, t.Retry, t.Ignore },
        { t.Save, t.Discard, t.Cancel } };
    for (const QStringList &box : boxes) {
        QList<QKeySequence> keys;
        for (const QString &caption : box) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            QVERIFY2(!key.isEmpty(), qPrintable(caption));
            QVERIFY2(!keys.contains(key), qPrintable(caption));
            keys.append(key);
        }
    }
    QVERIFY(!t.Ok.contains(QLatin1Char('&')));
}

void tst_LanguageTable::langIds_data()
{
    QTest::addColumn<int>("langId");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("pt-BR") << 0x0416 << Language::Portuguese << "KERNEL32.GetSystemDefaultLangID = $0416";
    QTest::newRow("pt-PT") << 0x0816 << Language::Portuguese << "KERNEL32.GetSystemDefaultLangID = $0816";
    QTest::newRow("en-US") << 0x0409 << Language::English << "KERNEL32.GetSystemDefaultLangID = $0409";
    QTest::newRow("es-ES") << 0x0C0A << Language::English << "KERNEL32.GetSystemDefaultLangID = $0C0A";
    QTest::newRow("neutral pt") << 0x0016 << Language::English << "KERNEL32.GetSystemDefaultLangID = $0016";
    QTest::newRow("none") << 0x0000 << Language::English << "KERNEL32.GetSystemDefaultLangID = $0000";
    QTest::newRow("highest") << 0xFFFF << Language::English << "KERNEL32.GetSystemDefaultLangID = $FFFF";
    // clang-format on
}

void tst_LanguageTable::langIds()
{
    QFETCH(int, langId);
    QFETCH(Language, language);
    QFETCH(QString, text);
    QCOMPARE(startupLanguage(quint16(langId)), language);
    QCOMPARE(langIdText(quint16(langId)), text);
}

void tst_LanguageTable::changeLanguagePrompt()
{
    QCOMPARE(::changeLanguagePrompt(),
        QStringLiteral("Escolha 'Sim' para português ou 'Não' para inglês.\r\n"
                       "Choose 'Yes' for Portuguese or 'No' for English."));
}

void tst_LanguageTable::langIdFromLocaleName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("langId");
    // clang-format off
    QTest::newRow("pt_BR") << "pt_BR" << 0x0416;
    QTest::newRow("pt_PT") << "pt_PT" << 0x0816;
    QTest::newRow("en_US") << "en_US" << 0x0409;
    QTest::newRow("es_ES") << "es_ES" << 0x0C0A;
    QTest::newRow("pt") << "pt" << 0x0016;
    QTest::newRow("C") << "C" << 0x0000;
    // clang-format on
}

void tst_LanguageTable::langIdFromLocaleName()
{
    QFETCH(QString, name);
    QFETCH(int, langId);
    QCOMPARE(int(::langIdFromLocaleName(name)), langId);
}

void tst_LanguageTable::systemLangIdFollowsEnvironment_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("printed");
    // clang-format off
    QTest::newRow("pt_BR") << "pt_BR.UTF-8" << "0416";
    QTest::newRow("en_US") << "en_US.UTF-8" << "0409";
    QTest::newRow("pt_PT") << "pt_PT.UTF-8" << "0816";
    // clang-format on
}

void tst_LanguageTable::systemLangIdFollowsEnvironment()
{
    QFETCH(QString, lang);
    QFETCH(QString, printed);

    // QLocale::system() reads the environment once per process, so each language needs a fresh one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : env.keys()) {
        if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANGUAGE"))
            env.remove(name);
    }
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QString::fromLatin1(kPrintLangIdVar), QStringLiteral("1"));

    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY2(child.waitForFinished(10000), qPrintable(child.errorString()));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromLatin1(child.readAllStandardOutput()).trimmed(), printed);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kPrintLangIdVar)) {
        std::printf("%04X\n", unsigned(GetSystemDefaultLangID()));
        return 0;
    }
    tst_LanguageTable test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languagetable.moc"
