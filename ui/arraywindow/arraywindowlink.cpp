#include "arraywindowlink.h"

#include "arraywindow.h"
#include "arraywindowtexts.h"
#include "boxaddressing.h"
#include "boxformats.h"
#include "mainwindowseam.h"
#include "windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// As the main window's own function keys, which ignore the modifiers held with them.
QList<QKeySequence> withAnyModifier(Qt::Key key)
{
    constexpr Qt::KeyboardModifier kModifiers[]
        = { Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier };
    QList<QKeySequence> keys;
    for (int held = 0; held < 16; ++held) {
        Qt::KeyboardModifiers modifiers;
        for (int bit = 0; bit < 4; ++bit) {
            if (held & (1 << bit))
                modifiers |= kModifiers[bit];
        }
        keys.append(QKeySequence(QKeyCombination(modifiers, key)));
    }
    return keys;
}

} // namespace

ArrayWindowLink::ArrayWindowLink(MainWindowSeam *form)
    : QObject(form)
    , m_form(form)
    , m_toggle(new QAction(this))
{
    setObjectName(QStringLiteral("ArrayWindowLink"));
    m_toggle->setShortcuts(withAnyModifier(Qt::Key_F8));
    m_toggle->setText(arrayWindowTexts(form->language()).showAllBoxes);
    connect(m_toggle, &QAction::triggered, this, &ArrayWindowLink::toggleWindow);
    form->window()->addAction(m_toggle);
    connect(form, &MainWindowSeam::languageChanged, m_toggle,
        [this](Language language) { m_toggle->setText(arrayWindowTexts(language).showAllBoxes); });
    // Longer words want a wider window: placed again once the window has taken them, as when opened, so
    // its controls never scroll where the screen has room.
    connect(
        form, &MainWindowSeam::languageChanged, this,
        [this] {
            if (m_window && m_window->isVisible())
                placeBesideForm();
        },
        Qt::QueuedConnection);
    // A disassembly's set is shown whole here.
    connect(form, &MainWindowSeam::setShown, this, &ArrayWindowLink::showWindow);
    connect(form, &MainWindowSeam::canvasMenuRequested, this, [this](const QPoint &at) {
        QMenu *menu = contextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    });
}

void ArrayWindowLink::toggleWindow()
{
    if (m_window && m_window->isVisible())
        m_window->close();
    else
        showWindow();
}

void ArrayWindowLink::showWindow()
{
    if (m_window && m_window->isVisible())
        return;
    if (!m_window) {
        m_window = new ArrayWindow(m_form);
        m_window->addAction(m_toggle);
    }
    placeBesideForm();
    m_window->show();
    m_window->raise();
}

void ArrayWindowLink::placeBesideForm()
{
    QWidget *main = m_form->window();
    const QScreen *screen = main->screen();
    if (!screen) {
        m_window->adjustSize();
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect form = main->frameGeometry();
    // The array window has no frame before it is first shown; the desktop gives it one like the main
    // window's.
    const QSize frame = form.size() - main->size();
    m_window->fitInto(room.size() - QSize(form.width(), 0) - frame);
    const WindowPlacement place = placeBeside(room, form, m_window->size() + frame);
    if (place.main != form)
        main->move(place.main.topLeft());
    m_window->resize(place.array.size() - frame);
    m_window->move(place.array.topLeft());
}

QMenu *ArrayWindowLink::contextMenu()
{
    const ArrayWindowTexts &t = arrayWindowTexts(m_form->language());
    const bool loaded = m_form->loaded();
    auto *menu = new QMenu(m_form->window());
    menu->setObjectName(QStringLiteral("canvasMenu"));
    menu->addAction(m_toggle);
    menu->addSeparator();
    menu->addAction(t.saveBitmap, QKeySequence(Qt::Key_F5), m_form, &MainWindowSeam::saveBitmap)
        ->setEnabled(loaded);
    menu->addAction(t.copyBytes, this, &ArrayWindowLink::copyBytes)->setEnabled(loaded);
    menu->addAction(t.copyAsm, this, &ArrayWindowLink::copyAsAssembler)->setEnabled(loaded);
    return menu;
}

void ArrayWindowLink::copyBytes()
{
    auto *data = new QMimeData;
    data->setText(boxBytesText(m_form->boxBytes()).trimmed());
    QGuiApplication::clipboard()->setMimeData(data);
}

void ArrayWindowLink::copyAsAssembler()
{
    // The box on display, as read: it is not read again, and a box read only in part is not copied.
    const QByteArray &read = m_form->boxBytes();
    if (read.size() != kBoxSize)
        return;
    std::array<quint8, kBoxSize> bytes {};
    std::copy(read.begin(), read.end(), bytes.begin());
    auto *data = new QMimeData;
    data->setText(boxAsmText(m_form->box(), bytes));
    QGuiApplication::clipboard()->setMimeData(data);
}
