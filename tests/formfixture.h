#pragma once

// The main window a test drives: its class derives from FormFixture beside QObject, makes the window in
// init() and drops it in cleanup().

#include "formdriver.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

class FormFixture
{
protected:
    /// A new main window in `langId`'s language, shown and made active; false when it never became exposed.
    [[nodiscard]] bool makeForm(quint16 langId = 0x0409)
    {
        m_form = std::make_unique<Form1>(langId);
        return formdriver::show(*m_form);
    }

    /// The control named `name`; a test that asks for one the window lacks stops there.
    template<typename T> [[nodiscard]] T *child(const char *name) const
    {
        T *widget = m_form->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    [[nodiscard]] QString text(const char *name) const { return child<QLineEdit>(name)->text(); }

    /// `key` where the window's focus is, as its key preview takes it.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QWidget *target = m_form->focusWidget() ? m_form->focusWidget() : m_form.get();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }

    std::unique_ptr<Form1> m_form;
};
