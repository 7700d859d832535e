#include "arraywindow.h"

#include "arrayexportbuttons.h"
#include "arraygrid.h"
#include "boxaddressing.h"
#include "editorlink.h"
#include "editorpanel.h"
#include "failuretext.h"
#include "keypadstep.h"
#include "mainwindowseam.h"
#include "regularfile.h"
#include "tablesearchpanel.h"
#include "texthelpers.h"
#include "windowplacement.h"
#include "zoneindexes.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

ArrayWindow::ArrayWindow(MainWindowSeam *form)
    : QWidget(form->window(), Qt::Window)
    , m_form(form)
{
    setObjectName(QStringLiteral("ArrayWindow"));
    // Its words change on every step and are hex and Latin words: shaping them cost more than the step.
    QFont unshaped;
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    setFont(unshaped);
    createControls();
    connect(form, &MainWindowSeam::boxChanged, this, &ArrayWindow::followBox);
    connect(form, &MainWindowSeam::arrayShown, this, &ArrayWindow::reloadArray);
    connect(form, &MainWindowSeam::languageChanged, this, &ArrayWindow::applyLanguage);
    applyLanguage();
}

ArrayWindow::~ArrayWindow() = default;

const ArrayWindowTexts &ArrayWindow::texts() const
{
    return arrayWindowTexts(m_form->language());
}

const CollisionArray *ArrayWindow::shownArray() const
{
    return m_shown ? &m_shown->array : nullptr;
}

