#include "panelcachestyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

PanelCacheStyle::PanelCacheStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(qApp);
}

PanelCacheStyle *PanelCacheStyle::instance()
{
    // Parented to the application, so it outlives every window that uses it.
    static QPointer<PanelCacheStyle> style;
    if (!style)
        style = new PanelCacheStyle;
    return style;
}

void PanelCacheStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element != PE_PanelLineEdit || !frame || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }

    const qreal ratio = painter->device()->devicePixelRatioF();
    const PanelKey key { int(option->state), option->palette.cacheKey(), option->rect.width(),
        option->rect.height(), frame->lineWidth, frame->midLineWidth, int(option->direction), ratio };
    QPixmap &panel = m_panels[key];
    if (panel.isNull()) {
        // A window has a few text boxes in a few states each; past that many looks, start afresh.
        if (m_panels.size() > 64) {
            m_panels.clear();
            return drawPrimitive(element, option, painter, widget);
        }
        panel = QPixmap(option->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTopLeft(QPoint());
        QPainter onPanel(&panel);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPanel, widget);
    }
    painter->drawPixmap(option->rect.topLeft(), panel);
}
