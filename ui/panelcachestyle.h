#pragma once

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

/// The application's style, except that a text box's panel is drawn once for each look and size and
/// then copied. Fusion draws that panel as antialiased rounded paths, which cost more than everything
/// else that showing a box repaints, though the panel never changes while the text does.
class PanelCacheStyle : public QProxyStyle
{
    Q_OBJECT

public:
    /// One instance, owned by the application, for every text box that wants it.
    [[nodiscard]] static PanelCacheStyle *instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;

private:
    PanelCacheStyle();

    // Everything a panel's look depends on.
    struct PanelKey
    {
        int state;
        qint64 palette;
        int width;
        int height;
        int lineWidth;
        int midLineWidth;
        int direction;
        qreal ratio;
        bool operator==(const PanelKey &) const = default;
        friend size_t qHash(const PanelKey &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.state, key.palette, key.width, key.height, key.lineWidth,
                key.midLineWidth, key.direction, key.ratio);
        }
    };
    mutable QHash<PanelKey, QPixmap> m_panels;
};