void ArrayWindow::createControls()
{
    // In a scroll area, so that a screen too small for it (1920 x 1080 at scale 2) still holds the
    // window whole, its controls scrolled; where it fits, nothing scrolls and nothing shows of it.
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The keys go to its controls, which it scrolls into view.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    m_content = new QWidget(scroll);
    auto *layout = new QVBoxLayout(m_content);
    // Tight enough that the window fits a 768-pixel-high screen with its title bar.
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(4);
    // The editor beside the grid and its bytes under both: a 1024-pixel screen has room in width.
    auto *top = new QHBoxLayout;
    auto *gridColumn = new QVBoxLayout;
    top->addLayout(gridColumn, 1);
    layout->addLayout(top);
    m_grid = new ArrayGrid(this);
    gridColumn->addWidget(m_grid);
    connect(m_grid, &ArrayGrid::boxChosen, this, &ArrayWindow::chooseBox);
    connect(m_grid, &ArrayGrid::hoveredChanged, this, &ArrayWindow::showReadout);

    m_readout = new QLabel(this);
    m_readout->setObjectName(QStringLiteral("readout"));
    // Not selectable: a selectable label lays out and draws a text document on every step, which cost
    // more than the step itself. The main window's texts and Copy box offer the same to copy.
    m_readout->setTextFormat(Qt::PlainText);
    // A fixed size, so new words repaint the label alone and never lay the window out again; the
    // smallest grid's width holds each of its lines, the check's and the zones' words cut short.
    m_readout->setFixedSize(ArrayGrid::sideAt(1), 4 * m_readout->fontMetrics().lineSpacing() + 2);
    // Filled by itself, so its new words on each step repaint the label and not the window under it.
    m_readout->setAutoFillBackground(true);
    gridColumn->addWidget(m_readout);
    m_editor = new EditorPanel(this);
    top->addWidget(m_editor, 0, Qt::AlignTop);
    layout->addWidget(m_editor->bytesBar());
    m_editing = new EditorLink(m_form, this, m_shown, m_grid, m_editor);
    connect(m_editing, &EditorLink::boxEdited, this, [this] {
        showMarks();
        showReadoutSoon();
    });
    connect(m_editing, &EditorLink::readAgain, this, &ArrayWindow::reloadArray);

    m_warning = new QLabel(this);
    m_warning->setObjectName(QStringLiteral("warning"));
    m_warning->setTextFormat(Qt::PlainText);
    m_warning->setStyleSheet(QStringLiteral("color: #B00000"));
    // The line and the list below keep their room when empty, so the window never grows past where
    // it was placed.
    m_warning->setFixedHeight(m_warning->fontMetrics().lineSpacing() + 2);
    m_warning->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(m_warning);

    auto *places = new QHBoxLayout;
    const auto hexField = [this](const char *name) {
        auto *field = new QLineEdit(this);
        // No validator: parseHexOffset() alone decides, and the warning line says what it refused.
        field->setObjectName(QString::fromLatin1(name));
        field->setMaximumWidth(90);
        return field;
    };
    m_arrayLabel = new QLabel(this);
    m_arrayStart = hexField("arrayStart");
    m_arrayLabel->setBuddy(m_arrayStart);
    m_angleLabel = new QLabel(this);
    m_angleStart = hexField("angleStart");
    m_angleLabel->setBuddy(m_angleStart);
    m_angles = new QCheckBox(this);
    m_angles->setObjectName(QStringLiteral("showAngles"));
    places->addWidget(m_arrayLabel);
    places->addWidget(m_arrayStart);
    places->addSpacing(12);
    places->addWidget(m_angleLabel);
    places->addWidget(m_angleStart);
    m_zones = new ZoneIndexes(this);
    places->addStretch();
    places->addWidget(m_angles);
    places->addWidget(m_zones->button());
    layout->addLayout(places);
    connect(m_zones, &ZoneIndexes::changed, this, [this] {
        showMarks();
        showReadout();
    });
    connect(m_zones, &ZoneIndexes::failed, this, [this](const FileFailure &failure) {
        m_warning->setText(failureLine(languageTexts(m_form->language()).MsgReadFailed, failure));
    });
    connect(m_arrayStart, &QLineEdit::returnPressed, this, &ArrayWindow::applyArrayStart);
    connect(m_angleStart, &QLineEdit::returnPressed, this, &ArrayWindow::applyAngleStart);
    connect(m_angles, &QCheckBox::toggled, m_grid, &ArrayGrid::setAnglesShown);

    m_search = new TableSearchPanel(m_form, this, [this](QWidget *parent) {
        // Beside Find tables and before the list, in the tab order too.
        m_exports = new ArrayExportButtons(
            parent, [this] { return shownArray(); }, [this] { return m_grid->current(); },
            [this] { return QStringList { m_form->path() }; });
        return m_exports;
    });
    layout->addWidget(m_search);
    connect(m_search, &TableSearchPanel::candidateChosen, this, &ArrayWindow::useArrayStart);
    connect(m_search, &TableSearchPanel::hintChanged, this, &ArrayWindow::showWarning);
    m_exports->setEnabled(false);

    new KeypadStep(m_form, this);
    scroll->setWidget(m_content);

    setTabOrder(m_arrayStart, m_angleStart);
    setTabOrder(m_angleStart, m_angles);
    setTabOrder(m_angles, m_zones->button());
    m_grid->setFocus();
}

void ArrayWindow::fitInto(QSize room)
{
    // Measured around the largest grid, which is wider than every row beneath it. The grid's column
    // keeps its old hint until the layout is activated.
    m_grid->setZoom(ArrayGrid::kMaxZoom);
    m_content->layout()->activate();
    m_grid->setZoom(gridZoomFor(room - (m_content->sizeHint() - m_grid->sizeHint())));
    m_content->layout()->activate();
    // Not adjustSize(), which holds a window that can grow to two thirds of the screen; and the
    // controls' size, not the scroll area's, which caps its own.
    resize(m_content->sizeHint());
}

