#pragma once

#include <QCache>
#include <QPixmap>
#include <QProxyStyle>

/// The application's style, except that two drawings that cost more than anything else a step of the
/// window repaints are drawn once for each look and then copied: a text box's panel (Fusion strokes
/// it as antialiased rounded paths, though it never changes while the text does) and a scroll bar
/// (gradients and paths, though a step often moves its handle by no pixel at all).
class DrawingCacheStyle : public QProxyStyle
{
    Q_OBJECT

public:
    /// One instance, owned by the application, for every text box and scroll bar that wants it.
    [[nodiscard]] static DrawingCacheStyle *instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    /// Bytes the cached drawings hold, and the most they may hold before the oldest are dropped.
    [[nodiscard]] qint64 cachedBytes() const { return m_drawings.totalCost(); }
    [[nodiscard]] qint64 cacheLimit() const { return m_drawings.maxCost(); }
    [[nodiscard]] int cachedDrawings() const { return int(m_drawings.size()); }
    /// False once a scroll bar drawing has shown a pixel that is not fully opaque.
    [[nodiscard]] bool scrollBarsOpaque() const { return m_scrollBarsOpaque; }

private:
    DrawingCacheStyle();

    // Everything either drawing's look depends on; fields one of them lacks stay 0.
    enum class Kind
    {
        Panel,
        ScrollBar
    };
    struct Key
    {
        Kind kind;
        int state;
        int subControls;
        int activeSubControls;
        qint64 palette;
        int colorGroup;
        QRect rect;
        QRect handle;
        int lineWidth;
        int midLineWidth;
        int direction;
        int orientation;
        int atEnds; // for a scroll bar: which of its value and handle are at the minimum or maximum
        qreal ratio;
        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, int(key.kind), key.state, key.activeSubControls, key.palette,
                key.rect.width(), key.rect.height(), key.handle.x(), key.handle.y(), key.handle.width(),
                key.atEnds, key.ratio);
        }
    };

    // Draws with `draw(painter, rect)` into a pixmap of `rect`'s size once per key, then copies it to
    // `painter`.
    template<typename Draw>
    void drawCached(
        const Key &key, const QRect &rect, QPainter *painter, const QWidget *widget, const Draw &draw) const;

    mutable QCache<Key, QPixmap> m_drawings;
    mutable bool m_scrollBarsOpaque = true;
};
