#include "keypadstep.h"

#include "boxaddressing.h"
#include "mainwindowseam.h"

#include <QKeyEvent>

KeypadStep::KeypadStep(MainWindowSeam *form, QObject *window)
    : QObject(window)
    , m_form(form)
{
    window->installEventFilter(this);
}

bool KeypadStep::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const int step = !(key->modifiers() & Qt::KeypadModifier) ? 0
        : key->key() == Qt::Key_Plus                          ? 1
        : key->key() == Qt::Key_Minus                         ? -1
                                                              : 0;
    if (step == 0)
        return QObject::eventFilter(watched, event);
    if (const int box = m_form->box() + step; m_form->loaded() && box >= 0 && box < kBoxCount)
        m_form->showBox(box);
    return true;
}
