#include "candidatetext.h"

#include "texthelpers.h"

QString candidateText(const TableCandidate &c, const CandidateWords &words)
{
    QString evidence;
    if (c.angleMapLoaded)
        evidence += words.angleMapLoaded;
    if (c.rotatedLoaded)
        evidence += words.rotatedLoaded;
    if (c.wholeFile)
        evidence += words.wholeFile;
    return words.line.arg(hexText(quint64(c.arrayStart)), QString::number(c.score, 'f', 2))
        .arg(c.loads)
        .arg(evidence);
}

QString candidateLine(const TableCandidate &c)
{
    QString line = hexText(quint64(c.arrayStart)) + QLatin1Char(' ') + QString::number(c.score, 'f', 3);
    if (c.wholeFile)
        return line + QStringLiteral(" whole-file");
    line += QStringLiteral(" loads=%1 angles=%2")
                .arg(c.loads)
                .arg(c.angleStart < 0 ? QStringLiteral("none") : hexText(quint64(c.angleStart)));
    if (c.angleMapLoaded)
        line += QStringLiteral(" angle-map-loaded");
    if (c.rotatedLoaded)
        line += QStringLiteral(" rotated-loaded");
    return line;
}
