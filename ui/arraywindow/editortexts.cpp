#include "editortexts.h"

namespace {

EditorTexts portuguese()
{
    EditorTexts t;
    t.editorName = QStringLiteral("Editor da caixa");
    t.editorTip = QStringLiteral(
        "Clique ou arraste para definir a altura de uma coluna; clique de novo no topo da coluna, ou use o "
        "botão direito, para esvaziá-la. Setas: coluna e altura; Delete esvazia.");
    t.columnName = QStringLiteral("Coluna %1");
    t.bytes = QStringLiteral("By&tes:");
    t.bytesTip = QStringLiteral("Os 16 bytes da caixa em hexadecimal; Enter aplica");
    t.angle = QStringLiteral("Ângu&lo:");
    t.angleTip = QStringLiteral("O byte do ângulo em hexadecimal; Enter aplica");
    t.noAngleMap = QStringLiteral("sem mapa de ângulos");
    t.flagged = QStringLiteral("&Marcado (FF)");
    t.flaggedTip = QStringLiteral("O jogo calcula o ângulo sozinho");
    t.floor = QStringLiteral("C&hão");
    t.ceiling = QStringLiteral("Tet&o");
    t.mirrorLeftRight = QStringLiteral("&Espelhar ↔");
    t.mirrorUpDown = QStringLiteral("Espelhar ↕");
    t.copyBox = QStringLiteral("Copiar caixa");
    t.pasteBox = QStringLiteral("Col&ar caixa");
    t.revertBox = QStringLiteral("Re&verter caixa");
    t.undo = QStringLiteral("Desfazer");
    t.redo = QStringLiteral("Refazer");
    t.save = QStringLiteral("Salvar");
    t.saveAs = QStringLiteral("Salvar como...");
    t.badBytes = QStringLiteral("\"%1\" não são 16 bytes hexadecimais.");
    t.badAngle = QStringLiteral("\"%1\" não é um byte hexadecimal (00 a FF).");
    t.noBoxToPaste = QStringLiteral("A área de transferência não tem uma caixa.");
    t.severalBoxes = QStringLiteral("A área de transferência tem %1 caixas; Colar caixa usa uma.");
    t.changedOnDisk
        = QStringLiteral("%1 mudou no disco desde que foi lido; Salvar perguntará antes de gravar.");
    t.goneFromDisk
        = QStringLiteral("%1 não existe mais; as mudanças ficam aqui, e Salvar espera que ele volte.");
    t.cannotSaveGone = QStringLiteral(
        "%1 não existe mais, e salvar precisa lê-lo: nada pode ser salvo até que ele volte. As mudanças "
        "ficam aqui; Copiar caixa copia a caixa mostrada.");
    t.firstSave = QStringLiteral("Gravar no próprio arquivo %1?\n\nCaixas: %2\n%3");
    t.checksumFixed = QStringLiteral("O checksum do cabeçalho será corrigido.");
    t.checksumKept = QStringLiteral("O checksum do cabeçalho não muda.");
    t.overwriteChanged = QStringLiteral("%1 mudou no disco desde que foi lido. Gravar por cima mesmo assim?");
    t.keepChange = QStringLiteral("A caixa %1 tem mudanças não salvas. Salvar antes?");
    t.keepChanges = QStringLiteral("As caixas %1 têm mudanças não salvas. Salvar antes?");
    t.saveFailed = QStringLiteral("Não foi possível salvar:");
    t.imageFilter = QStringLiteral("Todos os arquivos (*.*)|*.*");
    return t;
}

EditorTexts english()
{
    EditorTexts t;
    t.editorName = QStringLiteral("Box editor");
    t.editorTip = QStringLiteral(
        "Click or drag to set a column's height; click a column's top cell again, or right-click, to empty "
        "it. Arrows: column and height; Delete empties.");
    t.columnName = QStringLiteral("Column %1");
    t.bytes = QStringLiteral("By&tes:");
    t.bytesTip = QStringLiteral("The box's 16 bytes in hexadecimal; Enter applies them");
    t.angle = QStringLiteral("&Angle:");
    t.angleTip = QStringLiteral("The angle byte in hexadecimal; Enter applies it");
    t.noAngleMap = QStringLiteral("no angle map");
    t.flagged = QStringLiteral("F&lagged (FF)");
    t.flaggedTip = QStringLiteral("The game works the angle out itself");
    t.floor = QStringLiteral("Fl&oor");
    t.ceiling = QStringLiteral("C&eiling");
    t.mirrorLeftRight = QStringLiteral("&Mirror ↔");
    t.mirrorUpDown = QStringLiteral("M&irror ↕");
    t.copyBox = QStringLiteral("Copy box");
    t.pasteBox = QStringLiteral("&Paste box");
    t.revertBox = QStringLiteral("Re&vert box");
    t.undo = QStringLiteral("Undo");
    t.redo = QStringLiteral("Redo");
    t.save = QStringLiteral("Save");
    t.saveAs = QStringLiteral("Save as...");
    t.badBytes = QStringLiteral("\"%1\" is not 16 hexadecimal bytes.");
    t.badAngle = QStringLiteral("\"%1\" is not a hexadecimal byte (00 to FF).");
    t.noBoxToPaste = QStringLiteral("The clipboard holds no box.");
    t.severalBoxes = QStringLiteral("The clipboard holds %1 boxes; Paste box takes one.");
    t.changedOnDisk = QStringLiteral("%1 changed on disk since it was read; Save will ask before writing.");
    t.goneFromDisk
        = QStringLiteral("%1 no longer exists; the edits stay here, and Save waits until it is back.");
    t.cannotSaveGone = QStringLiteral(
        "%1 no longer exists, and saving reads it: nothing can be saved until it is back. The edits stay "
        "here; Copy box copies the box on display.");
    t.firstSave = QStringLiteral("Write into the file itself, %1?\n\nBoxes: %2\n%3");
    t.checksumFixed = QStringLiteral("The header checksum will be corrected.");
    t.checksumKept = QStringLiteral("The header checksum does not change.");
    t.overwriteChanged = QStringLiteral("%1 changed on disk since it was read. Write over it all the same?");
    t.keepChange = QStringLiteral("Box %1 has unsaved changes. Save it first?");
    t.keepChanges = QStringLiteral("Boxes %1 have unsaved changes. Save them first?");
    t.saveFailed = QStringLiteral("Could not save:");
    t.imageFilter = QStringLiteral("All files (*.*)|*.*");
    return t;
}

} // namespace

const EditorTexts &editorTexts(Language language)
{
    static const EditorTexts kPortuguese = portuguese();
    static const EditorTexts kEnglish = english();
    return language == Language::Portuguese ? kPortuguese : kEnglish;
}
