#include "scrollbarkeys.h"

#include <QKeyEvent>
#include <QScrollBar>

ScrollBarKeys::ScrollBarKeys(QScrollBar *bar)
    : QObject(bar)
    , m_bar(bar)
{
    bar->setFocusPolicy(Qt::TabFocus);
    bar->installEventFilter(this);
}

bool ScrollBarKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_bar || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    int value = m_bar->value();
    switch (key->key()) {
    case Qt::Key_Right:
        value += m_bar->singleStep();
        break;
    case Qt::Key_Left:
        value -= m_bar->singleStep();
        break;
    case Qt::Key_PageDown:
        value += m_bar->pageStep();
        break;
    case Qt::Key_PageUp:
        value -= m_bar->pageStep();
        break;
    case Qt::Key_Home:
        value = m_bar->minimum();
        break;
    case Qt::Key_End:
        value = m_bar->maximum();
        break;
    default:
        return false;
    }
    // setValue() keeps the value in range and changes nothing, nor signals, when it stays the same.
    m_bar->setValue(value);
    return true;
}
