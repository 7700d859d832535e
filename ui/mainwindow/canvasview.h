#pragma once

#include <QWidget>

class QImage;

/// Shows a canvas image inside a one-pixel flat border and reports double-clicks. The image is owned
/// by the caller and must outlive the view; call update() after painting into it.
class CanvasView : public QWidget
{
    Q_OBJECT

public:
    CanvasView(const QImage *image, QWidget *parent);

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    const QImage *m_image;
};
