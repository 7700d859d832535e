// The main window's controls as the design lays them out, apart from the handlers in form1.cpp.

#include "form1.h"

#include "arraychoice.h"
#include "boxaddressing.h"
#include "canvasview.h"
#include "controlfactory.h"
#include "drawingcachestyle.h"
#include "mainwindowseam.h"
#include "scrollbarkeys.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace controlfactory;

void Form1::createControls()
{
    Frame1 = new QGroupBox(QStringLiteral("Idioma"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(8, 0, 457, 41);

    Label2 = makeLabel(Frame1, "Label2",
        QStringLiteral("Aperte F6 para mudar o idioma / Press F6 to change the language."),
        QRect(8, 16, 441, 17));
    Label2->setAlignment(Qt::AlignCenter);

    // The language in force is whichever of these two hidden options is selected.
    optPT = makeOption(Frame1, "optPT", QStringLiteral("Português"), QRect(80, 10, 121, 25));
    optENG = makeOption(Frame1, "optENG", QStringLiteral("English"), QRect(256, 10, 121, 25));
    optPT->hide();
    optENG->hide();
    connect(optPT, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            applyLanguage(Language::Portuguese);
    });
    connect(optENG, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            applyLanguage(Language::English);
    });

    txtArquivo = makeTextBox(this, "txtArquivo", QRect(0, 48, 473, 23), QPalette::Base);
    {
        QPalette palette = txtArquivo->palette();
        palette.setColor(QPalette::Base, QColor(0, 0, 0));
        palette.setColor(QPalette::Text, QColor(128, 255, 128));
        txtArquivo->setPalette(palette);
        QFont font(QStringLiteral("Courier New"));
        font.setPointSizeF(9.75);
        font.setStyleHint(QFont::TypeWriter);
        txtArquivo->setFont(font);
    }

    cmdAbrir = new QPushButton(QStringLiteral("&ABRIR ROM"), this);
    cmdAbrir->setObjectName(QStringLiteral("cmdAbrir"));
    cmdAbrir->setGeometry(16, 72, 441, 25);
    cmdAbrir->setAutoDefault(false);
    connect(cmdAbrir, &QPushButton::clicked, this, &Form1::cmdAbrirClick);

    cmdSair = new QPushButton(QStringLiteral("&SAIR"), this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    cmdSair->setGeometry(16, 96, 441, 25);
    cmdSair->setAutoDefault(false);
    connect(cmdSair, &QPushButton::clicked, this, &QWidget::close);

    Label1 = makeLabel(this, "Label1", QStringLiteral("..."), QRect(16, 136, 297, 17));

    Picture1 = new CanvasView(&m_canvas.image(), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(328, 136, 130, 130);
    connect(Picture1, &CanvasView::doubleClicked, this, &Form1::Picture1DblClick);
    // The other windows fill the canvas's menu.
    Picture1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Picture1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { emit m_seam->canvasMenuRequested(Picture1->mapToGlobal(at)); });

    optPri = makeOption(this, "optPri", QStringLiteral("Primário"), QRect(16, 168, 65, 17));
    lblBox = makeLabel(this, "lblBox", QStringLiteral("Caixa de colisão:"), QRect(192, 168, 89, 17));
    optSec = makeOption(this, "optSec", QStringLiteral("Secundário"), QRect(16, 184, 81, 17));
    optPri->hide();
    optSec->hide();
    m_arrayChoice = new ArrayChoice(optPri, optSec);
    connect(optPri, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optPriClick();
    });
    connect(optSec, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optSecClick();
    });

    txtIndex = makeTextBox(this, "txtIndex", QRect(240, 184, 25, 19), QPalette::Window);
    txtIndex->setText(QStringLiteral("00"));

    lblArray = makeLabel(this, "lblArray", QStringLiteral("Início do array:"), QRect(16, 208, 113, 17));

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(192, 208, 81, 17);
    HScroll1->setRange(0, kBoxCount - 1);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(16);
    // A thumb drag shows its box once, on release.
    HScroll1->setTracking(false);
    HScroll1->setStyle(DrawingCacheStyle::instance());
    HScroll1->setEnabled(false);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1Change);
    new ScrollBarKeys(HScroll1);

    txtArray = makeTextBox(this, "txtArray", QRect(16, 224, 105, 19), QPalette::Button);
    lblLoc = makeLabel(this, "lblLoc", QStringLiteral("Localização:"), QRect(192, 232, 65, 17));
    txtLoc = makeTextBox(this, "txtLoc", QRect(192, 248, 97, 19), QPalette::Button);
    Label3 = makeLabel(this, "Label3", QStringLiteral("Bytes:"), QRect(16, 264, 49, 17));
    txtBytes = makeTextBox(this, "txtBytes", QRect(16, 280, 441, 19), QPalette::Button);

    // A screen reader names each text box after the caption above it, in the language in force.
    lblBox->setBuddy(txtIndex);
    lblArray->setBuddy(txtArray);
    lblLoc->setBuddy(txtLoc);
    Label3->setBuddy(txtBytes);

    maskCaptionsUnderTextBoxes(this);

    setTabOrder(Picture1, txtArquivo);
    setTabOrder(txtArquivo, cmdAbrir);
    setTabOrder(cmdAbrir, cmdSair);
    setTabOrder(cmdSair, txtArray);
    setTabOrder(txtArray, txtIndex);
    setTabOrder(txtIndex, HScroll1);
    setTabOrder(HScroll1, txtLoc);
    setTabOrder(txtLoc, txtBytes);
    setTabOrder(txtBytes, optPri);
    setTabOrder(optPri, optSec);
    Picture1->setFocus();
}
