#include "canvasview.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

CanvasView::CanvasView(const QImage *image, QWidget *parent)
    : QWidget(parent)
    , m_image(image)
{
    setFocusPolicy(Qt::StrongFocus);
    // The border and the image cover every pixel, so the window need not paint what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasView::paintEvent(QPaintEvent *)
{
    // Filled, not stroked: a stroked one-pixel border lands half a pixel off when the screen is scaled.
    // Only the border: the image covers the rest, and filling beneath it would cost as much as the copy.
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, 1, ink);
    painter.fillRect(0, h - 1, w, 1, ink);
    painter.fillRect(0, 1, 1, h - 2, ink);
    painter.fillRect(w - 1, 1, 1, h - 2, ink);
    painter.drawImage(1, 1, *m_image);
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
