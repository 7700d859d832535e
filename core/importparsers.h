#pragma once

// The readers behind parseArrayText(), one per dump format; not for use elsewhere.

#include "arrayimport.h"

#include <QCoreApplication>
#include <QStringView>

#include <optional>

/// Gathers what a source gives and keeps its first fault; every add returns false once there is one.
class ImportCollector
{
public:
    explicit ImportCollector(ImportFormat format) { m_result.format = format; }

    /// Box `index`, or with nothing the box after the last one added (00 for the first).
    bool addBox(std::optional<int> index, const BoxBytes &bytes, int line, int column);
    bool addAngle(int index, quint8 angle, int line, int column);
    bool fail(int line, int column, const QString &reason);

    [[nodiscard]] bool failed() const { return m_failure.has_value(); }
    [[nodiscard]] std::variant<ImportedBoxes, ImportFailure> take();

private:
    ImportedBoxes m_result;
    std::optional<ImportFailure> m_failure;
    int m_nextBox = 0;
};

/// The value of 1 to `maxDigits` hexadecimal digits (either case), or nothing.
[[nodiscard]] std::optional<quint64> hexValue(QStringView text, int maxDigits);

void parseHexLines(QStringView text, ImportCollector &collector);
void parseAsmLines(QStringView text, ImportCollector &collector);
void parseCText(QStringView text, ImportCollector &collector);
void parseJsonText(const QByteArray &text, ImportCollector &collector);

inline QString importText(const char *text)
{
    return QCoreApplication::translate("ArrayImport", text);
}
