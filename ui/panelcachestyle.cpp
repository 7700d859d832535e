#include "panelcachestyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
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
    // Everything the panel's look depends on: state, palette, size, frame and pixel ratio.
    const QString key = QStringLiteral("tilegauge-panel-%1-%2-%3x%4-%5-%6-%7-%8")
                            .arg(int(option->state))
                            .arg(option->palette.cacheKey())
                            .arg(option->rect.width())
                            .arg(option->rect.height())
                            .arg(frame->lineWidth)
                            .arg(frame->midLineWidth)
                            .arg(int(option->direction))
                            .arg(ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap(option->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTopLeft(QPoint());
        QPainter onPanel(&panel);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPanel, widget);
        onPanel.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(option->rect.topLeft(), panel);
}
