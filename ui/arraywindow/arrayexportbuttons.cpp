#include "arrayexportbuttons.h"

#include "arraywindowtexts.h"
#include "boxformats.h"
#include "failuretext.h"
#include "filedialogs.h"
#include "imagefile.h"
#include "messageboxes.h"
#include "outputguard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>

namespace {

QToolButton *makeButton(QWidget *parent, const char *name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setMenu(new QMenu(button));
    return button;
}

void putOnClipboard(const QString &text)
{
    // Plain text only, so an editor pastes exactly these characters.
    auto *data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

ArrayExportButtons::ArrayExportButtons(
    QWidget *parent, std::function<const CollisionArray *()> array, std::function<int()> box,
    std::function<QStringList()> inputs)
    : QWidget(parent)
    , m_array(std::move(array))
    , m_box(std::move(box))
    , m_inputs(std::move(inputs))
    , m_saveSheet(makeButton(this, "saveSheet"))
    , m_copyBox(makeButton(this, "copyBox"))
    , m_copyArray(makeButton(this, "copyArray"))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_saveSheet);
    layout->addWidget(m_copyBox);
    layout->addWidget(m_copyArray);
    layout->addStretch();
    connect(m_saveSheet, &QToolButton::clicked, this, [this] { saveSheet(SheetLook::Canvas); });
    connect(m_copyBox, &QToolButton::clicked, this, [this] { copyBox(ArrayFormat::Asm); });
    connect(m_copyArray, &QToolButton::clicked, this, [this] { copyArray(ArrayFormat::Asm); });
    setFocusProxy(m_saveSheet);
    setTabOrder(m_saveSheet, m_copyBox);
    setTabOrder(m_copyBox, m_copyArray);
    applyLanguage(m_language);
}

void ArrayExportButtons::applyLanguage(Language language)
{
    m_language = language;
    const ArrayWindowTexts &t = arrayWindowTexts(language);
    m_saveSheet->setText(t.saveSheet);
    m_saveSheet->setToolTip(t.saveSheetTip);
    m_copyBox->setText(t.copyBox);
    m_copyBox->setToolTip(t.copyBoxTip);
    m_copyArray->setText(t.copyArray);
    m_copyArray->setToolTip(t.copyArrayTip);

    QMenu *looks = m_saveSheet->menu();
    looks->clear();
    looks->addAction(t.canvasLook, this, [this] { saveSheet(SheetLook::Canvas); })
        ->setObjectName(QStringLiteral("canvasLook"));
    looks->addAction(t.compactLook, this, [this] { saveSheet(SheetLook::Compact); })
        ->setObjectName(QStringLiteral("compactLook"));
    fillFormats(m_copyBox->menu(), &ArrayExportButtons::copyBox);
    fillFormats(m_copyArray->menu(), &ArrayExportButtons::copyArray);
}

void ArrayExportButtons::fillFormats(QMenu *menu, void (ArrayExportButtons::*copy)(ArrayFormat))
{
    const ArrayWindowTexts &t = arrayWindowTexts(m_language);
    const std::pair<ArrayFormat, QString> formats[] = { { ArrayFormat::Asm, t.formatAsm },
        { ArrayFormat::Hex, t.formatHex }, { ArrayFormat::C, t.formatC }, { ArrayFormat::Json, t.formatJson } };
    menu->clear();
    for (const auto &[format, text] : formats)
        menu->addAction(text, this, [this, copy, format = format] { (this->*copy)(format); });
}

void ArrayExportButtons::saveSheet(SheetLook look)
{
    const CollisionArray *array = m_array();
    if (!array)
        return;
    const ArrayWindowTexts &t = arrayWindowTexts(m_language);
    const QString path = showConfirmingSaveDialog(
        window(), t.sheetFilter, QStringLiteral("*.png"), languageTexts(m_language).SaveTitle);
    if (path.isEmpty())
        return;
    const auto refuse = [&](const QString &reason) {
        messageboxes::inform(window(), m_language, failureText(t.MsgSheetFailed, path, reason), BoxIcon::Critical);
    };
    if (replacedInput(path, m_inputs()))
        return refuse(languageTexts(m_language).MsgReplacesShown);
    const char *format = sheetFormatForPath(path);
    if (!format)
        return refuse(t.sheetNameRefused);
    if (const std::optional<FileFailure> failure = writeImageFile(arraySheet(*array, look), path, format))
        messageboxes::inform(window(), m_language, failureText(t.MsgSheetFailed, failure->path, failure->reason),
            BoxIcon::Critical);
}

void ArrayExportButtons::copyBox(ArrayFormat format)
{
    if (const CollisionArray *array = m_array())
        putOnClipboard(boxFormatText(*array, m_box(), format));
}

void ArrayExportButtons::copyArray(ArrayFormat format)
{
    if (const CollisionArray *array = m_array())
        putOnClipboard(arrayText(*array, format));
}
