#include "languagetable.h"

#include "texthelpers.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

LanguageTexts portuguese()
{
    LanguageTexts t;
    t.Frame1 = QStringLiteral("Idioma");
    t.cmdAbrir = QStringLiteral("&ABRIR ROM");
    t.cmdSair = QStringLiteral("&SAIR");
    t.lblArray = QStringLiteral("Início do array:");
    t.lblBox = QStringLiteral("Caixa de colisão:");
    t.lblLoc = QStringLiteral("Localização:");
    t.optPri = QStringLiteral("Primário");
    t.optSec = QStringLiteral("Secundário");
    t.MsgUnrecognized
        = QStringLiteral("O arquivo escolhido não foi identificado como um dos jogos suportados.") + kCrLf
        + kCrLf
        + QStringLiteral(
            "Escolha Anular para cancelar, Repetir para abrir outro arquivo, ou Ignorar para usar "
            "este arquivo como um dos jogos suportados.");
    t.MsgSaveBitmap = QStringLiteral("Você quer salvar a caixa de colisão atual como uma imagem bitmap?");
    t.OpenTitle = QStringLiteral("Abrir");
    t.SaveTitle = QStringLiteral("Salvar");
    t.MsgReadFailed = QStringLiteral("Não foi possível ler o arquivo:");
    t.MsgWriteFailed = QStringLiteral("Não foi possível salvar o bitmap:");
    t.MsgReplacesShown = QStringLiteral("A imagem não pode substituir o arquivo em exibição.");
    t.MsgSeveralSets = QStringLiteral("A pasta %1 tem mais de um conjunto de tabelas de colisão. Abra o "
                                      "arquivo de alturas de um deles:\n%2");
    t.Yes = QStringLiteral("&Sim");
    t.No = QStringLiteral("&Não");
    t.Abort = QStringLiteral("&Anular");
    t.Retry = QStringLiteral("&Repetir");
    t.Ignore = QStringLiteral("&Ignorar");
    t.Ok = QStringLiteral("OK");
    t.Save = QStringLiteral("&Salvar");
    t.Discard = QStringLiteral("&Descartar");
    t.Cancel = QStringLiteral("&Cancelar");
    t.txtArquivoName = QStringLiteral("Arquivo carregado");
    t.HScroll1Name = QStringLiteral("Escolher a caixa de colisão");
    t.Picture1Name = QStringLiteral("Imagem da caixa de colisão");
    t.Picture1Description = QStringLiteral("Caixa %1, colunas: %2");
    t.Picture1Empty = QStringLiteral("Nenhum arquivo aberto");
    return t;
}

LanguageTexts english()
{
    LanguageTexts t;
    t.Frame1 = QStringLiteral("Language");
    t.cmdAbrir = QStringLiteral("&OPEN ROM");
    t.cmdSair = QStringLiteral("&QUIT");
    t.lblArray = QStringLiteral("Array start:");
    t.lblBox = QStringLiteral("Collision box:");
    t.lblLoc = QStringLiteral("Location:");
    t.optPri = QStringLiteral("Primary");
    t.optSec = QStringLiteral("Secondary");
    t.MsgUnrecognized = QStringLiteral("The chosen file wasn't recognized as one of the supported games.")
        + kCrLf + kCrLf
        + QStringLiteral(
            "Choose Abort to cancel, Retry to open another file, or Ignore to use this file as one "
            "of the supported games.");
    t.MsgSaveBitmap = QStringLiteral("Do you want to save the current collision box as a bitmap image?");
    t.OpenTitle = QStringLiteral("Open");
    t.SaveTitle = QStringLiteral("Save");
    t.MsgReadFailed = QStringLiteral("The file could not be read:");
    t.MsgWriteFailed = QStringLiteral("The bitmap could not be saved:");
    t.MsgReplacesShown = QStringLiteral("The picture may not replace the file being shown.");
    t.MsgSeveralSets = QStringLiteral("The folder %1 holds more than one set of collision tables. Open the "
                                      "heights file of one of them:\n%2");
    t.Yes = QStringLiteral("&Yes");
    t.No = QStringLiteral("&No");
    t.Abort = QStringLiteral("&Abort");
    t.Retry = QStringLiteral("&Retry");
    t.Ignore = QStringLiteral("&Ignore");
    t.Ok = QStringLiteral("OK");
    t.Save = QStringLiteral("&Save");
    t.Discard = QStringLiteral("&Discard");
    t.Cancel = QStringLiteral("&Cancel");
    t.txtArquivoName = QStringLiteral("Loaded file");
    t.HScroll1Name = QStringLiteral("Choose the collision box");
    t.Picture1Name = QStringLiteral("Collision box picture");
    t.Picture1Description = QStringLiteral("Box %1, columns: %2");
    t.Picture1Empty = QStringLiteral("No file open");
    return t;
}

} // namespace

const LanguageTexts &languageTexts(Language language)
{
    static const LanguageTexts kPortuguese = portuguese();
    static const LanguageTexts kEnglish = english();
    return language == Language::Portuguese ? kPortuguese : kEnglish;
}

Language startupLanguage(quint16 langId)
{
    return (langId == 0x0416 || langId == 0x0816) ? Language::Portuguese : Language::English;
}

QString langIdText(quint16 langId)
{
    return QStringLiteral("KERNEL32.GetSystemDefaultLangID = $") + ZeroPad(hexText(langId), 4);
}

QString changeLanguagePrompt()
{
    return QStringLiteral("Escolha 'Sim' para português ou 'Não' para inglês.") + kCrLf
        + QStringLiteral("Choose 'Yes' for Portuguese or 'No' for English.");
}
