#pragma once

#include "collisioncanvas.h"
#include "languagetable.h"
#include "positionalfile.h"

#include <QWidget>

#include <optional>

class CanvasView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

/// The main window: opens a file, shows one collision box at a time and steps through the 256 boxes.
///
/// The path of the loaded file lives only in txtArquivo; every box is read afresh from it.
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

    // What the window's keys and buttons run; public so the window can be driven as a user would.
    void cmdAbrirClick();
    void ChangeLanguage();
    void ShowLangInfo();
    void Picture1DblClick();
    /// ArrayStart := `start` (1-based), the box shown again at the same index, then txtArray rewritten.
    void setArrayStart(qint32 start);

signals:
    /// A file was opened, or the array in use changed: its box at the index in force is on display.
    void arrayShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void applyLanguage(Language language);
    // The canvas's accessible description: the box shown and its 16 bytes.
    void describeCanvas(const LanguageTexts &t);
    void keyDown(const QKeyEvent *event);

    void HScroll1Change();
    void LoadCollisionBox();
    void optPriClick();
    void optSecClick();
    [[nodiscard]] qint16 GetForcedFileID();
    void applyGame(qint16 gameId, const QString &path);

    void reportReadFailure(const FileFailure &failure);
    void reportFailure(const QString &lead, const FileFailure &failure);

    [[nodiscard]] const LanguageTexts &texts() const { return languageTexts(language()); }

    CollisionCanvas m_canvas;
    quint16 m_langId;
    qint16 m_gameId = 0;
    qint32 m_arrayStart = 0;
    qint32 m_boxLocation = 0;
    bool m_centred = false;
    // While the open command shows box 0 several times over, a failing file is reported once, at its end.
    bool m_deferReadFailures = false;
    std::optional<FileFailure> m_deferredFailure;

    // Children of this window, owned by Qt.
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
