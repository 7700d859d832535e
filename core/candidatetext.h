#pragma once

#include "tablefinder.h"

#include <QString>

/// A window's words for a candidate, in its language. `line` takes %1 the offset, %2 the score, %3 the
/// loads and %4 the evidence, which strings the other words together in their order here.
struct CandidateWords
{
    QString line;
    QString angleMapLoaded;
    QString rotatedLoaded;
    QString wholeFile;
};

/// A candidate for people: its offset, its score to two places, its loads and its evidence.
[[nodiscard]] QString candidateText(const TableCandidate &c, const CandidateWords &words);

/// A candidate for scripts, as --find prints it: its offset and its score to three places, then
/// "whole-file", or its loads, its angle map's offset ("none" without one) and its evidence as words
/// without blanks.
[[nodiscard]] QString candidateLine(const TableCandidate &c);
