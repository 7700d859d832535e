#include "batchtexts.h"

#include "failuretext.h"
#include "languagetable.h"
#include "systemlanguage.h"

#include <cstdio>

namespace {

BatchTexts portuguese()
{
    BatchTexts t;
    t.language = QLocale::Portuguese;
    t.readFailed = languageTexts(Language::Portuguese).MsgReadFailed;
    t.writeFailed = QStringLiteral("Não foi possível gravar a imagem:");
    t.oneCommand = QStringLiteral(
        "Use um só de --dump, --sheet, --find, --diff, --check e as mudanças (com --output).");
    t.needsOneFile = QStringLiteral("%1 precisa de um arquivo.");
    t.needsTwoFiles = QStringLiteral("--diff precisa de dois arquivos.");
    t.goesOnlyWith = QStringLiteral("%1 só vale com %2.");
    t.badFormat = QStringLiteral("Formato desconhecido \"%1\": use hex, asm, c ou json.");
    t.badLook = QStringLiteral("Aparência desconhecida \"%1\": use canvas ou compact.");
    t.badGame = QStringLiteral("--game aceita um número de 1 a 7, não \"%1\".");
    t.badOffset = QStringLiteral("%1 aceita um deslocamento hexadecimal, não \"%2\".");
    t.noSecondary = QStringLiteral("O jogo %1 não tem array secundário: --secondary vale para os jogos 1, 2 e 7.");
    t.unrecognized = QStringLiteral(
        "%1 não foi identificado como um dos jogos suportados: use --game N (1 a 7) ou --array DESLOCAMENTO.");
    t.overInput = QStringLiteral("A saída não pode substituir %1, um arquivo da entrada.");
    t.badSheetName = QStringLiteral("%1: a folha é gravada em PNG ou BMP; use um nome terminado em .png ou .bmp.");
    t.uncheckedAngles = QStringLiteral("O mapa de ângulos do jogo %1 é lido em %2, posição não conferida nos "
                                       "arquivos desse jogo; --angles DESLOCAMENTO lê em outro lugar.");
    t.nothingFound = QStringLiteral("Nenhuma tabela encontrada em %1.");
    t.scanning = QStringLiteral("Examinando %1: %2%");
    t.tryHelp = QStringLiteral("Experimente 'tilegauge --help' para mais informações.");
    t.oneWindowFile = QStringLiteral("A janela abre um arquivo só, e foram dados %1.");
    t.notLocal = QStringLiteral("%1 não é um arquivo local.");
    t.noDisplay = QStringLiteral("Não há tela para mostrar a janela.");
    t.ambiguous = QStringLiteral("%1 guarda %2 conjuntos de colisão; dê um dos arquivos deles: %3.");
    t.missingTable = QStringLiteral("%1: o conjunto não tem %2.");
    t.pastEnd = QStringLiteral("%1: o %2 em %3 passa do fim do arquivo; o que falta é lido como 00.");
    t.tableNames = { QStringLiteral("mapa de ângulos"), QStringLiteral("array de alturas"),
        QStringLiteral("array de larguras") };
    t.checkClean = QStringLiteral("%1: %2 caixas conferidas, nenhum achado.");
    t.checkFound = QStringLiteral("%1: %2 caixas conferidas, achados: %3.");
    t.importFailed = QStringLiteral("Não foi possível importar as caixas:");
    t.copyFailed = QStringLiteral("Não foi possível gravar a cópia:");
    t.needsOutput = QStringLiteral("Uma mudança é gravada num arquivo novo: dê --output CAMINHO.");
    t.bothChecksums = QStringLiteral("Use --fix-checksum ou --keep-checksum, não os dois.");
    t.badSet = QStringLiteral(
        "--set aceita BOX=BYTES, uma caixa de 00 a FF e 16 bytes hexadecimais, não \"%1\".");
    t.badSetAngle = QStringLiteral(
        "--set-angle aceita BOX=BYTE, uma caixa de 00 a FF e um byte hexadecimal, não \"%1\".");
    t.noChecksum = QStringLiteral("%1 não tem cabeçalho com soma de verificação.");
    t.description = QStringLiteral("Mostra as caixas de colisão do terreno da imagem ROM ou do arquivo de fase de um "
                                   "jogo de plataforma de 16 bits.");
    t.helpHelp = QStringLiteral("Mostra esta ajuda.");
    t.versionHelp = QStringLiteral("Mostra a versão.");
    t.fileHelp = QStringLiteral("Arquivo ROM ou de fase a abrir, como caminho ou URL file://.");
    t.gamesHeading = QStringLiteral("Jogos (--game N):");
    t.exitStatuses = QStringLiteral("Código de saída: 0 feito, 1 um arquivo não pôde ser lido ou gravado,\n"
                                    "2 erro de uso; com --diff, 0 iguais, 1 diferentes, 2 problema;\n"
                                    "com --check, 0 nada achado, 1 achados, 2 problema.");
    t.seeManual = QStringLiteral("A janela, suas teclas e exemplos estão no manual: man tilegauge.");
    t.dumpHelp = QStringLiteral("Escreve o array na saída padrão.");
    t.formatHelp = QStringLiteral("Formato de --dump: hex (padrão), asm, c ou json.");
    t.sheetHelp = QStringLiteral("Grava as 256 caixas numa imagem PNG (ou BMP, pelo nome; - para a saída padrão).");
    t.lookHelp = QStringLiteral("Aparência de --sheet: canvas (padrão) ou compact.");
    t.findHelp = QStringLiteral("Lista as tabelas candidatas do arquivo, a melhor primeiro.");
    t.diffHelp = QStringLiteral("Lista as caixas que diferem entre os arrays de dois arquivos.");
    t.checkHelp = QStringLiteral("Confere o conjunto: larguras contra alturas, alturas cheias, ângulos ímpares.");
    t.indexHelp = QStringLiteral("Com --dump, diz que zonas deste índice usam cada caixa (repetível).");
    t.gameHelp = QStringLiteral("Usa a linha N (1 a 7) do catálogo, sem identificar o arquivo.");
    t.secondaryHelp = QStringLiteral("Usa o array secundário (jogos 1, 2 e 7).");
    t.arrayHelp = QStringLiteral("Usa o array neste deslocamento hexadecimal.");
    t.anglesHelp = QStringLiteral("Lê o mapa de ângulos neste deslocamento hexadecimal.");
    t.importHelp = QStringLiteral(
        "Muda as caixas (e ângulos) que SOURCE dá: um dump em qualquer formato, ou uma folha compact.");
    t.setHelp = QStringLiteral("Dá à caixa BOX (hexadecimal) estes 16 bytes (repetível).");
    t.setAngleHelp = QStringLiteral("Dá à caixa BOX este ângulo (repetível).");
    t.deriveWidthsHelp = QStringLiteral("Refaz todo o array de larguras a partir das alturas.");
    t.fixChecksumHelp = QStringLiteral(
        "Corrige a soma de verificação do cabeçalho (sempre feito nos jogos 1, 2 e 4).");
    t.keepChecksumHelp = QStringLiteral("Mantém a soma de verificação dos jogos 1, 2 e 4 como está.");
    t.outputHelp = QStringLiteral(
        "Grava a cópia mudada aqui (uma pasta para um conjunto de arquivos); nunca a entrada.");
    return t;
}

BatchTexts english()
{
    BatchTexts t;
    t.language = QLocale::English;
    t.readFailed = languageTexts(Language::English).MsgReadFailed;
    t.writeFailed = QStringLiteral("The picture could not be written:");
    t.oneCommand = QStringLiteral(
        "Give only one of --dump, --sheet, --find, --diff, --check and the changes (with --output).");
    t.needsOneFile = QStringLiteral("%1 needs one file.");
    t.needsTwoFiles = QStringLiteral("--diff needs two files.");
    t.goesOnlyWith = QStringLiteral("%1 goes only with %2.");
    t.badFormat = QStringLiteral("Unknown format \"%1\": use hex, asm, c or json.");
    t.badLook = QStringLiteral("Unknown look \"%1\": use canvas or compact.");
    t.badGame = QStringLiteral("--game takes a number from 1 to 7, not \"%1\".");
    t.badOffset = QStringLiteral("%1 takes a hexadecimal offset, not \"%2\".");
    t.noSecondary = QStringLiteral("Game %1 has no secondary array: --secondary is for games 1, 2 and 7.");
    t.unrecognized = QStringLiteral(
        "%1 wasn't recognized as one of the supported games: give --game N (1 to 7) or --array OFFSET.");
    t.overInput = QStringLiteral("The output may not replace %1, a file of the input.");
    t.badSheetName = QStringLiteral("%1: a sheet is written as PNG or BMP; give a name ending in .png or .bmp.");
    t.uncheckedAngles = QStringLiteral("The angle map of game %1 is read from %2, a place not checked against "
                                       "that game's files; --angles OFFSET reads it elsewhere.");
    t.nothingFound = QStringLiteral("No tables found in %1.");
    t.scanning = QStringLiteral("Scanning %1: %2%");
    t.tryHelp = QStringLiteral("Try 'tilegauge --help' for more information.");
    t.oneWindowFile = QStringLiteral("The window opens one file at most, and %1 were given.");
    t.notLocal = QStringLiteral("%1 is not a local file.");
    t.noDisplay = QStringLiteral("There is no display to show the window on.");
    t.ambiguous = QStringLiteral("%1 holds %2 collision sets; give one of their files: %3.");
    t.missingTable = QStringLiteral("%1: the set has no %2.");
    t.pastEnd = QStringLiteral("%1: the %2 at %3 reaches past the end of the file; the rest reads as 00.");
    t.tableNames
        = { QStringLiteral("angle map"), QStringLiteral("height array"), QStringLiteral("width array") };
    t.checkClean = QStringLiteral("%1: %2 boxes checked, nothing found.");
    t.checkFound = QStringLiteral("%1: %2 boxes checked, findings: %3.");
    t.importFailed = QStringLiteral("The boxes could not be imported:");
    t.copyFailed = QStringLiteral("The copy could not be written:");
    t.needsOutput = QStringLiteral("A change is written to a new file: give --output PATH.");
    t.bothChecksums = QStringLiteral("Give --fix-checksum or --keep-checksum, not both.");
    t.badSet = QStringLiteral(
        "--set takes BOX=BYTES, a box from 00 to FF and 16 hexadecimal bytes, not \"%1\".");
    t.badSetAngle = QStringLiteral(
        "--set-angle takes BOX=BYTE, a box from 00 to FF and one hexadecimal byte, not \"%1\".");
    t.noChecksum = QStringLiteral("%1 has no header checksum.");
    t.description = QStringLiteral(
        "Shows the terrain collision boxes of a 16-bit platform game's ROM image or level file.");
    t.helpHelp = QStringLiteral("Show this help.");
    t.versionHelp = QStringLiteral("Show the version.");
    t.fileHelp = QStringLiteral("A ROM image or level file to open, as a path or a file:// URL.");
    t.gamesHeading = QStringLiteral("Games (--game N):");
    t.exitStatuses = QStringLiteral("Exit status: 0 done, 1 a file could not be read or written, 2 a usage error;\n"
                                    "with --diff, 0 the same, 1 different, 2 trouble;\n"
                                    "with --check, 0 nothing found, 1 findings, 2 trouble.");
    t.seeManual = QStringLiteral("The window, its keys and examples are in the manual: man tilegauge.");
    t.dumpHelp = QStringLiteral("Print the array on standard output.");
    t.formatHelp = QStringLiteral("Format of --dump: hex (default), asm, c or json.");
    t.sheetHelp = QStringLiteral("Write the 256 boxes as one PNG picture (BMP by the name; - for standard output).");
    t.lookHelp = QStringLiteral("Look of --sheet: canvas (default) or compact.");
    t.findHelp = QStringLiteral("List the file's candidate tables, best first.");
    t.diffHelp = QStringLiteral("List the boxes that differ between the arrays of two files.");
    t.checkHelp = QStringLiteral("Check the collision set: widths against heights, full heights, odd angles.");
    t.indexHelp = QStringLiteral("With --dump, name the zones of this index file that use each box (repeatable).");
    t.gameHelp = QStringLiteral("Use catalogue row N (1 to 7) without identifying the file.");
    t.secondaryHelp = QStringLiteral("Use the secondary array (games 1, 2 and 7).");
    t.arrayHelp = QStringLiteral("Use the array at this hexadecimal offset.");
    t.anglesHelp = QStringLiteral("Read the angle map at this hexadecimal offset.");
    t.importHelp = QStringLiteral(
        "Change the boxes (and angles) that SOURCE gives: a dump in any format, or a compact sheet.");
    t.setHelp = QStringLiteral("Give box BOX (hexadecimal) these 16 bytes (repeatable).");
    t.setAngleHelp = QStringLiteral("Give box BOX this angle byte (repeatable).");
    t.deriveWidthsHelp = QStringLiteral("Derive the whole width array from the heights.");
    t.fixChecksumHelp = QStringLiteral("Correct the header checksum (always done for games 1, 2 and 4).");
    t.keepChecksumHelp = QStringLiteral("Leave the header checksum of games 1, 2 and 4 as it was.");
    t.outputHelp = QStringLiteral(
        "Write the changed copy here (a folder for a set of files); never the input.");
    return t;
}

} // namespace

const BatchTexts &batchTexts()
{
    static const BatchTexts kTexts
        = startupLanguage(GetSystemDefaultLangID()) == Language::Portuguese ? portuguese() : english();
    return kTexts;
}

void say(const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("tilegauge: ") + message + QLatin1Char('\n')), stderr);
}

int usageError(const QString &message)
{
    say(message);
    std::fputs(qPrintable(batchTexts().tryHelp + QLatin1Char('\n')), stderr);
    return 2;
}

int refused(const QString &message)
{
    say(message);
    return 2;
}

int fileFailed(const QString &lead, const FileFailure &failure)
{
    say(failureLine(lead, failure));
    return 1;
}

void writeOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}
