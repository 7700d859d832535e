#pragma once

#include <QObject>

class QScrollBar;

/// The keys a user expects of a focused horizontal scroll bar: Right and Page Down forward by one
/// step and by one page, Left and Page Up back, Home to the minimum and End to the maximum, each a
/// single change of value. Qt's own scroll bar steps back on Right (or forward on Page Up, once its
/// controls are no longer inverted). Gives the bar Tab focus; it takes the focus once it is enabled.
/// Owned by `bar`.
class ScrollBarKeys : public QObject
{
    Q_OBJECT

public:
    explicit ScrollBarKeys(QScrollBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QScrollBar *m_bar;
};
