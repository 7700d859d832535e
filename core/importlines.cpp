// The line formats: hex (one box a line) and asm (a comment naming the box, then its dc.b line).

#include "importparsers.h"
#include "texthelpers.h"

#include <QList>

namespace {

struct LineWord
{
    QStringView text;
    int column = 0; ///< 1-based
};

// The words of `line` between blanks and the separators in `separators`, each with its 1-based column.
QList<LineWord> wordsOf(QStringView line, QLatin1String separators = QLatin1String(""))
{
    QList<LineWord> words;
    qsizetype i = 0;
    while (i < line.size()) {
        if (line.at(i).isSpace() || separators.contains(line.at(i))) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < line.size() && !line.at(i).isSpace() && !separators.contains(line.at(i)))
            ++i;
        words.append({ line.sliced(start, i - start), int(start) + 1 });
    }
    return words;
}

// Calls `take(line, number)` for each line, without its end, until it returns false.
template<typename Take> void forEachLine(QStringView text, Take take)
{
    int number = 0;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!take(line, ++number))
            return;
    }
}

bool isByteWord(QStringView word)
{
    return hexValue(word, 2).has_value();
}

// INDEX OFFSET B0 .. B15 [ANGLE [(DEGREES)] | --] [ANYTHING ELSE], where ANYTHING ELSE is no byte.
bool takeHexLine(QStringView line, int number, ImportCollector &collector)
{
    const QList<LineWord> words = wordsOf(line);
    if (words.isEmpty())
        return true;
    const auto box = hexValue(words.at(0).text, 16);
    if (!box)
        return collector.fail(number, words.at(0).column, importText("a box number in hexadecimal expected"));
    if (words.size() < 2 || !parseHexOffset(words.at(1).text.toString()))
        return collector.fail(number, words.size() < 2 ? int(line.size()) + 1 : words.at(1).column,
            importText("a file offset in hexadecimal expected"));
    BoxBytes bytes {};
    for (int c = 0; c < kBoxSize; ++c) {
        const int at = 2 + c;
        if (at >= words.size() || !isByteWord(words.at(at).text))
            return collector.fail(number, at >= words.size() ? int(line.size()) + 1 : words.at(at).column,
                importText("byte %1 of 16: two hexadecimal digits expected").arg(c + 1));
        bytes[size_t(c)] = quint8(*hexValue(words.at(at).text, 2));
    }
    if (!collector.addBox(int(std::min<quint64>(*box, kBoxCount)), bytes, number, words.at(0).column))
        return false;
    if (words.size() == 2 + kBoxSize)
        return true;
    const LineWord &angle = words.at(2 + kBoxSize);
    qsizetype rest = 3 + kBoxSize;
    if (isByteWord(angle.text)) {
        if (!collector.addAngle(int(*box), quint8(*hexValue(angle.text, 2)), number, angle.column))
            return false;
    } else if (angle.text == QLatin1String("--")) {
        // No angle map: nothing to take.
    } else if (angle.text.startsWith(QLatin1Char('('))) {
        rest = 2 + kBoxSize;
    } else {
        return collector.fail(number, angle.column, importText("an angle byte or -- expected"));
    }
    // A byte here means a seventeenth byte or a second angle: more than a box holds.
    if (rest < words.size() && isByteWord(words.at(rest).text))
        return collector.fail(number, words.at(rest).column, importText("more than 16 bytes and an angle"));
    return true;
}

// "; box 1A" names the next box; any other comment is only a comment.
std::optional<LineWord> boxComment(QStringView comment)
{
    const QList<LineWord> words = wordsOf(comment);
    if (words.size() != 2 || words.at(0).text.compare(QLatin1String("box"), Qt::CaseInsensitive) != 0
        || !hexValue(words.at(1).text, 16))
        return std::nullopt;
    return words.at(1);
}

bool takeAsmLine(QStringView line, int number, std::optional<int> &named, ImportCollector &collector)
{
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return true;
    const int column = int(trimmed.data() - line.data()) + 1;
    if (trimmed.startsWith(QLatin1Char(';'))) {
        const auto word = boxComment(trimmed.sliced(1));
        if (!word)
            return true;
        const quint64 box = *hexValue(word->text, 16);
        if (box >= quint64(kBoxCount))
            return collector.fail(number, column + word->column, importText("box number over FF"));
        named = int(box);
        return true;
    }
    const QLatin1String directive("dc.b");
    if (!trimmed.startsWith(directive, Qt::CaseInsensitive) || trimmed.size() == directive.size()
        || !trimmed.at(directive.size()).isSpace())
        return collector.fail(number, column, importText("a dc.b line or a comment expected"));
    const qsizetype commentAt = line.indexOf(QLatin1Char(';'));
    const QStringView operands = line.first(commentAt < 0 ? line.size() : commentAt);
    const QList<LineWord> words = wordsOf(operands.sliced(column - 1 + directive.size()), QLatin1String(","));
    const int shift = column - 1 + int(directive.size());
    BoxBytes bytes {};
    for (int c = 0; c < kBoxSize; ++c) {
        const bool present = c < words.size();
        const QStringView word = present ? words.at(c).text : QStringView();
        if (!present || !word.startsWith(QLatin1Char('$')) || !isByteWord(word.sliced(1)))
            return collector.fail(number, present ? shift + words.at(c).column : int(operands.size()) + 1,
                importText("byte %1 of 16: $ and two hexadecimal digits expected").arg(c + 1));
        bytes[size_t(c)] = quint8(*hexValue(word.sliced(1), 2));
    }
    if (words.size() > kBoxSize)
        return collector.fail(number, shift + words.at(kBoxSize).column, importText("more than 16 bytes"));
    const bool added = collector.addBox(named, bytes, number, column);
    named.reset();
    return added;
}

} // namespace

void parseHexLines(QStringView text, ImportCollector &collector)
{
    forEachLine(text, [&](QStringView line, int number) { return takeHexLine(line, number, collector); });
}

void parseAsmLines(QStringView text, ImportCollector &collector)
{
    std::optional<int> named;
    forEachLine(
        text, [&](QStringView line, int number) { return takeAsmLine(line, number, named, collector); });
}
