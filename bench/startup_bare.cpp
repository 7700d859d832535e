// The yardstick for start-up: a plain Qt window holding the main window's controls (the same types,
// count, places, captions and fonts) with no logic behind them, ending at its first idle moment.

#include "quitatidle.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

void label(QWidget *parent, const char *text, const QRect &geometry)
{
    auto *control = new QLabel(QString::fromUtf8(text), parent);
    control->setGeometry(geometry);
}

QLineEdit *textBox(QWidget *parent, const QRect &geometry)
{
    auto *control = new QLineEdit(parent);
    control->setReadOnly(true);
    control->setGeometry(geometry);
    return control;
}

void option(QWidget *parent, const char *text, const QRect &geometry)
{
    auto *control = new QRadioButton(QString::fromUtf8(text), parent);
    control->setGeometry(geometry);
    control->hide();
}

void button(QWidget *parent, const char *text, const QRect &geometry)
{
    auto *control = new QPushButton(QString::fromUtf8(text), parent);
    control->setGeometry(geometry);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tilegauge"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tilegauge 1.00.0003"));
    window.setFixedSize(473, 307);

    auto *frame = new QGroupBox(QStringLiteral("Language"), &window);
    frame->setGeometry(8, 0, 457, 41);
    label(frame, "Aperte F6 para mudar o idioma / Press F6 to change the language.", QRect(8, 16, 441, 17));
    option(frame, "Português", QRect(80, 10, 121, 25));
    option(frame, "English", QRect(256, 10, 121, 25));

    QLineEdit *path = textBox(&window, QRect(0, 48, 473, 23));
    QFont pathFont(QStringLiteral("Courier New"));
    pathFont.setPointSizeF(9.75);
    pathFont.setStyleHint(QFont::TypeWriter);
    path->setFont(pathFont);
    button(&window, "&OPEN ROM", QRect(16, 72, 441, 25));
    button(&window, "&QUIT", QRect(16, 96, 441, 25));
    label(&window, "...", QRect(16, 136, 297, 17));

    QImage blank(128, 128, QImage::Format_RGB32);
    blank.fill(QApplication::palette().color(QPalette::Window));
    auto *picture = new QLabel(&window);
    picture->setFrameShape(QFrame::Box);
    picture->setPixmap(QPixmap::fromImage(blank));
    picture->setGeometry(328, 136, 130, 130);

    option(&window, "Primary", QRect(16, 168, 65, 17));
    label(&window, "Collision box:", QRect(192, 168, 89, 17));
    option(&window, "Secondary", QRect(16, 184, 81, 17));
    textBox(&window, QRect(240, 184, 25, 19))->setText(QStringLiteral("00"));
    label(&window, "Array start:", QRect(16, 208, 113, 17));
    auto *scroll = new QScrollBar(Qt::Horizontal, &window);
    scroll->setGeometry(192, 208, 81, 17);
    scroll->setRange(0, 255);
    scroll->setEnabled(false);
    textBox(&window, QRect(16, 224, 105, 19));
    label(&window, "Location:", QRect(192, 232, 65, 17));
    textBox(&window, QRect(192, 248, 97, 19));
    label(&window, "Bytes:", QRect(16, 264, 49, 17));
    textBox(&window, QRect(16, 280, 441, 19));

    window.show();
    quitAtIdle(&window);
    return QApplication::exec();
}
