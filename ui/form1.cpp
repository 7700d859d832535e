#include "form1.h"

#include "arraywindowlink.h"
#include "bitmapexport.h"
#include "boxaddressing.h"
#include "canvasview.h"
#include "filedialogs.h"
#include "form2.h"
#include "gamecatalogue.h"
#include "messageboxes.h"
#include "panelcachestyle.h"
#include "texthelpers.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <utility>

namespace {

const QString kOpenFilter = QStringLiteral("*.bin; R11A__.MMD|*.bin;R11A__.mmd");
const QString kOpenDefaultExtension = QStringLiteral("*.*");
const QString kSaveFilter = QStringLiteral("Bitmap (*.bmp)|*.bmp");
const QString kSaveDefaultExtension = QStringLiteral("*.bmp");

// A label without a buddy shows "&&" as typed; the design means one "&".
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

QLineEdit *makeTextBox(
    QWidget *parent, const char *name, const QRect &geometry, QPalette::ColorRole background)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setGeometry(geometry);
    box->setStyle(PanelCacheStyle::instance());
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

} // namespace

Form1::Form1(quint16 langId, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_canvas(QGuiApplication::palette().color(QPalette::Window))
    , m_langId(langId)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tilegauge"));
    setFixedSize(473, 307);
    createControls();
    new ArrayWindowLink(this);

    // Start-up: the language from the system id, then the version in the caption.
    Frame1->setToolTip(langIdText(m_langId));
    Label2->setToolTip(Frame1->toolTip());
    if (startupLanguage(m_langId) == Language::Portuguese)
        optPT->setChecked(true);
    else
        optENG->setChecked(true);
    setWindowTitle(windowTitle() + QLatin1Char(' ') + VersionString());

    // Key preview: see every key of this window before the focused control does.
    qApp->installEventFilter(this);
}

Form1::~Form1()
{
    qApp->removeEventFilter(this);
}

QFont Form1::designFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    return font;
}

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

    optPri = makeOption(this, "optPri", QStringLiteral("Primário"), QRect(16, 168, 65, 17));
    lblBox = makeLabel(this, "lblBox", QStringLiteral("Caixa de colisão:"), QRect(192, 168, 89, 17));
    optSec = makeOption(this, "optSec", QStringLiteral("Secundário"), QRect(16, 184, 81, 17));
    optPri->hide();
    optSec->hide();
    // Neither option is selected before the first file with a second array, so the group may be empty.
    auto *arrays = new QButtonGroup(this);
    arrays->addButton(optPri);
    arrays->addButton(optSec);
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
    HScroll1->setEnabled(false);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1Change);

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

    // Three captions reach one pixel into the text box below them, so each step that changes the box's
    // text repainted the caption as well; none of their text lies in that pixel row.
    for (QLabel *label : findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        QRegion visible(label->rect());
        for (const QLineEdit *box : findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly))
            visible -= box->geometry().translated(-label->pos());
        if (visible != QRegion(label->rect()))
            label->setMask(visible);
    }

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

Language Form1::language() const
{
    return optPT->isChecked() ? Language::Portuguese : Language::English;
}

void Form1::applyLanguage(Language language)
{
    const LanguageTexts &t = languageTexts(language);
    Frame1->setTitle(t.Frame1);
    cmdAbrir->setText(t.cmdAbrir);
    cmdSair->setText(t.cmdSair);
    lblArray->setText(t.lblArray);
    lblBox->setText(t.lblBox);
    lblLoc->setText(t.lblLoc);
    optPri->setText(t.optPri);
    optSec->setText(t.optSec);
    txtArquivo->setAccessibleName(t.txtArquivoName);
    HScroll1->setAccessibleName(t.HScroll1Name);
    Picture1->setAccessibleName(t.Picture1Name);
    describeCanvas(t);
}

void Form1::describeCanvas(const LanguageTexts &t)
{
    // The scroll bar is enabled once a box is on the canvas.
    if (!HScroll1->isEnabled())
        Picture1->setAccessibleDescription(t.Picture1Empty);
    else
        Picture1->setAccessibleDescription(
            t.Picture1Description.arg(txtIndex->text(), txtBytes->text().trimmed()));
}

void Form1::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), frameGeometry().size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void Form1::paintEvent(QPaintEvent *)
{
    // The marker lines point at the middle of the canvas grid; the controls cover them where they meet.
    // One-pixel rectangles rather than lines, so a scaled screen keeps them whole and in place.
    QPainter painter(this);
    const QColor line = palette().color(QPalette::WindowText);
    painter.fillRect(304, 200, 25, 1, line);
    painter.fillRect(392, 112, 1, 25, line);
    painter.fillRect(456, 200, 25, 1, line);
    painter.fillRect(392, 264, 1, 17, line);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // A key the focused control ignores travels on to its parents; act on it once, where it started.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        QWidget *start = focusWidget() ? focusWidget() : this;
        if (widget == start && widget->window() == this)
            keyDown(static_cast<QKeyEvent *>(event));
    }
    return false; // the control still gets the key
}

