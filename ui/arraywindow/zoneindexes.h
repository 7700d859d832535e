#pragma once

#include "boxaddressing.h"
#include "filehandle.h"
#include "zoneindex.h"

#include <QObject>
#include <QStringList>

#include <bitset>
#include <vector>

struct ArrayWindowTexts;
class QPushButton;
class QWidget;

/// The zone indexes the array window was given, through its "Zone indexes..." button or a drop of
/// index files on it: which boxes the zones use.
class ZoneIndexes : public QObject
{
    Q_OBJECT

public:
    /// The button, the drop and the dialog belong to `window`.
    explicit ZoneIndexes(QWidget *window);

    [[nodiscard]] QPushButton *button() const { return m_button; }
    void applyLanguage(const ArrayWindowTexts &t);

    /// Reads `paths` in place of the indexes held; on a failure the indexes held stay.
    void load(const QStringList &paths);
    /// The boxes no index uses; none before an index is read.
    [[nodiscard]] std::bitset<kBoxCount> unused() const;
    /// The readout's words on the zones that use box `box`; empty before an index is read.
    [[nodiscard]] QString words(const ArrayWindowTexts &t, int box) const;

signals:
    void changed();
    void failed(const FileFailure &failure);

private:
    void choose();

    QWidget *m_window;
    QPushButton *m_button; // a child of the window
    QString m_dialogTitle;
    QString m_filter;
    std::vector<ZoneIndex> m_zones;
};
