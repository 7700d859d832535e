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
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
    painter.drawImage(1, 1, *m_image);
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
