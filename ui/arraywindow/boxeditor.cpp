#include "boxeditor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kColumns = 16;

} // namespace

BoxEditor::BoxEditor(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BoxEditor"));
    setFocusPolicy(Qt::StrongFocus);
    // Its columns cover it whole, so nothing under it need be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kSide, kSide);
    setHeights(m_heights);
}

void BoxEditor::setHeights(const BoxBytes &heights)
{
    // One rectangle over the changed columns: a region of sixteen costs more to mark than to paint.
    QRect changed;
    for (int column = 0; column < kColumns; ++column) {
        if (heights[size_t(column)] != m_heights[size_t(column)]) {
            changed |= columnRect(column);
            // With no reader listening a step makes no interface.
            if (!QAccessible::isActive())
                continue;
            QAccessibleValueChangeEvent event(this, heights[size_t(column)]);
            event.setChild(column);
            QAccessible::updateAccessibility(&event);
        }
    }
    m_heights = heights;
    if (!changed.isNull())
        update(changed);
}

const QImage &BoxEditor::columnImage(quint8 byte) const
{
    auto found = m_columns.find(byte);
    if (found == m_columns.end()) {
        CollisionCanvas canvas(CollisionCanvas::kGray);
        canvas.ClearCollisionBox();
        canvas.drawColumn(0, byte);
        found = m_columns.insert(byte,
            canvas.image()
                .copy(0, 0, CollisionCanvas::kCell, CollisionCanvas::kSize)
                .scaled(kCellPixels, kSide, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    return *found;
}

void BoxEditor::setColumn(int column)
{
    column = std::clamp(column, 0, kColumns - 1);
    if (column == m_column)
        return;
    update(columnRect(m_column));
    update(columnRect(column));
    m_column = column;
    if (hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(column);
        QAccessible::updateAccessibility(&event);
    }
    emit columnChanged(column);
}

void BoxEditor::requestColumn(int column, quint8 byte)
{
    editColumn(column, byte, 0);
}

QString BoxEditor::columnName(int column) const
{
    return m_columnWords.arg(column);
}

QRect BoxEditor::columnRect(int column)
{
    return QRect(column * kCellPixels, 0, kCellPixels, kSide);
}

QSize BoxEditor::sizeHint() const
{
    return QSize(kSide, kSide);
}

void BoxEditor::editColumn(int column, quint8 byte, int stroke)
{
    if (column < 0 || column >= kColumns || m_heights[size_t(column)] == byte)
        return;
    BoxBytes heights = m_heights;
    heights[size_t(column)] = byte;
    emit edited(heights, stroke);
}

void BoxEditor::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (int column = 0; column < kColumns; ++column) {
        if (event->region().intersects(columnRect(column)))
            painter.drawImage(columnRect(column).topLeft(), columnImage(m_heights[size_t(column)]));
    }
    painter.drawImage(columnRect(m_column).topLeft(), cursorImage());
}

const QImage &BoxEditor::cursorImage() const
{
    const std::tuple look(palette().color(QPalette::Highlight).rgba(), hasFocus(), devicePixelRatioF());
    if (m_cursor.isNull() || look != m_cursorLook) {
        const auto [colour, focused, ratio] = look;
        const QRect frame = columnRect(0);
        m_cursor = QImage(frame.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_cursor.setDevicePixelRatio(ratio);
        m_cursor.fill(Qt::transparent);
        QPainter painter(&m_cursor);
        // Solid where the keys act, dashed when they act elsewhere, so the cursor is always seen.
        painter.setPen(QPen(QColor::fromRgba(colour), 2, focused ? Qt::SolidLine : Qt::DashLine));
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
        m_cursorLook = look;
    }
    return m_cursor;
}

void BoxEditor::setColumnAt(QPoint point, bool press)
{
    const int column = std::clamp(point.x() / kCellPixels, 0, kColumns - 1);
    const int row = std::clamp(point.y() / kCellPixels, 0, kColumns - 1);
    const quint8 byte = columnByteTo(m_mode, row);
    setColumn(column);
    const bool topAgain = press && m_heights[size_t(column)] == byte;
    editColumn(column, topAgain ? quint8(0) : byte, m_strokes);
}

void BoxEditor::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        setColumn(point.x() / kCellPixels);
        editColumn(m_column, 0, 0);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    ++m_strokes;
    m_dragging = true;
    setColumnAt(point, true);
}

void BoxEditor::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        setColumnAt(event->position().toPoint(), false);
}

void BoxEditor::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void BoxEditor::keyPressEvent(QKeyEvent *event)
{
    const quint8 byte = m_heights[size_t(m_column)];
    switch (event->key()) {
    case Qt::Key_Left:
        return setColumn(m_column - 1);
    case Qt::Key_Right:
        return setColumn(m_column + 1);
    case Qt::Key_Up:
        return editColumn(m_column, steppedColumn(m_mode, byte, 1), 0);
    case Qt::Key_Down:
        return editColumn(m_column, steppedColumn(m_mode, byte, -1), 0);
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return editColumn(m_column, 0, 0);
    default:
        QWidget::keyPressEvent(event);
    }
}

void BoxEditor::focusInEvent(QFocusEvent *event)
{
    update(columnRect(m_column));
    QWidget::focusInEvent(event);
}

void BoxEditor::focusOutEvent(QFocusEvent *event)
{
    update(columnRect(m_column));
    QWidget::focusOutEvent(event);
}
