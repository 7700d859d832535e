// The JSON format: an array of box objects with "index", "bytes" and, where there is one, "angle".

#include "importparsers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <cmath>

namespace {

// Lines and columns of ascending byte offsets, in one pass however many are asked for. A column counts
// UTF-16 units, as the other formats' columns do.
class PlaceFinder
{
public:
    explicit PlaceFinder(const QByteArray &text)
        : m_text(text)
    {
    }

    std::pair<int, int> operator()(qsizetype offset)
    {
        offset = std::clamp(offset, m_at, m_text.size());
        QByteArrayView span = QByteArrayView(m_text).sliced(m_at, offset - m_at);
        m_at = offset;
        if (const qsizetype newline = span.lastIndexOf('\n'); newline >= 0) {
            m_line += int(span.count('\n'));
            m_column = 1;
            m_decoder.resetState();
            span = span.sliced(newline + 1);
        }
        m_column += int(QString(m_decoder(span)).size());
        return { m_line, m_column };
    }

private:
    const QByteArray &m_text;
    QStringDecoder m_decoder { QStringDecoder::Utf8 };
    qsizetype m_at = 0;
    int m_line = 1;
    int m_column = 1;
};

// Where each element of the top-level array starts, as byte offsets: QJsonDocument keeps no places.
QList<qsizetype> elementStarts(const QByteArray &text)
{
    QList<qsizetype> starts;
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    bool expecting = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        if (expecting && depth == 1 && c != ']') {
            starts.append(i);
            expecting = false;
        }
        if (c == '"')
            inString = true;
        else if (c == '{' || c == '[')
            expecting = ++depth == 1;
        else if (c == '}' || c == ']')
            --depth;
        else if (c == ',' && depth == 1)
            expecting = true;
    }
    return starts;
}

std::optional<quint8> byteValue(const QJsonValue &value)
{
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number > 255 || number != std::floor(number))
        return std::nullopt;
    return quint8(number);
}

bool takeBox(const QJsonValue &value, int line, int column, ImportCollector &collector)
{
    if (!value.isObject())
        return collector.fail(line, column, importText("a box object expected"));
    const QJsonObject box = value.toObject();
    const auto index = byteValue(box.value(QLatin1String("index")));
    if (!index)
        return collector.fail(line, column, importText("\"index\": a box number from 0 to 255 expected"));
    const QJsonArray list = box.value(QLatin1String("bytes")).toArray();
    BoxBytes bytes {};
    for (int c = 0; c < kBoxSize; ++c) {
        const auto byte = list.size() == kBoxSize ? byteValue(list.at(c)) : std::nullopt;
        if (!byte)
            return collector.fail(line, column, importText("\"bytes\": 16 numbers from 0 to 255 expected"));
        bytes[size_t(c)] = *byte;
    }
    const QJsonValue angleValue = box.value(QLatin1String("angle"));
    const auto angle = byteValue(angleValue);
    if (!angle && !angleValue.isNull() && !angleValue.isUndefined())
        return collector.fail(line, column, importText("\"angle\": a number from 0 to 255 or null expected"));
    if (!collector.addBox(int(*index), bytes, line, column))
        return false;
    return !angle || collector.addAngle(int(*index), *angle, line, column);
}

} // namespace

void parseJsonText(const QByteArray &text, ImportCollector &collector)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = PlaceFinder(text)(error.offset);
        collector.fail(line, column, error.errorString());
        return;
    }
    // Recognized by its "[", so a document that parses is an array.
    const QList<qsizetype> starts = elementStarts(text);
    const QJsonArray boxes = document.array();
    PlaceFinder place(text);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const auto [line, column] = place(starts.value(i, 0));
        if (!takeBox(boxes.at(i), line, column, collector))
            return;
    }
}