void ArrayWindow::applyLanguage()
{
    const ArrayWindowTexts &t = texts();
    setWindowTitle(t.title);
    m_grid->setAccessibleName(t.gridName);
    m_grid->setBoxWords(t.boxDescription, t.flagged, t.noAngleMap);
    m_arrayLabel->setText(t.arrayStart);
    m_arrayStart->setToolTip(t.arrayStartTip);
    m_arrayStart->setAccessibleName(QString(t.arrayStart).remove(QLatin1Char('&')));
    m_angleLabel->setText(t.angleStart);
    m_angleStart->setToolTip(t.angleStartTip);
    m_angleStart->setAccessibleName(QString(t.angleStart).remove(QLatin1Char('&')));
    m_angles->setText(t.showAngles);
    m_angles->setToolTip(t.showAnglesTip);
    m_zones->applyLanguage(t);
    m_search->applyLanguage();
    m_exports->applyLanguage(m_form->language());
    m_editor->applyLanguage(m_form->language());
    // The warning carries words too: say it again.
    showWarning();
    showReadout();
}

void ArrayWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        reloadArray();
}

void ArrayWindow::hideEvent(QHideEvent *event)
{
    m_search->stopSearch();
    QWidget::hideEvent(event);
}

qint64 ArrayWindow::angleStartFor(qint64 arrayStart) const
{
    if (m_angleChoice
        && (arrayStart == m_angleChoice->arrayStart || arrayStart == m_angleChoice->arrayStart + kArraySize))
        return m_angleChoice->angleStart;
    return unchosenAngleStart(*m_form, arrayStart);
}

void ArrayWindow::reloadArray()
{
    m_shortNotes.clear();
    // Read only while seen; showing the window reads what is then in force.
    m_stale = !isVisible();
    if (m_stale)
        return;
    m_shown.reset();
    m_failure.reset();
    m_search->followFile();
    if (!m_form->loaded()) {
        m_editing->setShown();
        m_grid->clearArray();
        m_arrayStart->clear();
        m_angleStart->clear();
        enableForArray();
        showWarning();
        showReadout();
        return;
    }
    showPlaces();
    const qint64 angleStart = angleStartFor(m_form->arrayStart());
    auto result = readShownSet(*m_form, angleStart);
    if (auto *failure = std::get_if<FileFailure>(&result))
        m_failure = std::move(*failure);
    else
        m_shown = std::get<ShownSet>(std::move(result));
    m_editing->setShown();
    if (m_shown)
        m_grid->setArray(m_shown->array);
    else
        m_grid->clearArray();
    showMarks();
    enableForArray();
    showWarning();
    m_grid->setCurrent(m_form->box());
    showReadout();
}

void ArrayWindow::showPlaces()
{
    const auto offsetHex = [](qint64 offset) { return offset < 0 ? QString() : hexText(quint64(offset)); };
    m_arrayStart->setText(offsetHex(m_form->arrayStart()));
    m_angleStart->setText(offsetHex(angleStartFor(m_form->arrayStart())));
}

void ArrayWindow::enableForArray()
{
    // Searching, saving or copying nothing would do nothing without a word.
    m_search->setAvailable(m_shown.has_value());
    m_exports->setEnabled(m_shown.has_value());
}

void ArrayWindow::showWarning()
{
    // The main window reports a failed read with its own message; here a line says it, never a modal.
    const double score = m_shown ? plausibility(m_shown->array) : 1;
    if (m_failure)
        m_warning->setText(failureLine(languageTexts(m_form->language()).MsgReadFailed, *m_failure));
    else if (m_shown && m_shown->set.heights.source->pastEnd)
        m_warning->setText(texts().pastEnd.arg(hexText(quint64(m_shown->set.heights.source->offset))));
    else if (score < kPlausibleScore)
        m_warning->setText(texts().lowScore.arg(score, 0, 'f', 2) + m_search->hint());
    else
        m_warning->clear();
}

void ArrayWindow::showMarks()
{
    m_grid->setMarks(m_shown ? m_shown->failing() : std::bitset<kBoxCount>(), m_zones->unused());
}

void ArrayWindow::followBox(int index)
{
    m_grid->setCurrent(index);
    showReadoutSoon();
}

void ArrayWindow::showReadoutSoon()
{
    // Written just before the window's next paint (which the readout's update asks for): a step costs the
    // main window next to nothing, the window paints once, and a burst of steps writes them once.
    m_readoutPending = true;
    m_readout->update();
}

