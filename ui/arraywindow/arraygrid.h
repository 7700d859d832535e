#pragma once

#include "collisionarray.h"

#include <QImage>
#include <QWidget>

#include <bitset>

/// The 256 boxes of an array, 16 rows of 16, each drawn as in the compact sheet at a whole zoom (16 x 16
/// pixels at 1, 32 x 32 at 2, no smoothing), with a gap of window background between them. The zoom is
/// the largest that the grid's size holds; the boxes stand centred across it, from its top. The current box
/// is outlined in the gap around it; moving the outline repaints only the two boxes' surroundings. A box
/// that fails the check carries a corner mark, one with unsaved changes another, and a box no zone uses
/// is dimmed.
///
/// A click or the keys (arrows, Home, End, Page Up/Down) ask for a box through boxChosen(); the grid
/// outlines it only once setCurrent() says it is on display.
class ArrayGrid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kGap = 4;
    static constexpr int kOutline = 2;
    static constexpr int kMaxZoom = 3;
    static constexpr int kMark = 9;
    /// The width and height the boxes take at `zoom`, gaps included.
    [[nodiscard]] static constexpr int sideAt(int zoom) { return 16 * kBoxSize * zoom + 17 * kGap; }

    explicit ArrayGrid(QWidget *parent);

    void setArray(const CollisionArray &array);
    void clearArray();
    [[nodiscard]] bool hasArray() const { return m_hasArray; }
    [[nodiscard]] const CollisionArray &array() const { return m_array; }
    /// Box `box` (0..255) of the array now holds `heights` and `angle`: only its surroundings repaint.
    void setBox(int box, std::span<const quint8, kBoxSize> heights, quint8 angle);

    /// The box on display, 0..255.
    void setCurrent(int box);
    [[nodiscard]] int current() const { return m_current; }
    /// The box under the mouse, or -1.
    [[nodiscard]] int hovered() const { return m_hovered; }

    /// The boxes that fail the check, and those no zone uses.
    void setMarks(const std::bitset<kBoxCount> &failing, const std::bitset<kBoxCount> &unused);
    [[nodiscard]] bool failing(int box) const { return m_failing.test(size_t(box)); }
    [[nodiscard]] bool unused(int box) const { return m_unused.test(size_t(box)); }
    /// The boxes with changes not yet saved.
    void setUnsaved(const std::bitset<kBoxCount> &unsaved);
    [[nodiscard]] bool unsaved(int box) const { return m_unsaved.test(size_t(box)); }

    /// The words of a box's description in the language in force: `description` with %1 the index,
    /// %2 the 16 bytes, %3 the angle; `flagged` for an angle the game works out itself, `absent` for
    /// an array without an angle map.
    void setBoxWords(const QString &description, const QString &flagged, const QString &absent = {});
    /// Box `box`'s angle in hex and degrees (or the flagged or absent word), from the array in memory.
    [[nodiscard]] QString angleText(int box) const;
    /// What a screen reader says of box `box`; empty with no array.
    [[nodiscard]] QString boxDescription(int box) const;

    void setAnglesShown(bool shown);
    [[nodiscard]] bool anglesShown() const { return m_anglesShown; }

    /// The zoom the grid asks its layout room for, 1..3; its size then decides the zoom drawn.
    void setZoom(int zoom);
    [[nodiscard]] int zoom() const { return m_zoom; }

    /// Where box `box` is drawn, in widget pixels.
    [[nodiscard]] QRect boxRect(int box) const;
    /// The box drawn at `point`, gaps included as far as half their width, or -1 outside the boxes.
    [[nodiscard]] int boxAt(QPoint point) const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

signals:
    void boxChosen(int box);
    void hoveredChanged(int box);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    [[nodiscard]] QRect outlineRect(int box) const;
    void updateBoxes(const std::bitset<kBoxCount> &boxes);
    void paintAngle(QPainter &painter, int box) const;
    void setHovered(int box);
    void announceCurrent();

    CollisionArray m_array;
    QImage m_sheet; // the compact sheet, 256 x 256
    QString m_descriptionWords;
    QString m_flaggedWord;
    QString m_absentWord;
    std::bitset<kBoxCount> m_failing;
    std::bitset<kBoxCount> m_unused;
    std::bitset<kBoxCount> m_unsaved;
    bool m_hasArray = false;
    bool m_anglesShown = false;
    int m_current = 0;
    int m_hovered = -1;
    int m_zoom = 2;
    QPoint m_origin; // where the boxes' area starts
};
