#include "editorlink.h"

#include "arraygrid.h"
#include "editorpanel.h"
#include "editsession.h"
#include "headerchecksum.h"
#include "mainwindowseam.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

// The same tables of the same files, whatever their bytes now.
bool sameTables(const CollisionSet &a, const CollisionSet &b)
{
    const auto samePlace = [](const SetTable &x, const SetTable &y) {
        return x.present() == y.present()
            && (!x.present() || (x.source->path == y.source->path && x.source->offset == y.source->offset));
    };
    return a.boxCount == b.boxCount && samePlace(a.angles, b.angles) && samePlace(a.heights, b.heights)
        && samePlace(a.widths, b.widths);
}

bool sameBytes(const CollisionSet &a, const CollisionSet &b)
{
    return a.angles.bytes == b.angles.bytes && a.heights.bytes == b.heights.bytes
        && a.widths.bytes == b.widths.bytes;
}

} // namespace

EditorLink::EditorLink(MainWindowSeam *form, QWidget *window, std::optional<ShownSet> &shown,
    ArrayGrid *grid, EditorPanel *panel)
    : QObject(window)
    , m_form(form)
    , m_window(window)
    , m_shown(shown)
    , m_grid(grid)
    , m_panel(panel)
{
    setObjectName(QStringLiteral("EditorLink"));
    connect(panel, &EditorPanel::boxEdited, this, &EditorLink::takeEdit);
    connect(panel, &EditorPanel::unsavedChanged, this, &EditorLink::showUnsaved);
    connect(panel, &EditorPanel::reloadWanted, this, &EditorLink::readAgain);
    form->setDiscardCheck([link = QPointer(this)] { return !link || link->mayDiscardChanges(); });
    window->installEventFilter(this);
    form->window()->installEventFilter(this);
}

void EditorLink::setShown()
{
    EditSession *session = m_panel->session();
    if (!m_shown) {
        // A failed read drops nothing unsaved; the window's line says what failed.
        if (!session || !session->hasUnsaved())
            m_panel->clearSet();
        return;
    }
    if (session && sameTables(session->set(), m_shown->set)) {
        // Our own save comes back as the bytes we hold; another program's write under unsaved changes
        // is the saver's to tell.
        if (session->hasUnsaved() || sameBytes(session->set(), m_shown->set)) {
            m_shown->take(session->set());
            m_panel->showBox(m_form->box());
            return;
        }
    } else if (session && session->hasUnsaved() && !m_panel->mayDiscardChanges()) {
        // Only the main window's own choice of another array comes here unasked: Cancel takes it back.
        const auto back = qint32(session->set().heights.source->offset + 1);
        // By name: the analyser reads a leak into a queued functor.
        QMetaObject::invokeMethod(m_form, "arrayStartRequested", Qt::QueuedConnection, Q_ARG(qint32, back));
        m_shown->take(session->set());
        return;
    }
    const SetStorage storage = m_form->set() ? SetStorage::TableFiles : SetStorage::Image;
    m_panel->setSet(
        m_shown->set, storage, storage == SetStorage::Image && checksumCheckedAtPowerOn(m_form->GameId()));
    m_panel->showBox(m_form->box());
}

void EditorLink::followBox()
{
    m_panel->showBox(m_form->box());
}

bool EditorLink::mayDiscardChanges()
{
    const EditSession *session = m_panel->session();
    if (!session || !session->hasUnsaved())
        return true;
    if (!m_panel->mayDiscardChanges())
        return false;
    if (m_panel->session()->hasUnsaved()) {
        // Discarded: what is on disk takes their place at once, so nothing asks about them again.
        m_panel->clearSet();
        showUnsaved();
        emit readAgain();
    }
    return true;
}

bool EditorLink::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the array window drops its changes, and closing the main window the program with them.
    if (event->type() == QEvent::Close && !mayDiscardChanges()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void EditorLink::takeEdit(int box)
{
    if (!m_shown)
        return;
    m_shown->take(m_panel->session()->set());
    if (box < kBoxCount)
        m_grid->setBox(box, m_shown->array.box(box), m_shown->array.angles[size_t(box)]);
    emit boxEdited(box);
}

void EditorLink::showUnsaved()
{
    std::bitset<kBoxCount> boxes;
    const EditSession *session = m_panel->session();
    if (session) {
        for (const int box : session->unsavedBoxes()) {
            if (box < kBoxCount)
                boxes.set(size_t(box));
        }
    }
    m_grid->setUnsaved(boxes);
    m_window->setWindowModified(session && session->hasUnsaved());
}