bool ArrayWindow::event(QEvent *event)
{
    if (event->type() == QEvent::UpdateRequest && std::exchange(m_readoutPending, false)) {
        showReadout();
        m_editing->followBox();
    }
    return QWidget::event(event);
}

void ArrayWindow::showReadout()
{
    const ArrayWindowTexts &t = texts();
    if (!m_shown) {
        m_readout->setText(t.noFile + QLatin1Char('\n'));
        m_grid->setAccessibleDescription(t.noFile);
        return;
    }
    const int box = m_grid->hovered() >= 0 ? m_grid->hovered() : m_grid->current();
    // The check's and the zones' words on a line of their own, cut to the label with the whole in its
    // tooltip: Portuguese words ran off the first line.
    const QString notes = (m_shown->checkWords(t, box) + m_zones->words(t, box)).trimmed();
    // Kept, since cutting lays the words out and a step's neighbours mostly share them.
    auto cut = m_shortNotes.constFind(notes);
    if (cut == m_shortNotes.cend())
        cut = m_shortNotes.insert(notes, m_readout->fontMetrics().elidedText(notes, Qt::ElideRight, m_readout->width()));
    const QString &shownNotes = *cut;
    if (const QString tip = shownNotes == notes ? QString() : notes; m_readout->toolTip() != tip)
        m_readout->setToolTip(tip);
    // The box on display has its heights in the editor's field below; another one under the mouse here.
    m_readout->setText(t.readout.arg(indexText(box), hexText(quint64(m_shown->array.boxOffset(box))),
                           m_shown->boxBytes(t, box, box != m_grid->current()), m_grid->angleText(box))
        + (shownNotes.isEmpty() ? QString() : QLatin1Char('\n') + shownNotes));
    m_grid->setAccessibleDescription(m_grid->boxDescription(m_grid->current()));
}

void ArrayWindow::chooseBox(int box)
{
    // The main window's own change handler shows the box; its seam tells this window back.
    m_form->showBox(box);
}

void ArrayWindow::applyArrayStart()
{
    const std::optional<qint64> start = parseHexOffset(m_arrayStart->text());
    if (!m_form->loaded())
        return;
    if (!start)
        return m_warning->setText(texts().badOffset.arg(m_arrayStart->text()));
    useArrayStart(*start, guessedAngleStart(m_form->path(), *start));
}

void ArrayWindow::useArrayStart(qint64 arrayStart, qint64 angleStart)
{
    // Said here, since the main window would show zeros past the end and cannot hold a start past 32 bits.
    if (const std::optional<FileFailure> refusal = refuseOffset(m_form->path(), arrayStart))
        return m_warning->setText(failureLine(languageTexts(m_form->language()).MsgReadFailed, *refusal));
    if (arrayStart > kLastArrayStart)
        return m_warning->setText(texts().beyondMainWindow.arg(hexText(quint64(kLastArrayStart))));
    // Asked before anything moves, so Cancel leaves the fields and the angle choice as they were.
    if (!m_form->mayDiscardChanges())
        return showPlaces();
    m_angleChoice = AngleChoice { arrayStart, angleStart };
    m_form->useArrayStart(arrayStart);
}

void ArrayWindow::applyAngleStart()
{
    const std::optional<qint64> start = parseHexOffset(m_angleStart->text());
    if (!m_shown)
        return;
    if (!start)
        return m_warning->setText(texts().badOffset.arg(m_angleStart->text()));
    if (const std::optional<FileFailure> refusal = refuseOffset(m_form->path(), *start))
        return m_warning->setText(failureLine(languageTexts(m_form->language()).MsgReadFailed, *refusal));
    // As for the array start; the start in force moves nothing and asks nothing.
    if (*start != angleStartFor(m_form->arrayStart()) && !m_form->mayDiscardChanges())
        return showPlaces();
    // The main window's start, not the set's: a discard reads the set again, and that may fail.
    m_angleChoice = AngleChoice { m_form->arrayStart(), *start };
    reloadArray();
}
