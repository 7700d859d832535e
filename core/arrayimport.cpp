#include "arrayimport.h"

#include "importparsers.h"
#include "regularfile.h"

namespace {

enum class Kind
{
    Hex,
    Asm,
    C,
    Json,
    Unknown
};

// The first word of the text decides, so a file named anything still reads as what it holds.
Kind recognize(QStringView word)
{
    if (word.startsWith(QLatin1Char('[')))
        return Kind::Json;
    if (word.startsWith(QLatin1Char(';')) || word.startsWith(QLatin1String("dc.b"), Qt::CaseInsensitive))
        return Kind::Asm;
    if (word.startsWith(QLatin1Char('/')) || word.startsWith(QLatin1Char('{')))
        return Kind::C;
    for (const char *c : { "static", "const", "unsigned", "signed", "char", "uint8_t" }) {
        if (word.startsWith(QLatin1String(c)))
            return Kind::C;
    }
    if (hexValue(word, 16))
        return Kind::Hex;
    return Kind::Unknown;
}

std::pair<int, int> placeOf(QStringView text, qsizetype at)
{
    const QStringView before = text.first(at);
    const qsizetype lineStart = before.lastIndexOf(QLatin1Char('\n')) + 1;
    return { int(before.count(QLatin1Char('\n'))) + 1, int(at - lineStart) + 1 };
}

} // namespace

bool ImportCollector::addBox(std::optional<int> index, const BoxBytes &bytes, int line, int column)
{
    if (failed())
        return false;
    const int box = index.value_or(m_nextBox);
    if (box >= kBoxCount)
        return fail(line, column, importText("box number over FF"));
    if (!m_result.boxes.emplace(box, bytes).second)
        return fail(line, column, importText("box %1 is given twice").arg(indexText(box)));
    m_nextBox = box + 1;
    return true;
}

bool ImportCollector::addAngle(int index, quint8 angle, int line, int column)
{
    if (failed())
        return false;
    if (!m_result.angles.emplace(index, angle).second)
        return fail(line, column, importText("the angle of box %1 is given twice").arg(indexText(index)));
    return true;
}

bool ImportCollector::fail(int line, int column, const QString &reason)
{
    if (!m_failure)
        m_failure = ImportFailure { QString(), reason, line, column };
    return false;
}

std::variant<ImportedBoxes, ImportFailure> ImportCollector::take()
{
    if (m_failure)
        return *m_failure;
    return std::move(m_result);
}

std::optional<quint64> hexValue(QStringView text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : text) {
        const int digit = c.isDigit() ? c.unicode() - '0' : (c.toLower().unicode() - 'a' + 10);
        if (c.unicode() > 0x7F || digit < 0 || digit > 15)
            return std::nullopt;
        value = value * 16 + quint64(digit);
    }
    return value;
}

QString importPlaceText(const ImportFailure &failure)
{
    if (failure.line > 0)
        return importText("line %1, column %2").arg(failure.line).arg(failure.column);
    if (failure.box >= 0)
        return importText("box %1, column %2").arg(indexText(failure.box)).arg(failure.boxColumn);
    return QString();
}

std::variant<ImportedBoxes, ImportFailure> parseArrayText(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    // A byte order mark is no word, but keeps its column.
    if (text.startsWith(QChar(0xFEFF)))
        text[0] = QLatin1Char(' ');
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    qsizetype end = start;
    while (end < text.size() && !text.at(end).isSpace())
        ++end;
    const Kind kind = recognize(QStringView(text).sliced(start, end - start));
    ImportCollector collector(ImportFormat(kind == Kind::Unknown ? 0 : int(kind)));
    switch (kind) {
    case Kind::Hex:
        parseHexLines(text, collector);
        break;
    case Kind::Asm:
        parseAsmLines(text, collector);
        break;
    case Kind::C:
        parseCText(text, collector);
        break;
    case Kind::Json:
        parseJsonText(bytes, collector);
        break;
    case Kind::Unknown: {
        const auto [line, column] = placeOf(text, start);
        collector.fail(line, column, importText("not a dump in the hex, asm, C or JSON format"));
        break;
    }
    }
    auto result = collector.take();
    if (const auto *boxes = std::get_if<ImportedBoxes>(&result); boxes && boxes->boxes.empty()) {
        const auto [line, column] = placeOf(text, text.size());
        return ImportFailure { QString(), importText("holds no box"), line, column };
    }
    return result;
}

std::variant<QByteArray, ImportFailure> readImportFile(const QString &path)
{
    RegularFile file(path);
    if (file.failure())
        return ImportFailure { path, file.failure()->reason };
    if (file.size() > kMaxImportSize)
        return ImportFailure { path, importText("too large for a dump (%1 bytes)").arg(file.size()) };
    QByteArray bytes(file.size(), Qt::Uninitialized);
    const qint64 got = file.readAt(0, bytes.data(), bytes.size());
    if (got < 0)
        return ImportFailure { path, file.failure()->reason };
    bytes.truncate(got);
    return bytes;
}
