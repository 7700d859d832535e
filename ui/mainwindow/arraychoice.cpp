#include "arraychoice.h"

#include "boxaddressing.h"
#include "gamecatalogue.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

void takeFocusWhenSelected(QRadioButton *option)
{
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

ArrayChoice::ArrayChoice(QRadioButton *primary, QRadioButton *secondary)
    : QObject(primary->parent())
    , m_primary(primary)
    , m_secondary(secondary)
    , m_group(new QButtonGroup(this))
{
    // Neither option is selected before the first file with a second array, so the group may be empty.
    m_group->addButton(primary);
    m_group->addButton(secondary);
    // Qt would stop at optPri either way.
    for (QRadioButton *option : { primary, secondary }) {
        takeFocusWhenSelected(option);
        connect(option, &QRadioButton::toggled, option, [option] { takeFocusWhenSelected(option); });
    }
}

void ArrayChoice::follow(qint16 gameId, qint32 arrayStart)
{
    const GameRow *row = catalogueRow(gameId);
    QRadioButton *truth = nullptr;
    if (row && row->hasSecondary && arrayStart == row->arrayStart)
        truth = m_primary;
    else if (row && row->hasSecondary && arrayStart == secondaryArrayStart(row->arrayStart))
        truth = m_secondary;
    QAbstractButton *shown = m_group->checkedButton();
    if (shown == truth)
        return;
    if (truth) {
        // Its action would move the array once more.
        const QSignalBlocker quiet(truth);
        truth->setChecked(true);
        takeFocusWhenSelected(truth);
        return;
    }
    // An exclusive group keeps one option selected.
    m_group->setExclusive(false);
    shown->setChecked(false);
    m_group->setExclusive(true);
}
