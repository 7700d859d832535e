#include "form1.h"

#include "arraychoice.h"
#include "bitmapexport.h"
#include "boxaddressing.h"
#include "canvasview.h"
#include "controlfactory.h"
#include "filedialogs.h"
#include "filedoor.h"
#include "filefollower.h"
#include "form2.h"
#include "gamecatalogue.h"
#include "mainwindowseam.h"
#include "markerlines.h"
#include "messageboxes.h"
#include "outputguard.h"
#include "systemmessages.h"
#include "texthelpers.h"
#include "windowaccessible.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

namespace {

const QString kOpenFilter = QStringLiteral("*.bin; R11A__.MMD|*.bin;R11A__.mmd");
const QString kOpenDefaultExtension = QStringLiteral("*.*");
const QString kSaveFilter = QStringLiteral("Bitmap (*.bmp)|*.bmp");
const QString kSaveDefaultExtension = QStringLiteral("*.bmp");

} // namespace

Form1::Form1(quint16 langId, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_canvas(QGuiApplication::palette().color(QPalette::Window))
    , m_langId(langId)
    , m_failures(this, [this] { return language(); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tilegauge"));
    setFixedSize(473, 307);
    installWindowAccessible();
    m_seam = new MainWindowSeam(this);
    createControls();
    // The other ways in: the doors besides the open dialog, and the loaded file changing on disk.
    new FileDoor(m_seam);
    connect(m_seam, &MainWindowSeam::fileRequested, this, &Form1::openPath);
    connect(m_seam, &MainWindowSeam::setRequested, this, [this](const QString &path, qint16 gameId) {
        applyGame(gameId, path, 1);
        m_follower->follow(path);
    });
    m_follower = new FileFollower(this);
    m_follower->setObjectName(QStringLiteral("fileFollower"));
    connect(m_follower, &FileFollower::changed, this, &Form1::followedFileChanged);
    // What the other windows ask is done by this window's own handlers: a box by the scroll bar.
    connect(m_seam, &MainWindowSeam::boxRequested, HScroll1, &QScrollBar::setValue);
    connect(m_seam, &MainWindowSeam::arrayStartRequested, this, &Form1::setArrayStart);
    connect(m_seam, &MainWindowSeam::saveBitmapRequested, this, &Form1::Picture1DblClick);

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

Language Form1::language() const
{
    return optPT->isChecked() ? Language::Portuguese : Language::English;
}

void Form1::applyLanguage(Language language)
{
    const LanguageTexts &t = languageTexts(language);
    // The system's reasons inside the window's messages, in the same language.
    useSystemMessagesIn(language == Language::Portuguese ? QLocale::Portuguese : QLocale::English);
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
    m_seam->publishLanguage(language);
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
    QPainter painter(this);
    paintMarkerLines(painter, palette().color(QPalette::WindowText));
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
    if (replacedInput(path, { txtArquivo->text() }))
        return m_failures.report(texts().MsgWriteFailed, FileFailure { path, texts().MsgReplacesShown });
    if (const std::optional<FileFailure> failure = writeBitmap(m_canvas.image(), path))
        m_failures.report(texts().MsgWriteFailed, *failure);
}

void Form1::cmdAbrirClick()
{
    const QString path = ShowOpenDialog(this, texts().OpenTitle, kOpenFilter, kOpenDefaultExtension);
    if (!path.isEmpty())
        openPath(path);
}

void Form1::openPath(const QString &path)
{
    if (!m_seam->mayDiscardChanges())
        return;
    const Identification identification = identifyPath(path);
    if (identification.failure) {
        m_failures.readFailed(*identification.failure);
        return;
    }
    qint16 gameId = identification.gameId;
    if (gameId == 0) {
        const Answer answer = messageboxes::askAbortRetryIgnore(this, language(), texts().MsgUnrecognized);
        if (answer == Answer::Retry) {
            cmdAbrirClick();
            return;
        }
        if (answer == Answer::Ignore)
            gameId = GetForcedFileID();
        if (gameId == 0)
            return; // Abort, or the selector closed without OK
    }
    applyGame(gameId, path);
    m_follower->follow(path);
}

void Form1::applyGame(qint16 gameId, const QString &path, qint32 arrayStart)
{
    const GameRow *row = catalogueRow(gameId);
    Q_ASSERT(row);

    // Box 0 may be shown several times over below; a failing file is reported once, at the end.
    m_failures.hold();

    txtArquivo->setText(path);
    Label1->setText(controlfactory::labelText(row->label));
    m_arrayStart = arrayStart ? arrayStart : row->arrayStart;
    m_gameId = gameId;
    txtArray->setText(offsetText(m_arrayStart));
    HScroll1->setEnabled(true);
    if (row->hasSecondary && m_arrayStart == row->arrayStart) {
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

    m_failures.release();
    emit m_seam->arrayShown();
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
    QByteArray bytes;
    bytes.reserve(kBoxSize);
    const std::optional<FileFailure> failure
        = readCollisionBox(txtArquivo->text(), m_boxLocation, [&](int column, quint8 byte) {
              bytes.append(char(byte));
              m_canvas.drawColumn(column, byte);
          });
    txtBytes->setText(boxBytesText(bytes));
    Picture1->update();
    describeCanvas(texts());
    // Before a failure's message, so that the other windows never show an older box behind it.
    m_seam->publishBox(txtArquivo->text(), m_gameId, m_arrayStart, HScroll1->value(), bytes);
    if (failure)
        m_failures.readFailed(*failure);
    else
        m_failures.readSucceeded();
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
    m_arrayChoice->follow(m_gameId, m_arrayStart);
    HScroll1Change();
    txtArray->setText(offsetText(m_arrayStart));
    // The open command says so once, at its end.
    if (!m_failures.holding())
        emit m_seam->arrayShown();
}

void Form1::followedFileChanged()
{
    // A question or message is open: show the file's new state once it has been answered.
    if (QApplication::activeModalWidget()) {
        m_follower->retryLater();
        return;
    }
    m_failures.setQuietRepeats(true);
    HScroll1Change();
    m_failures.setQuietRepeats(false);
    emit m_seam->arrayShown();
}
