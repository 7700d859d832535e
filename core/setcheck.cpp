#include "setcheck.h"

#include "collisionset.h"
#include "texthelpers.h"
#include "widthrule.h"

#include <QStringList>

#include <algorithm>

namespace {

template<typename Bytes> QString bytesText(const Bytes &bytes)
{
    QStringList parts;
    for (const quint8 b : bytes)
        parts.append(hexByte(b));
    return parts.join(QLatin1Char(' '));
}

} // namespace

std::vector<Finding> checkSet(const CollisionSet &set)
{
    std::vector<Finding> findings;
    for (int box = 0; box < set.boxCount; ++box) {
        const auto heights = set.heightBox(box);
        if (set.widths.present()) {
            const auto widths = set.widthBox(box);
            const auto derived = derivedWidths(heights);
            if (!std::equal(widths.begin(), widths.end(), derived.begin()))
                findings.push_back({ box, FindingKind::Width, { widths.begin(), widths.end() }, derived });
        }
        if (std::any_of(heights.begin(), heights.end(), [](quint8 v) { return v >= 0x11 && v <= 0xEF; }))
            findings.push_back({ box, FindingKind::Height, { heights.begin(), heights.end() }, {} });
        const auto angle = set.angle(box);
        if (angle && (*angle & 1) && *angle != 0xFF)
            findings.push_back({ box, FindingKind::Angle, { *angle }, {} });
    }
    return findings;
}

QString findingLine(const Finding &finding)
{
    static const std::array<QLatin1String, 3> kKinds { QLatin1String("width"), QLatin1String("height"),
        QLatin1String("angle") };
    QString line = ZeroPad(hexText(std::uint32_t(finding.box)), 2) + QLatin1Char(' ')
        + kKinds[size_t(finding.kind)] + QLatin1Char(' ') + bytesText(finding.stored);
    if (finding.kind == FindingKind::Width)
        line += QStringLiteral(" / ") + bytesText(finding.derived);
    return line;
}
