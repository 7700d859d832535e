#pragma once

#include "collisioncanvas.h"
#include "failurereporter.h"
#include "languagetable.h"

#include <QWidget>

class ArrayChoice;
class CanvasView;
class FileFollower;
class MainWindowSeam;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

/// The main window: opens a file, shows one collision box at a time and steps through the 256 boxes.
///
/// The path of the loaded file lives in txtArquivo; every box is read afresh from it. While a file is
/// loaded, a change to it on disk shows the same box again. Other windows see only its seam.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    /// `langId` is the system language id that picks the start-up language.
    explicit Form1(quint16 langId, QWidget *parent = nullptr);
    ~Form1() override;

    /// The font every control but txtArquivo uses; small enough that each caption fits in both languages.
    [[nodiscard]] static QFont designFont();

    [[nodiscard]] Language language() const;
    [[nodiscard]] quint16 LangId() const { return m_langId; }
    [[nodiscard]] qint16 GameId() const { return m_gameId; }
    [[nodiscard]] qint32 ArrayStart() const { return m_arrayStart; }
    [[nodiscard]] qint32 BoxLocation() const { return m_boxLocation; }
    [[nodiscard]] const QImage &canvasImage() const { return m_canvas.image(); }
    /// What the other windows know of this one, and how they ask it for a box or an array.
    [[nodiscard]] MainWindowSeam *seam() const { return m_seam; }

    // What the window's keys and buttons run; public so the window can be driven as a user would.
    void cmdAbrirClick();
    /// The open command from identification on, for a path chosen in the dialog or handed over on the
    /// command line or by a drop. Retry shows the open dialog.
    Q_INVOKABLE void openPath(const QString &path);
    void ChangeLanguage();
    void ShowLangInfo();
    void Picture1DblClick();
    /// ArrayStart := `start` (1-based), the box shown again at the same index, then txtArray rewritten.
    void setArrayStart(qint32 start);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls(); // in form1controls.cpp
    void applyLanguage(Language language);
    // The canvas's accessible description: the box shown and its 16 bytes.
    void describeCanvas(const LanguageTexts &t);
    void keyDown(const QKeyEvent *event);

    void HScroll1Change();
    void LoadCollisionBox();
    void optPriClick();
    void optSecClick();
    [[nodiscard]] qint16 GetForcedFileID();
    /// With `arrayStart` 0 the row's array start; another (a lone table's) hides Primary and Secondary.
    void applyGame(qint16 gameId, const QString &path, qint32 arrayStart = 0);
    void followedFileChanged();

    [[nodiscard]] const LanguageTexts &texts() const { return languageTexts(language()); }

    CollisionCanvas m_canvas;
    quint16 m_langId;
    qint16 m_gameId = 0;
    qint32 m_arrayStart = 0;
    qint32 m_boxLocation = 0;
    bool m_centred = false;
    FailureReporter m_failures;

    // Children of this window, owned by Qt.
    MainWindowSeam *m_seam = nullptr;
    ArrayChoice *m_arrayChoice = nullptr;
    FileFollower *m_follower = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    QRadioButton *optPT = nullptr;
    QRadioButton *optENG = nullptr;
    QLineEdit *txtArquivo = nullptr;
    QPushButton *cmdAbrir = nullptr;
    QPushButton *cmdSair = nullptr;
    QLabel *Label1 = nullptr;
    CanvasView *Picture1 = nullptr;
    QRadioButton *optPri = nullptr;
    QLabel *lblBox = nullptr;
    QRadioButton *optSec = nullptr;
    QLineEdit *txtIndex = nullptr;
    QLabel *lblArray = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QLineEdit *txtArray = nullptr;
    QLabel *lblLoc = nullptr;
    QLineEdit *txtLoc = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *txtBytes = nullptr;
};
