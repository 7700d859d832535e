#include "editorpanel.h"

#include "arrayformats.h"
#include "arrayimport.h"
#include "arraywindowtexts.h"
#include "boxeditor.h"
#include "boxeditoraccessible.h"
#include "boxformats.h"
#include "drawingcachestyle.h"
#include "editortexts.h"
#include "editsaver.h"
#include "editsession.h"
#include "texthelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template<typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QAction *makeAction(QWidget *owner, const char *name, const QList<QKeySequence> &keys)
{
    auto *action = named(new QAction(owner), name);
    action->setShortcuts(keys);
    // The whole window, so the keys work from its grid and fields as well as from the editor.
    action->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(action);
    return action;
}

QToolButton *makeButton(QWidget *parent, const char *name)
{
    auto *button = named(new QToolButton(parent), name);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

EditorPanel::EditorPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("EditorPanel"));
    installBoxEditorAccessible();
    createControls();
    applyLanguage(m_language);
    clearSet();
}

void EditorPanel::createControls()
{
    m_editor = new BoxEditor(this);
    m_bytesLabel = new QLabel(this);
    m_bytes = named(new QLineEdit(this), "bytes");
    m_angleLabel = new QLabel(this);
    m_angle = named(new QLineEdit(this), "angle");
    m_angle->setMaxLength(4);
    m_angle->setFixedWidth(m_angle->fontMetrics().horizontalAdvance(QStringLiteral("0x00")) + 16);
    m_degrees = named(new QLabel(this), "degrees");
    m_flagged = named(new QCheckBox(this), "flagged");
    m_floor = named(new QRadioButton(this), "floor");
    m_ceiling = named(new QRadioButton(this), "ceiling");
    m_floor->setChecked(true);
    m_mirrorLeftRight = makeButton(this, "mirrorLeftRight");
    m_mirrorUpDown = makeButton(this, "mirrorUpDown");
    m_copy = makeButton(this, "copyEditedBox");
    m_paste = makeButton(this, "pasteBox");
    m_revert = makeButton(this, "revertBox");
    m_undo = makeAction(this, "undo", { QKeySequence(Qt::CTRL | Qt::Key_Z) });
    m_redo = makeAction(
        this, "redo", { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    m_save = makeAction(this, "save", { QKeySequence(Qt::CTRL | Qt::Key_S) });
    m_saveAs = makeAction(this, "saveAs", { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) });
    m_status = named(new QLabel(this), "status");
    m_diskLine = named(new QLabel(this), "diskLine");
    m_bytesLabel->setBuddy(m_bytes);
    m_angleLabel->setBuddy(m_angle);
    // Their panels drawn once and copied, as the main window's text boxes are: they repaint on every step.
    m_bytes->setStyle(DrawingCacheStyle::instance());
    m_angle->setStyle(DrawingCacheStyle::instance());
    // Each fills its corners with the window's colour itself, so its new words on a step repaint it
    // alone and not the panel and window under it.
    for (QWidget *changing : std::initializer_list<QWidget *> { m_bytes, m_angle, m_degrees }) {
        changing->setBackgroundRole(QPalette::Window);
        changing->setAutoFillBackground(true);
    }

    auto *angleRow = new QHBoxLayout;
    angleRow->addWidget(m_angleLabel);
    angleRow->addWidget(m_angle);
    angleRow->addWidget(m_degrees, 1);
    // A fixed size, wide enough for its longest words, so that stepping repaints the label alone and
    // never lays the window out again.
    int degreesWidth = 0;
    for (const Language language : { Language::English, Language::Portuguese }) {
        for (const QString &words : { editorTexts(language).noAngleMap,
                 angleText(0xFF, arrayWindowTexts(language).flagged), angleText(0xE8, QString()) })
            degreesWidth = std::max(degreesWidth, m_degrees->fontMetrics().horizontalAdvance(words));
    }
    m_degrees->setFixedSize(degreesWidth + 4, m_degrees->fontMetrics().lineSpacing());
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(m_floor);
    modeRow->addWidget(m_ceiling);
    modeRow->addStretch();
    QList<QToolButton *> actionButtons;
    for (QAction *action : { m_undo, m_redo, m_save, m_saveAs }) {
        auto *button = makeButton(this, qPrintable(action->objectName() + QStringLiteral("Button")));
        button->setDefaultAction(action);
        actionButtons << button;
    }
    // Two columns as wide as the editor, so the panel stands beside a grid on a small screen.
    auto *buttons = new QGridLayout;
    buttons->setSpacing(2);
    QToolButton *const order[] = { m_mirrorLeftRight, m_mirrorUpDown, m_copy, m_paste, m_revert, nullptr,
        actionButtons[0], actionButtons[1], actionButtons[2], actionButtons[3] };
    for (int at = 0; at < int(std::size(order)); ++at) {
        if (QToolButton *button = order[at]) {
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            buttons->addWidget(button, at / 2, at % 2);
        }
    }
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_editor);
    layout->addLayout(angleRow);
    layout->addWidget(m_flagged);
    layout->addLayout(modeRow);
    layout->addLayout(buttons);
    layout->addStretch();

    m_bytesBar = named(new QWidget(this), "bytesBar");
    auto *bar = new QGridLayout(m_bytesBar);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(m_bytesLabel, 0, 0);
    bar->addWidget(m_bytes, 0, 1);
    bar->addWidget(m_status, 1, 0, 1, 2);
    bar->addWidget(m_diskLine, 2, 0, 1, 2);
    for (QLabel *line : { m_status, m_diskLine })
        line->setWordWrap(true);
    // The keys go as the eye does: the bytes last, under everything else.
    setTabOrder(actionButtons[3], m_bytes);
    layout->addWidget(m_bytesBar);

    connect(m_editor, &BoxEditor::edited, this, [this](const BoxBytes &heights, int stroke) {
        change(heights, m_session ? m_session->box(m_box).angle : std::nullopt, stroke);
    });
    connect(m_bytes, &QLineEdit::editingFinished, this, &EditorPanel::applyBytes);
    connect(m_angle, &QLineEdit::editingFinished, this, &EditorPanel::applyAngle);
    connect(m_flagged, &QCheckBox::clicked, this, &EditorPanel::applyFlag);
    connect(m_floor, &QRadioButton::toggled, this,
        [this](bool floor) { m_editor->setMode(floor ? FillMode::Floor : FillMode::Ceiling); });
    connect(m_mirrorLeftRight, &QToolButton::clicked, this, [this] { mirror(true); });
    connect(m_mirrorUpDown, &QToolButton::clicked, this, [this] { mirror(false); });
    connect(m_copy, &QToolButton::clicked, this, &EditorPanel::copyBox);
    connect(m_paste, &QToolButton::clicked, this, &EditorPanel::pasteBox);
    connect(m_revert, &QToolButton::clicked, this, [this] {
        if (m_session)
            m_session->revert(m_box);
    });
    connect(m_undo, &QAction::triggered, this, [this] { m_session->undoStack()->undo(); });
    connect(m_redo, &QAction::triggered, this, [this] { m_session->undoStack()->redo(); });
    connect(m_save, &QAction::triggered, this, &EditorPanel::save);
    connect(m_saveAs, &QAction::triggered, this, &EditorPanel::saveAs);
}

