#pragma once

#include "boxedits.h"
#include "collisioncanvas.h"

#include <QHash>
#include <QImage>
#include <QWidget>

#include <tuple>

/// One box drawn large, the canvas at 12 screen pixels a cell at scale 1 (small enough to stand beside
/// the grid on a small screen; every cell scales alike, unsmoothed), with a cursor around one column. It shows the heights it is given and asks for changes through edited():
///
/// - a press or a drag sets the column under the pointer to the cell under it, from the mode's edge;
/// - a press on the cell that already tops a column, or a right-click, empties it: pressing the top
///   again is what people try first to take a click back, and a right-click is the eraser of paint
///   programs;
/// - Left and Right move the cursor, Up and Down step its height one cell, Delete empties it.
class BoxEditor : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kCellPixels = 12;
    static constexpr int kSide = CollisionCanvas::kSize / CollisionCanvas::kCell * kCellPixels;

    explicit BoxEditor(QWidget *parent);

    void setHeights(const BoxBytes &heights);
    [[nodiscard]] const BoxBytes &heights() const { return m_heights; }
    void setMode(FillMode mode) { m_mode = mode; }
    [[nodiscard]] FillMode mode() const { return m_mode; }
    /// The column under the cursor, 0..15.
    [[nodiscard]] int column() const { return m_column; }
    void setColumn(int column);

    /// Asks for column `column` (0..15) to hold `byte`, as one step: for screen readers.
    void requestColumn(int column, quint8 byte);
    /// %1 in `words` is the column, 0..15.
    void setColumnWords(const QString &words) { m_columnWords = words; }
    [[nodiscard]] QString columnName(int column) const;
    /// Where column `column` is drawn, in widget pixels.
    [[nodiscard]] static QRect columnRect(int column);

    [[nodiscard]] QSize sizeHint() const override;

signals:
    /// The user asks for the box to hold `heights`. The steps of one press and its drag share a nonzero
    /// `stroke`; a key's step has 0.
    void edited(const BoxBytes &heights, int stroke);
    void columnChanged(int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void editColumn(int column, quint8 byte, int stroke);
    void setColumnAt(QPoint point, bool press);

    /// Column `byte` as the canvas draws it, at the editor's size: made once a byte, then copied, as
    /// scaling the whole canvas in each paint cost more than the rest of a step.
    [[nodiscard]] const QImage &columnImage(quint8 byte) const;
    mutable QHash<quint8, QImage> m_columns;
    /// The cursor's frame, drawn once for each look and then copied: a dashed stroke in each paint cost a
    /// third of what a step in the main window costs.
    [[nodiscard]] const QImage &cursorImage() const;
    mutable QImage m_cursor;
    mutable std::tuple<QRgb, bool, qreal> m_cursorLook;
    BoxBytes m_heights {};
    FillMode m_mode = FillMode::Floor;
    QString m_columnWords = QStringLiteral("%1");
    int m_column = 0;
    int m_strokes = 0; ///< strokes begun so far; the last is the drag under way
    bool m_dragging = false;
};
