// The C format: an array initializer of boxes, each `{16 numbers}`, a comment before it naming it.

#include "importparsers.h"

namespace {

class CReader
{
public:
    CReader(QStringView text, ImportCollector &collector)
        : m_text(text)
        , m_collector(collector)
    {
    }

    void read();

private:
    [[nodiscard]] QChar peek() const { return m_at < m_text.size() ? m_text.at(m_at) : QChar(); }
    void advance();
    bool fail(const QString &reason) { return m_collector.fail(m_line, m_column, reason); }
    bool skipBlanks();
    bool takeComment();
    bool expect(QChar c, const char *reason);
    bool readBox();
    bool readByte(int index, quint8 &byte);

    QStringView m_text;
    ImportCollector &m_collector;
    qsizetype m_at = 0;
    int m_line = 1;
    int m_column = 1;
    std::optional<int> m_named;
};

void CReader::advance()
{
    if (peek() == QLatin1Char('\n')) {
        ++m_line;
        m_column = 0;
    }
    ++m_at;
    ++m_column;
}

// Blanks and comments; "/* 1A */" or "/* box 1A */" names the next box.
bool CReader::skipBlanks()
{
    for (;;) {
        if (peek().isSpace()) {
            advance();
            continue;
        }
        const QStringView rest = m_text.sliced(m_at);
        if (!rest.startsWith(u"/*") && !rest.startsWith(u"//"))
            return true;
        if (!takeComment())
            return false;
    }
}

bool CReader::takeComment()
{
    const int line = m_line;
    const int column = m_column;
    const bool block = m_text.at(m_at + 1) == u'*';
    qsizetype end = block ? m_text.indexOf(u"*/", m_at + 2) : m_text.indexOf(u'\n', m_at);
    if (end < 0) {
        if (block)
            return fail(importText("a comment that never ends"));
        end = m_text.size();
    }
    QStringView inner = m_text.sliced(m_at + 2, end - m_at - 2).trimmed();
    if (inner.startsWith(u"box ", Qt::CaseInsensitive))
        inner = inner.sliced(4).trimmed();
    if (const auto box = hexValue(inner, 16)) {
        if (*box >= quint64(kBoxCount))
            return m_collector.fail(line, column, importText("box number over FF"));
        m_named = int(*box);
    }
    const qsizetype stop = block ? end + 2 : end;
    while (m_at < stop)
        advance();
    return true;
}

bool CReader::expect(QChar c, const char *reason)
{
    if (!skipBlanks())
        return false;
    if (peek() != c)
        return fail(importText(reason));
    advance();
    return true;
}

bool CReader::readByte(int index, quint8 &byte)
{
    if (!skipBlanks())
        return false;
    qsizetype end = m_at;
    while (end < m_text.size() && m_text.at(end).isLetterOrNumber())
        ++end;
    bool ok = false;
    const uint value = m_text.sliced(m_at, end - m_at).toUInt(&ok, 0);
    if (!ok || value > 0xFF)
        return fail(importText("byte %1 of 16: a number from 0 to 255 expected").arg(index + 1));
    while (m_at < end)
        advance();
    byte = quint8(value);
    return true;
}

bool CReader::readBox()
{
    const int line = m_line;
    const int column = m_column;
    advance();
    BoxBytes bytes {};
    for (int c = 0; c < kBoxSize; ++c) {
        if (!readByte(c, bytes[size_t(c)]))
            return false;
        if (c + 1 < kBoxSize && !expect(QLatin1Char(','), "a comma expected: a box holds 16 bytes"))
            return false;
    }
    if (!skipBlanks())
        return false;
    if (peek() == QLatin1Char(','))
        advance();
    if (!expect(QLatin1Char('}'), "} expected: a box holds 16 bytes"))
        return false;
    const bool added = m_collector.addBox(m_named, bytes, line, column);
    m_named.reset();
    return added;
}

void CReader::read()
{
    // The declaration in front of the initializer: words, sizes and "=".
    while (skipBlanks() && m_at < m_text.size() && peek() != QLatin1Char('{')) {
        const QChar c = peek();
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && !QStringView(u"[]=*").contains(c)) {
            fail(importText("a C array initializer expected"));
            return;
        }
        advance();
    }
    if (m_collector.failed() || !expect(QLatin1Char('{'), "{ expected: a C array initializer"))
        return;
    for (;;) {
        if (!skipBlanks())
            return;
        if (peek() == QLatin1Char('}'))
            break;
        if (peek() != QLatin1Char('{')) {
            fail(importText("{ and a box's 16 bytes expected"));
            return;
        }
        if (!readBox() || !skipBlanks())
            return;
        if (peek() != QLatin1Char(','))
            break;
        advance();
    }
    if (!expect(QLatin1Char('}'), ", or } expected") || !skipBlanks())
        return;
    if (peek() == QLatin1Char(';'))
        advance();
    if (skipBlanks() && m_at < m_text.size())
        fail(importText("nothing expected after the initializer"));
}

} // namespace

void parseCText(QStringView text, ImportCollector &collector)
{
    CReader(text, collector).read();
}
