#include "arraywindowtexts.h"

namespace {

ArrayWindowTexts portuguese()
{
    ArrayWindowTexts t;
    t.title = QStringLiteral("Tilegauge - todas as caixas[*]");
    t.gridName = QStringLiteral("As 256 caixas de colisão do array");
    t.boxDescription = QStringLiteral("Caixa %1, colunas: %2, ângulo: %3");
    t.noFile = QStringLiteral("Nenhum arquivo aberto");
    t.readout = QStringLiteral("Caixa %1   local %2   ângulo %4\n%3");
    t.flagged = QStringLiteral("marcado");
    t.noAngleMap = QStringLiteral("ausente (sem mapa de ângulos)");
    t.widthBox = QStringLiteral("\nlargura %1");
    t.noWidthArray = QStringLiteral("\nsem array de larguras");
    t.failsCheck = QStringLiteral("   falha: %1");
    t.checkKinds = { QStringLiteral("largura"), QStringLiteral("altura"), QStringLiteral("ângulo") };
    t.zonesUsing = QStringLiteral("   zonas %1");
    t.noZoneUses = QStringLiteral("   nenhuma zona a usa");
    t.zoneIndexes = QStringLiteral("Índices de &zona...");
    t.zoneIndexesTip = QStringLiteral(
        "Lê os índices de zona (um byte por bloco): as caixas que nenhuma zona usa ficam apagadas");
    t.zoneIndexFilter = QStringLiteral("Índices de zona (*.bin)|*.bin|Todos os arquivos|*");
    t.pastEnd = QStringLiteral(
        "O array em %1 passa do fim do arquivo: as caixas dali em diante são lidas como zeros.");
    t.arrayStart = QStringLiteral("Início do a&rray:");
    t.arrayStartTip = QStringLiteral("Posição do array em hexadecimal; Enter leva a janela principal a ele");
    t.angleStart = QStringLiteral("Mapa de â&ngulos:");
    t.angleStartTip = QStringLiteral("Posição do mapa de ângulos em hexadecimal; Enter o lê de novo");
    t.badOffset = QStringLiteral(
        "\"%1\" não é uma posição hexadecimal: use algarismos de 0 a 9 e A a F, com 0x se quiser.");
    t.beyondMainWindow = QStringLiteral("A janela principal só mostra arrays que começam até %1.");
    t.showAngles = QStringLiteral("Mostrar ân&gulos");
    t.showAnglesTip = QStringLiteral("Desenha o ângulo de cada caixa como uma linha pelo seu centro");
    t.findTables = QStringLiteral("&Procurar tabelas");
    t.findTablesTip = QStringLiteral("Procura no arquivo as instruções que carregam as tabelas de colisão");
    t.cancel = QStringLiteral("Cancelar");
    t.candidatesName = QStringLiteral("Tabelas encontradas");
    t.candidate = QStringLiteral("%1   nota %2   %3 carga(s)%4");
    t.angleMapLoaded = QStringLiteral(", mapa de ângulos carregado");
    t.rotatedLoaded = QStringLiteral(", array girado carregado");
    t.wholeFile = QStringLiteral(", o arquivo inteiro é um array");
    t.noCandidates = QStringLiteral("Nenhuma tabela encontrada.");
    t.searchCancelled = QStringLiteral("Procura cancelada.");
    t.lowScore = QStringLiteral("Estes bytes não parecem dados de colisão (nota %1).");
    t.findTablesHint = QStringLiteral(" Experimente \"Procurar tabelas\".");
    t.foundNoTables = QStringLiteral(" \"Procurar tabelas\" não achou nenhuma tabela neste arquivo.");
    t.saveSheet = QStringLiteral("&Salvar folha...");
    t.saveSheetTip = QStringLiteral("Salva as 256 caixas numa imagem PNG, ou BMP pelo nome");
    t.canvasLook = QStringLiteral("Como na imagem da caixa (2082 x 2082)");
    t.compactLook = QStringLiteral("Compacta (256 x 256)");
    t.copyBox = QStringLiteral("Copiar &caixa");
    t.copyBoxTip = QStringLiteral("Copia a caixa mostrada como texto de assembler; outros formatos no menu");
    t.copyArray = QStringLiteral("Copiar arra&y");
    t.copyArrayTip = QStringLiteral("Copia o array inteiro como texto de assembler; outros formatos no menu");
    t.formatHex = QStringLiteral("Hexadecimal");
    t.formatAsm = QStringLiteral("Assembler (dc.b)");
    t.formatC = QStringLiteral("C");
    t.formatJson = QStringLiteral("JSON");
    t.sheetFilter = QStringLiteral("Imagem PNG (*.png)|*.png|Bitmap (*.bmp)|*.bmp");
    t.MsgSheetFailed = QStringLiteral("Não foi possível salvar a folha:");
    t.sheetNameRefused = QStringLiteral("A folha é gravada em PNG ou BMP: use um nome terminado em .png ou .bmp.");
    t.showAllBoxes = QStringLiteral("Mostrar todas as caixas");
    t.saveBitmap = QStringLiteral("Salvar como bitmap...");
    t.copyBytes = QStringLiteral("Copiar bytes");
    t.copyAsm = QStringLiteral("Copiar como assembler");
    return t;
}

ArrayWindowTexts english()
{
    ArrayWindowTexts t;
    t.title = QStringLiteral("Tilegauge - all boxes[*]");
    t.gridName = QStringLiteral("The 256 collision boxes of the array");
    t.boxDescription = QStringLiteral("Box %1, columns: %2, angle: %3");
    t.noFile = QStringLiteral("No file open");
    t.readout = QStringLiteral("Box %1   offset %2   angle %4\n%3");
    t.flagged = QStringLiteral("flagged");
    t.noAngleMap = QStringLiteral("absent (no angle map)");
    t.widthBox = QStringLiteral("\nwidth %1");
    t.noWidthArray = QStringLiteral("\nno width array");
    t.failsCheck = QStringLiteral("   fails: %1");
    t.checkKinds = { QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("angle") };
    t.zonesUsing = QStringLiteral("   zones %1");
    t.noZoneUses = QStringLiteral("   no zone uses it");
    t.zoneIndexes = QStringLiteral("&Zone indexes...");
    t.zoneIndexesTip
        = QStringLiteral("Reads zone indexes (one byte a block): the boxes no zone uses are dimmed");
    t.zoneIndexFilter = QStringLiteral("Zone indexes (*.bin)|*.bin|All files|*");
    t.pastEnd = QStringLiteral(
        "The array at %1 reaches past the end of the file: the boxes from there on read as zeros.");
    t.arrayStart = QStringLiteral("A&rray start:");
    t.arrayStartTip = QStringLiteral("The array's offset in hexadecimal; Enter moves the main window to it");
    t.angleStart = QStringLiteral("A&ngle map:");
    t.angleStartTip = QStringLiteral("The angle map's offset in hexadecimal; Enter reads it again");
    t.badOffset = QStringLiteral(
        "\"%1\" is not a hexadecimal offset: use the digits 0 to 9 and A to F, 0x in front if you like.");
    t.beyondMainWindow = QStringLiteral("The main window shows only arrays that start up to %1.");
    t.showAngles = QStringLiteral("Show an&gles");
    t.showAnglesTip = QStringLiteral("Draws each box's angle as a line through its centre");
    t.findTables = QStringLiteral("&Find tables");
    t.findTablesTip = QStringLiteral("Searches the file for the instructions that load the collision tables");
    t.cancel = QStringLiteral("Cancel");
    t.candidatesName = QStringLiteral("Tables found");
    t.candidate = QStringLiteral("%1   score %2   %3 load(s)%4");
    t.angleMapLoaded = QStringLiteral(", angle map loaded");
    t.rotatedLoaded = QStringLiteral(", rotated array loaded");
    t.wholeFile = QStringLiteral(", the whole file is an array");
    t.noCandidates = QStringLiteral("No tables found.");
    t.searchCancelled = QStringLiteral("Search cancelled.");
    t.lowScore = QStringLiteral("These bytes do not look like collision data (score %1).");
    t.findTablesHint = QStringLiteral(" Try \"Find tables\".");
    t.foundNoTables = QStringLiteral(" \"Find tables\" found no tables in this file.");
    t.saveSheet = QStringLiteral("&Save sheet...");
    t.saveSheetTip = QStringLiteral("Saves the 256 boxes as one PNG picture, or BMP by name");
    t.canvasLook = QStringLiteral("As the box picture (2082 x 2082)");
    t.compactLook = QStringLiteral("Compact (256 x 256)");
    t.copyBox = QStringLiteral("Copy &box");
    t.copyBoxTip = QStringLiteral("Copies the box on display as assembler text; other formats in the menu");
    t.copyArray = QStringLiteral("Copy arra&y");
    t.copyArrayTip = QStringLiteral("Copies the whole array as assembler text; other formats in the menu");
    t.formatHex = QStringLiteral("Hexadecimal");
    t.formatAsm = QStringLiteral("Assembler (dc.b)");
    t.formatC = QStringLiteral("C");
    t.formatJson = QStringLiteral("JSON");
    t.sheetFilter = QStringLiteral("PNG image (*.png)|*.png|Bitmap (*.bmp)|*.bmp");
    t.MsgSheetFailed = QStringLiteral("The sheet could not be saved:");
    t.sheetNameRefused
        = QStringLiteral("A sheet is written as PNG or BMP: give a name ending in .png or .bmp.");
    t.showAllBoxes = QStringLiteral("Show all boxes");
    t.saveBitmap = QStringLiteral("Save as bitmap...");
    t.copyBytes = QStringLiteral("Copy bytes");
    t.copyAsm = QStringLiteral("Copy as assembler");
    return t;
}

} // namespace

const ArrayWindowTexts &arrayWindowTexts(Language language)
{
    static const ArrayWindowTexts kPortuguese = portuguese();
    static const ArrayWindowTexts kEnglish = english();
    return language == Language::Portuguese ? kPortuguese : kEnglish;
}
