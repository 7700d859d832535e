#pragma once

// The offsets people type, for the array window's fields and the command line alike, and what they say.

#include <QTest>

inline void offsetGrammarRows()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("says");
    QTest::newRow("0X, blanks around") << " 0X1f000 " << "1F000";
    QTest::newRow("past 32 bits and the end") << "FFFFFFFFFF" << "Offset FFFFFFFFFF lies past the end";
    QTest::newRow("a sign") << "+10000" << "\"+10000\"";
    QTest::newRow("past 63 bits") << "8000000000000000" << "\"8000000000000000\"";
}
