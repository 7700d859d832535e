#include "controlfactory.h"

#include "drawingcachestyle.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegion>

namespace controlfactory {

QString labelText(const char *caption)
{
    return QString::fromUtf8(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const char *name, const QRect &geometry, QPalette::ColorRole background)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setGeometry(geometry);
    box->setStyle(DrawingCacheStyle::instance());
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(background));
    box->setPalette(palette);
    return box;
}

QRadioButton *makeOption(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *option = new QRadioButton(text, parent);
    option->setObjectName(QString::fromLatin1(name));
    option->setGeometry(geometry);
    return option;
}

void maskCaptionsUnderTextBoxes(QWidget *window)
{
    // Three captions reach one pixel into the text box below them, so each step that changes the box's
    // text repainted the caption as well; none of their text lies in that pixel row.
    QList<QRect> boxes;
    for (const QObject *child : window->children()) {
        if (const auto *box = qobject_cast<const QLineEdit *>(child))
            boxes.append(box->geometry());
    }
    for (QObject *child : window->children()) {
        auto *label = qobject_cast<QLabel *>(child);
        if (!label)
            continue;
        QRegion visible(label->rect());
        for (const QRect &box : boxes)
            visible -= box.translated(-label->pos());
        if (visible != QRegion(label->rect()))
            label->setMask(visible);
    }
}

} // namespace controlfactory