void EditorPanel::setSet(const CollisionSet &set, SetStorage storage, bool fixChecksum)
{
    delete m_session;
    m_session = new EditSession(set, storage, fixChecksum, this);
    m_saver = new EditSaver(m_session, window());
    m_saver->setLanguage(m_language);
    QUndoStack *stack = m_session->undoStack();
    connect(stack, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    connect(m_session, &EditSession::boxChanged, this, [this](int box) {
        if (box == m_box)
            showState();
        emit boxEdited(box);
    });
    connect(m_session, &EditSession::unsavedChanged, this, [this] {
        m_save->setEnabled(m_session->hasUnsaved());
        emit unsavedChanged(m_session->hasUnsaved());
    });
    connect(m_saver, &EditSaver::diskLineChanged, m_diskLine, &QLabel::setText);
    connect(m_saver, &EditSaver::reloadWanted, this, &EditorPanel::reloadWanted);
    m_box = std::clamp(m_box, 0, set.boxCount - 1);
    m_diskLine->clear();
    showState();
    emit unsavedChanged(false);
}

void EditorPanel::clearSet()
{
    delete m_session;
    m_session = nullptr;
    m_saver = nullptr;
    m_diskLine->clear();
    showState();
}

void EditorPanel::showBox(int box)
{
    if (m_session)
        m_box = std::clamp(box, 0, m_session->set().boxCount - 1);
    // Clearing an empty line would still lay the window out again, on every step.
    if (!m_status->text().isEmpty())
        m_status->clear();
    showState();
}

bool EditorPanel::mayDiscardChanges()
{
    return !m_saver || m_saver->mayDiscard();
}

bool EditorPanel::save()
{
    return m_saver && m_saver->save();
}

bool EditorPanel::saveAs()
{
    return m_saver && m_saver->saveAs();
}

void EditorPanel::showState()
{
    const bool loaded = m_session != nullptr;
    const BoxState state = loaded ? m_session->box(m_box) : BoxState {};
    const bool hasAngle = state.angle.has_value();
    const EditorTexts &t = editorTexts(m_language);
    for (QWidget *widget : std::initializer_list<QWidget *> { m_editor, m_bytes, m_flagged, m_floor,
             m_ceiling, m_mirrorLeftRight, m_mirrorUpDown, m_copy, m_paste, m_revert })
        widget->setEnabled(loaded);
    m_angle->setEnabled(hasAngle);
    m_flagged->setEnabled(hasAngle);
    m_undo->setEnabled(loaded && m_session->undoStack()->canUndo());
    m_redo->setEnabled(loaded && m_session->undoStack()->canRedo());
    m_save->setEnabled(loaded && m_session->hasUnsaved());
    m_saveAs->setEnabled(loaded);

    m_editor->setHeights(state.heights);
    m_bytes->setText(loaded
            ? boxBytesText(QByteArray(reinterpret_cast<const char *>(state.heights.data()), kBoxSize))
                  .trimmed()
            : QString());
    m_angle->setText(hasAngle ? QString(hexByte(*state.angle)) : QString());
    m_degrees->setText(hasAngle ? angleText(*state.angle, arrayWindowTexts(m_language).flagged)
                                : (loaded ? t.noAngleMap : QString()));
    m_flagged->setChecked(hasAngle && (*state.angle & 1) != 0);
}

void EditorPanel::change(const BoxBytes &heights, std::optional<quint8> angle, int stroke)
{
    if (!m_session)
        return;
    m_status->clear();
    m_session->change(m_box, heights, angle, stroke);
}

void EditorPanel::applyBytes()
{
    if (!m_session)
        return;
    if (const auto heights = parseBoxBytes(m_bytes->text()))
        return change(*heights, m_session->box(m_box).angle);
    say(editorTexts(m_language).badBytes.arg(m_bytes->text()));
    showState();
}

void EditorPanel::applyAngle()
{
    if (!m_session)
        return;
    const std::optional<qint64> angle = parseHexOffset(m_angle->text());
    if (angle && *angle <= 0xFF)
        return change(m_session->box(m_box).heights, quint8(*angle));
    say(editorTexts(m_language).badAngle.arg(m_angle->text()));
    showState();
}

void EditorPanel::applyFlag(bool flagged)
{
    if (!m_session)
        return;
    // Unflagging goes back to the angle on disk when that was one, else to a flat floor.
    const std::optional<quint8> saved = m_session->savedBox(m_box).angle;
    const quint8 angle = flagged ? quint8(0xFF) : (saved && (*saved & 1) == 0 ? *saved : quint8(0));
    change(m_session->box(m_box).heights, angle);
}

void EditorPanel::mirror(bool leftRight)
{
    if (!m_session)
        return;
    const BoxState state = m_session->box(m_box);
    const std::optional<quint8> angle = state.angle;
    if (leftRight)
        change(
            mirroredLeftRight(state.heights), angle ? std::optional(angleMirroredLeftRight(*angle)) : angle);
    else
        change(mirroredUpDown(state.heights), angle ? std::optional(angleMirroredUpDown(*angle)) : angle);
}

void EditorPanel::copyBox()
{
    if (!m_session)
        return;
    // The text Copy box of the array window writes, so either one pastes here.
    auto *data = new QMimeData;
    data->setText(boxAsmText(m_box, m_session->box(m_box).heights));
    QGuiApplication::clipboard()->setMimeData(data);
}

void EditorPanel::pasteBox()
{
    if (!m_session)
        return;
    const EditorTexts &t = editorTexts(m_language);
    const auto parsed = parseArrayText(QGuiApplication::clipboard()->text().toUtf8());
    const auto *imported = std::get_if<ImportedBoxes>(&parsed);
    if (!imported || imported->boxes.empty())
        return say(t.noBoxToPaste);
    if (imported->boxes.size() > 1)
        return say(t.severalBoxes.arg(imported->boxes.size()));
    const auto &[index, heights] = *imported->boxes.begin();
    const auto angle = imported->angles.find(index);
    change(heights, angle != imported->angles.end() ? angle->second : m_session->box(m_box).angle);
}

void EditorPanel::say(const QString &message)
{
    m_status->setText(message);
}

void EditorPanel::applyLanguage(Language language)
{
    m_language = language;
    const EditorTexts &t = editorTexts(language);
    if (m_saver)
        m_saver->setLanguage(language);
    m_editor->setAccessibleName(t.editorName);
    m_editor->setToolTip(t.editorTip);
    m_editor->setColumnWords(t.columnName);
    m_bytesLabel->setText(t.bytes);
    m_bytes->setToolTip(t.bytesTip);
    m_angleLabel->setText(t.angle);
    m_angle->setToolTip(t.angleTip);
    m_flagged->setText(t.flagged);
    m_flagged->setToolTip(t.flaggedTip);
    m_floor->setText(t.floor);
    m_ceiling->setText(t.ceiling);
    m_mirrorLeftRight->setText(t.mirrorLeftRight);
    m_mirrorUpDown->setText(t.mirrorUpDown);
    m_copy->setText(t.copyBox);
    // Apart from the export row's Copy box, which a screen reader would otherwise read alike.
    m_copy->setAccessibleName(QString(t.copyBox).remove(QLatin1Char('&')) + QStringLiteral(" (") + t.editorName
        + QLatin1Char(')'));
    m_paste->setText(t.pasteBox);
    m_revert->setText(t.revertBox);
    const std::pair<QAction *, QString> actions[]
        = { { m_undo, t.undo }, { m_redo, t.redo }, { m_save, t.save }, { m_saveAs, t.saveAs } };
    for (const auto &[action, text] : actions) {
        action->setText(text);
        action->setToolTip(text + QStringLiteral(" (") + action->shortcut().toString(QKeySequence::NativeText)
            + QLatin1Char(')'));
    }
    m_status->clear();
    showState();
}