void Form1::keyDown(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F5:
        Picture1DblClick();
        break;
    case Qt::Key_F6:
        ChangeLanguage();
        break;
    case Qt::Key_F7:
        ShowLangInfo();
        break;
    default:
        break;
    }

    if (!HScroll1->isEnabled() || !(event->modifiers() & Qt::KeypadModifier))
        return;
    if (event->key() == Qt::Key_Plus && HScroll1->value() < HScroll1->maximum())
        HScroll1->setValue(HScroll1->value() + 1);
    else if (event->key() == Qt::Key_Minus && HScroll1->value() > HScroll1->minimum())
        HScroll1->setValue(HScroll1->value() - 1);
}

void Form1::ChangeLanguage()
{
    const Answer answer = messageboxes::askYesNo(this, language(), changeLanguagePrompt(), BoxIcon::None);
    if (answer == Answer::Yes)
        optPT->setChecked(true);
    else
        optENG->setChecked(true);
}

void Form1::ShowLangInfo()
{
    messageboxes::inform(this, language(), langIdText(m_langId));
}

void Form1::Picture1DblClick()
{
    // The scroll bar is enabled once a box is on the canvas; before that there is nothing to save.
    if (!HScroll1->isEnabled())
        return;
    if (messageboxes::askYesNo(this, language(), texts().MsgSaveBitmap, BoxIcon::Question) != Answer::Yes)
        return;
    const QString path = ShowSaveDialog(this, kSaveFilter, kSaveDefaultExtension, texts().SaveTitle);
    if (path.isEmpty())
        return;
    if (const std::optional<FileFailure> failure = writeBitmap(m_canvas.image(), path))
        reportFailure(texts().MsgWriteFailed, *failure);
}

void Form1::cmdAbrirClick()
{
    QString path;
    qint16 gameId = 0;
    for (;;) {
        path = ShowOpenDialog(this, texts().OpenTitle, kOpenFilter, kOpenDefaultExtension);
        if (path.isEmpty())
            return;
        const Identification identification = identifyPath(path);
        if (identification.failure) {
            reportReadFailure(*identification.failure);
            return;
        }
        gameId = identification.gameId;
        if (gameId != 0)
            break;

        const Answer answer = messageboxes::askAbortRetryIgnore(this, language(), texts().MsgUnrecognized);
        if (answer == Answer::Retry)
            continue;
        if (answer == Answer::Ignore)
            gameId = GetForcedFileID();
        if (gameId == 0)
            return; // Abort, or the selector closed without OK
        break;
    }
    applyGame(gameId, path);
}

void Form1::applyGame(qint16 gameId, const QString &path)
{
    const GameRow *row = catalogueRow(gameId);
    Q_ASSERT(row);

    m_deferReadFailures = true;
    m_deferredFailure.reset();

    txtArquivo->setText(path);
    Label1->setText(labelText(row->label));
    m_arrayStart = row->arrayStart;
    m_gameId = gameId;
    txtArray->setText(offsetText(m_arrayStart));
    HScroll1->setEnabled(true);
    if (row->hasSecondary) {
        optPri->show();
        optSec->show();
        optPri->setChecked(true);
    } else {
        optPri->hide();
        optSec->hide();
    }
    // Box 0 of the new file, whatever was shown before: the change handler runs at least once.
    const bool changed = HScroll1->value() != 0;
    HScroll1->setValue(0);
    if (!changed)
        HScroll1Change();

    m_deferReadFailures = false;
    if (const std::optional<FileFailure> failure = std::exchange(m_deferredFailure, std::nullopt))
        reportReadFailure(*failure);
    emit arrayShown();
}

qint16 Form1::GetForcedFileID()
{
    Form2 selector(this);
    selector.exec();
    return selector.forcedFileId();
}

void Form1::HScroll1Change()
{
    const int index = HScroll1->value();
    txtIndex->setText(indexText(index));
    m_boxLocation = ::BoxLocation(m_arrayStart, index);
    txtLoc->setText(offsetText(m_boxLocation));
    LoadCollisionBox();
}

void Form1::LoadCollisionBox()
{
    m_canvas.ClearCollisionBox();
    // One write per box: nothing runs between the sixteen reads, so no user could see the text grow,
    // and a read that fails part-way still leaves the bytes read so far.
    QString bytes;
    bytes.reserve(48);
    const std::optional<FileFailure> failure
        = readCollisionBox(txtArquivo->text(), m_boxLocation, [&](int column, quint8 byte) {
              bytes += byteText(byte);
              m_canvas.drawColumn(column, byte);
          });
    txtBytes->setText(bytes);
    Picture1->update();
    describeCanvas(texts());
    if (failure)
        reportReadFailure(*failure);
}

void Form1::optPriClick()
{
    setArrayStart(primaryArrayStart(m_gameId, m_arrayStart));
}

void Form1::optSecClick()
{
    setArrayStart(secondaryArrayStart(m_arrayStart));
}

void Form1::setArrayStart(qint32 start)
{
    m_arrayStart = start;
    HScroll1Change();
    txtArray->setText(offsetText(m_arrayStart));
    // The open command says so once, at its end.
    if (!m_deferReadFailures)
        emit arrayShown();
}

void Form1::reportReadFailure(const FileFailure &failure)
{
    if (m_deferReadFailures) {
        m_deferredFailure = failure;
        return;
    }
    reportFailure(texts().MsgReadFailed, failure);
}

void Form1::reportFailure(const QString &lead, const FileFailure &failure)
{
    messageboxes::inform(
        this, language(), failureText(lead, failure.path, failure.reason), BoxIcon::Critical);
}
