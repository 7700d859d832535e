#pragma once

#include <QObject>

class QButtonGroup;
class QRadioButton;

/// The Primary and Secondary options as one group that tells which array is in force: the one whose
/// catalogue place the array start is, or neither for any other start, so that a click on Primary
/// always brings the catalogue's array back. The group is one stop of the Tab cycle, at its selected
/// option.
class ArrayChoice : public QObject
{
    Q_OBJECT

public:
    /// Owned by `primary`'s parent.
    ArrayChoice(QRadioButton *primary, QRadioButton *secondary);

    /// Selects the option of the design's 1-based `arrayStart` for row `gameId`, or clears both, without
    /// running either option's action.
    void follow(qint16 gameId, qint32 arrayStart);

private:
    QRadioButton *m_primary;
    QRadioButton *m_secondary;
    QButtonGroup *m_group;
};
