#pragma once

#include "arraywindowtexts.h"
#include "collisionarray.h"
#include "shownset.h"

#include <QHash>
#include <QWidget>

#include <optional>

class ArrayExportButtons;
class ArrayGrid;
class EditorLink;
class EditorPanel;
class MainWindowSeam;
class QCheckBox;
class QLabel;
class QLineEdit;
class TableSearchPanel;
class ZoneIndexes;

/// The second window: all 256 boxes of the array the main window shows, their angles and widths, the
/// boxes that fail the check and those no zone uses, where the tables may be, the array's export, and
/// the box editor on the set shown. It
/// follows the main window through its seam and asks it there for a box or an array start, so the main
/// window's own handlers do the work.
///
/// The whole array is read (one open, two reads, one close) when the window is shown and each time
/// reloadArray() runs; stepping to another box reads nothing.
class ArrayWindow : public QWidget
{
    Q_OBJECT

public:
    /// Below this plausibility the window says the bytes do not look like collision data. Heights are
    /// 0x00..0x10 or 0xF0..0xFF and box 0 is empty in every game, so a real array scores 1 (the demo's
    /// 0.996); an angle map scores about 0.73, code and text well under 0.5, random bytes 0.1, one
    /// repeated byte 0, and an array whose box 0 is filled at most 0.75.
    static constexpr double kPlausibleScore = 0.8;

    /// `form` must outlive the window; its main window is the window's parent.
    explicit ArrayWindow(MainWindowSeam *form);
    ~ArrayWindow() override;

    [[nodiscard]] const ArrayWindowTexts &texts() const;
    [[nodiscard]] const CollisionArray *shownArray() const;
    /// Sizes the window for the largest grid whose window fits `room`, in pixels without the frame.
    void fitInto(QSize room);

public slots:
    /// Reads the array again: a new file, another array start, or a file rebuilt under the same name.
    void reloadArray();
    /// The main window stepped to `index`: only the outline and the readout follow.
    void followBox(int index);
    void applyLanguage();

protected:
    /// Before a paint, the words and the editor follow the box on show.
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createControls();
    void showReadout();
    void showReadoutSoon();
    void showWarning();
    void showMarks();
    void enableForArray();
    void chooseBox(int box);
    void applyArrayStart();
    /// Moves the main window to the array at 0-based `arrayStart`, or says why it cannot.
    void useArrayStart(qint64 arrayStart, qint64 angleStart);
    void applyAngleStart();
    /// Shows the array start in force and its angle map's in the fields.
    void showPlaces();
    [[nodiscard]] qint64 angleStartFor(qint64 arrayStart) const;

    MainWindowSeam *m_form;
    std::optional<ShownSet> m_shown;
    std::optional<FileFailure> m_failure;
    // An angle map the user chose for an array start (and the rotated array behind it).
    struct AngleChoice
    {
        qint64 arrayStart;
        qint64 angleStart;
    };
    std::optional<AngleChoice> m_angleChoice;
    bool m_stale = true;
    bool m_readoutPending = false;
    QHash<QString, QString> m_shortNotes; ///< the readout's last line, whole and as cut to fit

    // Children of this window, owned by Qt.
    QWidget *m_content = nullptr; ///< all the controls, in a scroll area
    ArrayGrid *m_grid = nullptr;
    QLabel *m_readout = nullptr;
    QLabel *m_warning = nullptr;
    QLabel *m_arrayLabel = nullptr;
    QLineEdit *m_arrayStart = nullptr;
    QLabel *m_angleLabel = nullptr;
    QLineEdit *m_angleStart = nullptr;
    QCheckBox *m_angles = nullptr;
    ZoneIndexes *m_zones = nullptr;
    TableSearchPanel *m_search = nullptr;
    ArrayExportButtons *m_exports = nullptr;
    EditorPanel *m_editor = nullptr;
    EditorLink *m_editing = nullptr;
};
