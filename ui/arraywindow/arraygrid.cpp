#include "arraygrid.h"

#include "arraygridaccessible.h"
#include "arrayformats.h"
#include "arraysheet.h"
#include "boxaddressing.h"
#include "windowplacement.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

ArrayGrid::ArrayGrid(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ArrayGrid"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Every pixel is painted, background and gaps included.
    setAttribute(Qt::WA_OpaquePaintEvent);
    installArrayGridAccessible();
}

QSize ArrayGrid::sizeHint() const
{
    return QSize(sideAt(m_zoom), sideAt(m_zoom));
}

QSize ArrayGrid::minimumSizeHint() const
{
    return QSize(sideAt(1), sideAt(1));
}

void ArrayGrid::setZoom(int zoom)
{
    m_zoom = std::clamp(zoom, 1, kMaxZoom);
    updateGeometry();
}

void ArrayGrid::resizeEvent(QResizeEvent *event)
{
    m_zoom = gridZoomFor(event->size());
    m_origin = QPoint(std::max(0, (event->size().width() - sideAt(m_zoom)) / 2), 0);
    QWidget::resizeEvent(event);
}

void ArrayGrid::setArray(const CollisionArray &array)
{
    m_array = array;
    m_sheet = arraySheet(array, SheetLook::Compact);
    m_hasArray = true;
    update();
}

void ArrayGrid::clearArray()
{
    m_hasArray = false;
    m_sheet = QImage();
    update();
}

void ArrayGrid::setCurrent(int box)
{
    box = std::clamp(box, 0, kBoxCount - 1);
    if (box == m_current)
        return;
    update(outlineRect(m_current));
    m_current = box;
    update(outlineRect(m_current));
    announceCurrent();
}

void ArrayGrid::announceCurrent()
{
    // With no reader listening a step makes no interface, as Qt's own item views do.
    if (!m_hasArray || !QAccessible::isActive())
        return;
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(m_current);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(m_current);
        QAccessible::updateAccessibility(&focus);
    }
}

void ArrayGrid::setBox(int box, std::span<const quint8, kBoxSize> heights, quint8 angle)
{
    std::copy(heights.begin(), heights.end(), m_array.bytes.begin() + qsizetype(box) * kBoxSize);
    m_array.angles[size_t(box)] = angle;
    paintCompactBox(m_sheet, QPoint((box % 16) * kBoxSize, (box / 16) * kBoxSize), heights);
    update(outlineRect(box));
}

void ArrayGrid::setMarks(const std::bitset<kBoxCount> &failing, const std::bitset<kBoxCount> &unused)
{
    const std::bitset<kBoxCount> changed = (failing ^ m_failing) | (unused ^ m_unused);
    m_failing = failing;
    m_unused = unused;
    updateBoxes(changed);
}

void ArrayGrid::setUnsaved(const std::bitset<kBoxCount> &unsaved)
{
    const std::bitset<kBoxCount> changed = unsaved ^ m_unsaved;
    m_unsaved = unsaved;
    updateBoxes(changed);
}

void ArrayGrid::updateBoxes(const std::bitset<kBoxCount> &boxes)
{
    // A mark edited in one box repaints that box alone; a new file's marks repaint the grid once.
    if (boxes.count() > 16)
        return update();
    for (int box = 0; box < kBoxCount; ++box) {
        if (boxes.test(size_t(box)))
            update(outlineRect(box));
    }
}

void ArrayGrid::setBoxWords(const QString &description, const QString &flagged, const QString &absent)
{
    m_descriptionWords = description;
    m_flaggedWord = flagged;
    m_absentWord = absent;
}

QString ArrayGrid::angleText(int box) const
{
    if (m_array.angleStart < 0)
        return m_absentWord;
    return ::angleText(m_array.angles[size_t(box)], m_flaggedWord);
}

QString ArrayGrid::boxDescription(int box) const
{
    if (!m_hasArray || box < 0 || box >= kBoxCount)
        return {};
    return m_descriptionWords.arg(indexText(box), boxText(m_array, box).trimmed(), angleText(box));
}

void ArrayGrid::setAnglesShown(bool shown)
{
    if (shown == m_anglesShown)
        return;
    m_anglesShown = shown;
    update();
}

QRect ArrayGrid::boxRect(int box) const
{
    const int pixels = kBoxSize * m_zoom;
    const int x = kGap + (box % 16) * (pixels + kGap);
    const int y = kGap + (box / 16) * (pixels + kGap);
    return QRect(m_origin + QPoint(x, y), QSize(pixels, pixels));
}

