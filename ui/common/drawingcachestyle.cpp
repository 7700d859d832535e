#include "drawingcachestyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

namespace {

// A window has a few text boxes and a scroll bar in a few states each, and the handle a few dozen
// places: a few hundred small drawings, far below this.
constexpr qsizetype kCacheBytes = qsizetype(4) * 1024 * 1024;

bool everyPixelOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

DrawingCacheStyle::DrawingCacheStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
    , m_drawings(kCacheBytes)
{
    setParent(qApp);
}

DrawingCacheStyle *DrawingCacheStyle::instance()
{
    // Parented to the application, so it outlives every window that uses it.
    static QPointer<DrawingCacheStyle> style;
    if (!style)
        style = new DrawingCacheStyle;
    return style;
}

template<typename Draw>
void DrawingCacheStyle::drawCached(
    const Key &key, const QRect &rect, QPainter *painter, const QWidget *widget, const Draw &draw) const
{
    // At a fractional scale a drawing's edges fall between device pixels, differently at each place.
    if (key.ratio != std::floor(key.ratio)) {
        draw(painter, rect);
        return;
    }
    if (const QPixmap *drawing = m_drawings.object(key)) {
        painter->drawPixmap(rect.topLeft(), *drawing);
        return;
    }
    QImage image(rect.size() * key.ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(key.ratio);
    image.fill(Qt::transparent);
    {
        QPainter onImage(&image);
        draw(&onImage, QRect(QPoint(), rect.size()));
    }
    const bool opaque = everyPixelOpaque(image);
    if (key.kind == Kind::ScrollBar && !opaque) {
        // Qt paints nothing beneath a scroll bar this style marked opaque; from now on it must.
        m_scrollBarsOpaque = false;
        if (widget && widget->testAttribute(Qt::WA_OpaquePaintEvent)) {
            auto *scrollBar = const_cast<QWidget *>(widget);
            scrollBar->setAttribute(Qt::WA_OpaquePaintEvent, false);
            scrollBar->update();
        }
    }
    // An opaque drawing is copied without blending.
    const QPixmap drawing = QPixmap::fromImage(opaque ? image.convertToFormat(QImage::Format_RGB32) : image);
    painter->drawPixmap(rect.topLeft(), drawing);
    m_drawings.insert(
        key, new QPixmap(drawing), qsizetype(drawing.width()) * drawing.height() * drawing.depth() / 8);
}

void DrawingCacheStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element != PE_PanelLineEdit || !frame || option->rect.isEmpty()
        || painter->transform().type() > QTransform::TxTranslate) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const Key key { Kind::Panel, int(option->state), 0, 0, option->palette.cacheKey(),
        int(option->palette.currentColorGroup()), QRect(QPoint(), option->rect.size()), QRect(),
        frame->lineWidth, frame->midLineWidth, int(option->direction), 0, 0,
        painter->device()->devicePixelRatioF() };
    drawCached(key, option->rect, painter, widget, [&](QPainter *onto, const QRect &rect) {
        QStyleOptionFrame placed = *frame;
        placed.rect = rect;
        QProxyStyle::drawPrimitive(element, &placed, onto, widget);
    });
}

void DrawingCacheStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !slider || option->rect.isEmpty()
        || painter->transform().type() > QTransform::TxTranslate
        || QProxyStyle::styleHint(SH_ScrollBar_Transient, option, widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The handle's rectangle stands for the value and the range: many values share one drawing.
    QStyleOptionSlider atOrigin = *slider;
    atOrigin.rect.moveTopLeft(QPoint());
    const int atEnds = int(slider->sliderValue == slider->minimum)
        | int(slider->sliderValue == slider->maximum) << 1
        | int(slider->sliderPosition == slider->minimum) << 2
        | int(slider->sliderPosition == slider->maximum) << 3;
    const Key key { Kind::ScrollBar, int(option->state), int(option->subControls),
        int(option->activeSubControls), option->palette.cacheKey(), int(option->palette.currentColorGroup()),
        atOrigin.rect, QProxyStyle::subControlRect(control, &atOrigin, SC_ScrollBarSlider, widget), 0, 0,
        int(option->direction), int(slider->orientation), atEnds, painter->device()->devicePixelRatioF() };
    drawCached(key, option->rect, painter, widget, [&](QPainter *onto, const QRect &rect) {
        QStyleOptionSlider placed = *slider;
        placed.rect = rect;
        QProxyStyle::drawComplexControl(control, &placed, onto, widget);
    });
}

void DrawingCacheStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // The cached drawing covers every pixel of the bar (checked as each is drawn), so Qt need not
    // paint the window beneath it on every step.
    if (qobject_cast<QScrollBar *>(widget) && m_scrollBarsOpaque
        && !QProxyStyle::styleHint(SH_ScrollBar_Transient, nullptr, widget))
        widget->setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingCacheStyle::unpolish(QWidget *widget)
{
    if (qobject_cast<QScrollBar *>(widget))
        widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
    QProxyStyle::unpolish(widget);
}
