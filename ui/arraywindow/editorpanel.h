#pragma once

#include "boxedits.h"
#include "collisionset.h"
#include "languagetable.h"
#include "setwriter.h"

#include <QWidget>

#include <optional>

class BoxEditor;
class EditSaver;
class EditSession;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

/// The box editor and the controls beside it, on a collision set: the box's bytes and angle as hex
/// fields, the flag, the fill mode, the mirrors, copy, paste and revert, undo and redo, save and save
/// as. Its keys (Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y, Ctrl+S, Ctrl+Shift+S) act anywhere in its window.
///
/// The window it sits in gives it the set and the box on display, asks mayDiscardChanges() before it
/// drops the set, and follows boxEdited() and unsavedChanged().
class EditorPanel : public QWidget
{
    Q_OBJECT

public:
    explicit EditorPanel(QWidget *parent);

    /// Edits `set` as read from disk, dropping the set before without a question (ask first).
    void setSet(const CollisionSet &set, SetStorage storage, bool fixChecksum);
    void clearSet();
    /// The box to edit, 0..boxCount - 1.
    void showBox(int box);
    [[nodiscard]] int box() const { return m_box; }

    /// Nothing without a set; owned by the panel, replaced by setSet().
    [[nodiscard]] EditSession *session() const { return m_session; }
    /// True when the set may be dropped: nothing unsaved, or the user saved or discarded it.
    bool mayDiscardChanges();
    bool save();
    bool saveAs();

    void applyLanguage(Language language);

    /// The bytes field and the panel's two message lines, under the editor until the window places
    /// them where a row of 16 bytes fits; they stay the panel's to fill.
    [[nodiscard]] QWidget *bytesBar() const { return m_bytesBar; }

signals:
    /// Box `box`'s bytes changed in the session: an edit, an undo or a redo.
    void boxEdited(int box);
    /// Which boxes are unsaved changed; `any` tells whether some are (for the title's [*]).
    void unsavedChanged(bool any);
    /// A file of the set changed on disk and nothing is unsaved: read it again.
    void reloadWanted();

private:
    void createControls();
    void showState();
    void change(const BoxBytes &heights, std::optional<quint8> angle, int stroke = 0);
    void applyBytes();
    void applyAngle();
    void applyFlag(bool flagged);
    void mirror(bool leftRight);
    void copyBox();
    void pasteBox();
    void say(const QString &message);

    Language m_language = Language::English;
    EditSession *m_session = nullptr;
    EditSaver *m_saver = nullptr;
    int m_box = 0;

    // Children of this panel, owned by Qt.
    BoxEditor *m_editor = nullptr;
    QLabel *m_bytesLabel = nullptr;
    QLineEdit *m_bytes = nullptr;
    QLabel *m_angleLabel = nullptr;
    QLineEdit *m_angle = nullptr;
    QLabel *m_degrees = nullptr;
    QCheckBox *m_flagged = nullptr;
    QRadioButton *m_floor = nullptr;
    QRadioButton *m_ceiling = nullptr;
    QToolButton *m_mirrorLeftRight = nullptr;
    QToolButton *m_mirrorUpDown = nullptr;
    QToolButton *m_copy = nullptr;
    QToolButton *m_paste = nullptr;
    QToolButton *m_revert = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_diskLine = nullptr;
    QWidget *m_bytesBar = nullptr;
};