QRect ArrayGrid::outlineRect(int box) const
{
    return boxRect(box).adjusted(-kOutline, -kOutline, kOutline, kOutline);
}

int ArrayGrid::boxAt(QPoint point) const
{
    const int pitch = kBoxSize * m_zoom + kGap;
    const int x = point.x() - m_origin.x() - kGap / 2;
    const int y = point.y() - m_origin.y() - kGap / 2;
    if (x < 0 || y < 0 || x >= 16 * pitch || y >= 16 * pitch)
        return -1;
    return (y / pitch) * 16 + x / pitch;
}

void ArrayGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    if (!m_hasArray)
        return;
    // The bounding rectangle first: a step's region is two outlines, and most boxes lie outside it.
    const QRect dirty = event->rect();
    for (int box = 0; box < kBoxCount; ++box) {
        const QRect target = boxRect(box);
        if (!dirty.intersects(target) || !event->region().intersects(target))
            continue;
        const QRect source((box % 16) * kBoxSize, (box / 16) * kBoxSize, kBoxSize, kBoxSize);
        painter.drawImage(target, m_sheet, source);
        if (m_unused.test(size_t(box))) {
            QColor veil = palette().color(QPalette::Window);
            veil.setAlpha(170);
            painter.fillRect(target, veil);
        }
        if (m_anglesShown && m_array.angleStart >= 0)
            paintAngle(painter, box);
        if (m_failing.test(size_t(box))) {
            // A corner of its own: the outline lies in the gap, the angle through the centre.
            const QPoint corner = target.topRight() + QPoint(1, 0);
            const QPoint points[] = { corner, corner + QPoint(-kMark, 0), corner + QPoint(0, kMark) };
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(230, 0, 0));
            painter.drawPolygon(points, 3);
        }
        if (m_unsaved.test(size_t(box))) {
            // The opposite corner, in the highlight's colour: the check's mark may sit on the same box.
            const QPoint corner = target.bottomLeft() + QPoint(0, 1);
            const QPoint points[] = { corner, corner + QPoint(kMark, 0), corner + QPoint(0, -kMark) };
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette().color(QPalette::Highlight));
            painter.drawPolygon(points, 3);
        }
    }
    if (event->region().intersects(outlineRect(m_current))) {
        const QRect ring = outlineRect(m_current);
        const QColor colour = palette().color(QPalette::Highlight);
        painter.fillRect(ring.left(), ring.top(), ring.width(), kOutline, colour);
        painter.fillRect(ring.left(), ring.bottom() - kOutline + 1, ring.width(), kOutline, colour);
        painter.fillRect(ring.left(), ring.top(), kOutline, ring.height(), colour);
        painter.fillRect(ring.right() - kOutline + 1, ring.top(), kOutline, ring.height(), colour);
    }
}

void ArrayGrid::paintAngle(QPainter &painter, int box) const
{
    const QRectF area = QRectF(boxRect(box)).adjusted(3, 3, -3, -3);
    const quint8 byte = m_array.angles[size_t(box)];
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (angleDegrees(byte).flagged) {
        // A ring: the game works this box's angle out itself.
        painter.setPen(QPen(QColor(255, 0, 255), 2));
        painter.drawEllipse(area.center(), 5, 5);
    } else {
        // Qt's polar angles turn counter-clockwise on screen, as the degrees do.
        const QPointF half = QLineF::fromPolar(area.width() / 2, angleDegrees(byte).degrees).p2();
        painter.setPen(QPen(QColor(255, 0, 0), 2));
        painter.drawLine(area.center() - half, area.center() + half);
    }
    painter.restore();
}

void ArrayGrid::mousePressEvent(QMouseEvent *event)
{
    const int box = boxAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && box >= 0 && m_hasArray)
        emit boxChosen(box);
    QWidget::mousePressEvent(event);
}

void ArrayGrid::mouseMoveEvent(QMouseEvent *event)
{
    setHovered(boxAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void ArrayGrid::leaveEvent(QEvent *event)
{
    setHovered(-1);
    QWidget::leaveEvent(event);
}

void ArrayGrid::setHovered(int box)
{
    if (box == m_hovered)
        return;
    m_hovered = box;
    emit hoveredChanged(box);
}

void ArrayGrid::keyPressEvent(QKeyEvent *event)
{
    if (!m_hasArray) {
        QWidget::keyPressEvent(event);
        return;
    }
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        target = m_current - 1;
        break;
    case Qt::Key_Right:
        target = m_current + 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        target = m_current - 16;
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        target = m_current + 16;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = kBoxCount - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    target = std::clamp(target, 0, kBoxCount - 1);
    if (target != m_current)
        emit boxChosen(target);
}
