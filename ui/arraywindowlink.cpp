#include "arraywindowlink.h"

#include "arraywindow.h"
#include "arraywindowtexts.h"
#include "boxformats.h"
#include "form1.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

ArrayWindowLink::ArrayWindowLink(Form1 *form)
    : QObject(form)
    , m_form(form)
{
    setObjectName(QStringLiteral("ArrayWindowLink"));
    auto *picture = form->findChild<QWidget *>(QStringLiteral("Picture1"));
    picture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picture, &QWidget::customContextMenuRequested, this, [this, picture](const QPoint &at) {
        QMenu *menu = contextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(picture->mapToGlobal(at));
    });
    qApp->installEventFilter(this);
}

bool ArrayWindowLink::eventFilter(QObject *watched, QEvent *event)
{
    // As the main window's key preview does: one F8 acts once, wherever the focus is in either window.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F8
        && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        QWidget *window = widget->window();
        if ((window == m_form || window == m_window) && widget == (window->focusWidget() ? window->focusWidget() : window)) {
            toggleWindow();
            return true;
        }
    }
    return false;
}

void ArrayWindowLink::toggleWindow()
{
    if (m_window && m_window->isVisible()) {
        m_window->close();
        return;
    }
    if (!m_window) {
        m_window = new ArrayWindow(m_form);
        connect(m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1")), &QScrollBar::valueChanged,
            m_window, &ArrayWindow::followBox);
        connect(m_form, &Form1::arrayShown, m_window, &ArrayWindow::reloadArray);
        connect(m_form->findChild<QRadioButton *>(QStringLiteral("optPT")), &QRadioButton::toggled, m_window,
            &ArrayWindow::applyLanguage);
    }
    m_window->adjustSize();
    placeBesideForm();
    m_window->show();
    m_window->raise();
}

void ArrayWindowLink::placeBesideForm()
{
    const QRect form = m_form->frameGeometry();
    const QScreen *screen = m_form->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    const QSize size = m_window->frameGeometry().size();
    QPoint at(form.right() + 1, form.top());
    // On the left when the right has no room, and never above the screen's top.
    if (!room.isEmpty() && at.x() + size.width() > room.right() + 1)
        at.setX(std::max(room.left(), form.left() - size.width()));
    if (!room.isEmpty())
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    m_window->move(at);
}

QMenu *ArrayWindowLink::contextMenu()
{
    const ArrayWindowTexts &t = arrayWindowTexts(m_form->language());
    const bool loaded = m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->isEnabled();
    auto *menu = new QMenu(m_form);
    menu->setObjectName(QStringLiteral("canvasMenu"));
    menu->addAction(t.showAllBoxes, QKeySequence(Qt::Key_F8), this, &ArrayWindowLink::toggleWindow);
    menu->addSeparator();
    menu->addAction(t.saveBitmap, QKeySequence(Qt::Key_F5), m_form, &Form1::Picture1DblClick)->setEnabled(loaded);
    menu->addAction(t.copyBytes, this, &ArrayWindowLink::copyBytes)->setEnabled(loaded);
    menu->addAction(t.copyAsm, this, &ArrayWindowLink::copyAsAssembler)->setEnabled(loaded);
    return menu;
}

void ArrayWindowLink::copyBytes()
{
    auto *data = new QMimeData;
    data->setText(m_form->findChild<QLineEdit *>(QStringLiteral("txtBytes"))->text().trimmed());
    QGuiApplication::clipboard()->setMimeData(data);
}

void ArrayWindowLink::copyAsAssembler()
{
    // From the texts on display: the box is not read again.
    const auto bytes = parseBoxBytes(m_form->findChild<QLineEdit *>(QStringLiteral("txtBytes"))->text());
    if (!bytes)
        return;
    auto *data = new QMimeData;
    data->setText(boxAsmText(m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->value(), *bytes));
    QGuiApplication::clipboard()->setMimeData(data);
}
