#include "zoneindexes.h"

#include "arraywindowtexts.h"
#include "filedialogs.h"
#include "filedrop.h"

#include <QPushButton>

ZoneIndexes::ZoneIndexes(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_button(new QPushButton(window))
{
    m_button->setObjectName(QStringLiteral("zoneIndexes"));
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &ZoneIndexes::choose);
    connect(new FileDrop(window, true), &FileDrop::droppedFiles, this, &ZoneIndexes::load);
}

void ZoneIndexes::applyLanguage(const ArrayWindowTexts &t)
{
    m_button->setText(t.zoneIndexes);
    m_button->setToolTip(t.zoneIndexesTip);
    m_dialogTitle = QString(t.zoneIndexes).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
    m_filter = t.zoneIndexFilter;
}

void ZoneIndexes::choose()
{
    const QStringList paths = showOpenFilesDialog(m_window, m_dialogTitle, m_filter);
    if (!paths.isEmpty())
        load(paths);
}

void ZoneIndexes::load(const QStringList &paths)
{
    std::vector<ZoneIndex> zones;
    for (const QString &path : paths) {
        auto read = readZoneIndex(path);
        if (auto *failure = std::get_if<FileFailure>(&read))
            return emit failed(*failure);
        zones.push_back(std::get<ZoneIndex>(std::move(read)));
    }
    m_zones = std::move(zones);
    emit changed();
}

std::bitset<kBoxCount> ZoneIndexes::unused() const
{
    std::bitset<kBoxCount> boxes;
    if (m_zones.empty())
        return boxes;
    boxes.set();
    for (const ZoneIndex &zone : m_zones) {
        for (int box = 0; box < kBoxCount; ++box) {
            if (zone.uses[size_t(box)] > 0)
                boxes.reset(size_t(box));
        }
    }
    return boxes;
}

QString ZoneIndexes::words(const ArrayWindowTexts &t, int box) const
{
    if (m_zones.empty())
        return {};
    if (unused().test(size_t(box)))
        return t.noZoneUses;
    return t.zonesUsing.arg(zoneUsesText(m_zones, box));
}
