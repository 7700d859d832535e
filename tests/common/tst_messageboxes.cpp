#include "messageboxes.h"
#include "modalwatcher.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

// What the box looked like when it came up, read before it is answered.
struct Seen
{
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // "objectName=caption", sorted
    QString defaultButton;
    QString escapeButton;
    bool modal = false;
};

Seen look(QMessageBox *box)
{
    Seen seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.format = box->textFormat();
    seen.icon = box->icon();
    for (QAbstractButton *button : box->buttons())
        seen.buttons.append(button->objectName() + QLatin1Char('=') + button->text());
    seen.buttons.sort();
    if (box->defaultButton())
        seen.defaultButton = box->defaultButton()->objectName();
    if (box->escapeButton())
        seen.escapeButton = box->escapeButton()->objectName();
    seen.modal = box->isModal();
    return seen;
}

Qt::Key letterKey(QChar letter)
{
    return Qt::Key(Qt::Key_A + (letter.toUpper().unicode() - 'A'));
}

// The user's move: "click <name>", "alt <letter>", "letter <letter>", "escape", "return" or "close".
void answer(QMessageBox *box, const QString &move)
{
    const QString verb = move.section(QLatin1Char(' '), 0, 0);
    const QString arg = move.section(QLatin1Char(' '), 1);
    if (verb == QLatin1String("click")) {
        if (auto *button = box->findChild<QPushButton *>(arg))
            QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    // Keys and shortcuts reach only the active window.
    box->activateWindow();
    if (!QTest::qWaitForWindowActive(box, 2000))
        return;
    if (verb == QLatin1String("alt"))
        QTest::keyClick(box, letterKey(arg.at(0)), Qt::AltModifier);
    else if (verb == QLatin1String("letter"))
        QTest::keyClick(box, letterKey(arg.at(0)));
    else if (verb == QLatin1String("escape"))
        QTest::keyClick(box, Qt::Key_Escape);
    else if (verb == QLatin1String("return"))
        QTest::keyClick(box, Qt::Key_Return);
    else if (verb == QLatin1String("close"))
        box->close();
}

} // namespace

class tst_MessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void askYesNo_data();
    void askYesNo();
    void askAbortRetryIgnore_data();
    void askAbortRetryIgnore();
    void textWithoutCarriageReturns();
    void inform();

private:
    template<typename Call> static Seen run(const QString &move, Call call, bool *met);
};

template<typename Call> Seen tst_MessageBoxes::run(const QString &move, Call call, bool *met)
{
    Seen seen;
    ModalWatcher watcher(3000);
    watcher.expect("QMessageBox", [&](QWidget *widget) {
        auto *box = static_cast<QMessageBox *>(widget);
        seen = look(box);
        answer(box, move);
    });
    call();
    *met = watcher.allMet();
    return seen;
}

void tst_MessageBoxes::askYesNo_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<BoxIcon>("icon");
    QTest::addColumn<QString>("move");
    QTest::addColumn<Answer>("expected");

    const auto pt = Language::Portuguese;
    const auto en = Language::English;
    const auto q = BoxIcon::Question;
    // clang-format off
    QTest::newRow("pt click Sim") << pt << q << "click Yes" << Answer::Yes;
    QTest::newRow("pt click Não") << pt << q << "click No" << Answer::No;
    QTest::newRow("en click Yes") << en << q << "click Yes" << Answer::Yes;
    QTest::newRow("en click No, no icon") << en << BoxIcon::None << "click No" << Answer::No;
    QTest::newRow("pt escape") << pt << q << "escape" << Answer::No;
    QTest::newRow("en escape") << en << BoxIcon::None << "escape" << Answer::No;
    QTest::newRow("en return is default") << en << q << "return" << Answer::Yes;
    QTest::newRow("pt window closed") << pt << q << "close" << Answer::No;
    QTest::newRow("pt Alt+N") << pt << q << "alt N" << Answer::No;
    QTest::newRow("pt Alt+S") << pt << q << "alt S" << Answer::Yes;
    QTest::newRow("en Alt+N") << en << q << "alt N" << Answer::No;
    QTest::newRow("en Alt+Y") << en << q << "alt Y" << Answer::Yes;
    QTest::newRow("pt letter N") << pt << q << "letter N" << Answer::No;
    QTest::newRow("en letter Y") << en << q << "letter Y" << Answer::Yes;
    // clang-format on
}

void tst_MessageBoxes::askYesNo()
{
    QFETCH(Language, language);
    QFETCH(BoxIcon, icon);
    QFETCH(QString, move);
    QFETCH(Answer, expected);

    Answer result = Answer::Ok;
    bool met = false;
    const Seen seen = run(
        move,
        [&] {
            result = messageboxes::askYesNo(nullptr, language, languageTexts(language).MsgSaveBitmap, icon);
        },
        &met);
    QVERIFY2(met, "the box was not answered");

    const LanguageTexts &t = languageTexts(language);
    QCOMPARE(seen.title, QStringLiteral("Tilegauge"));
    QCOMPARE(seen.text, t.MsgSaveBitmap);
    QCOMPARE(seen.icon, icon == BoxIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList({ QStringLiteral("No=") + t.No, QStringLiteral("Yes=") + t.Yes }));
    QCOMPARE(seen.defaultButton, QStringLiteral("Yes"));
    QCOMPARE(seen.escapeButton, QStringLiteral("No"));
    QVERIFY(seen.modal);
    QCOMPARE(result, expected);
}

void tst_MessageBoxes::askAbortRetryIgnore_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("move");
    QTest::addColumn<Answer>("expected");

    const auto pt = Language::Portuguese;
    const auto en = Language::English;
    // clang-format off
    QTest::newRow("pt click Anular") << pt << "click Abort" << Answer::Abort;
    QTest::newRow("pt click Repetir") << pt << "click Retry" << Answer::Retry;
    QTest::newRow("pt click Ignorar") << pt << "click Ignore" << Answer::Ignore;
    QTest::newRow("en click Abort") << en << "click Abort" << Answer::Abort;
    QTest::newRow("en click Retry") << en << "click Retry" << Answer::Retry;
    QTest::newRow("en click Ignore") << en << "click Ignore" << Answer::Ignore;
    QTest::newRow("en escape") << en << "escape" << Answer::Abort;
    QTest::newRow("pt return is default") << pt << "return" << Answer::Abort;
    QTest::newRow("en window closed") << en << "close" << Answer::Abort;
    QTest::newRow("pt Alt+R") << pt << "alt R" << Answer::Retry;
    QTest::newRow("pt Alt+I") << pt << "alt I" << Answer::Ignore;
    QTest::newRow("en Alt+A") << en << "alt A" << Answer::Abort;
    QTest::newRow("en letter I") << en << "letter I" << Answer::Ignore;
    // clang-format on
}

void tst_MessageBoxes::askAbortRetryIgnore()
{
    QFETCH(Language, language);
    QFETCH(QString, move);
    QFETCH(Answer, expected);

    Answer result = Answer::Ok;
    bool met = false;
    const QString text = QStringLiteral("not a game");
    const Seen seen = run(
        move, [&] { result = messageboxes::askAbortRetryIgnore(nullptr, language, text); }, &met);
    QVERIFY2(met, "the box was not answered");

    const LanguageTexts &t = languageTexts(language);
    QCOMPARE(seen.title, QStringLiteral("Tilegauge"));
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons,
        QStringList({ QStringLiteral("Abort=") + t.Abort, QStringLiteral("Ignore=") + t.Ignore,
            QStringLiteral("Retry=") + t.Retry }));
    QCOMPARE(seen.defaultButton, QStringLiteral("Abort"));
    QCOMPARE(seen.escapeButton, QStringLiteral("Abort"));
    QVERIFY(seen.modal);
    QCOMPARE(result, expected);
}

void tst_MessageBoxes::textWithoutCarriageReturns()
{
    for (const Language language : { Language::Portuguese, Language::English }) {
        const QString message = languageTexts(language).MsgUnrecognized;
        bool met = false;
        const Seen seen = run(
            QStringLiteral("click Abort"),
            [&] { (void)messageboxes::askAbortRetryIgnore(nullptr, language, message); }, &met);
        QVERIFY(met);
        QVERIFY(!seen.text.contains(QLatin1Char('\r')));
        QCOMPARE(seen.text, QString(message).remove(QLatin1Char('\r')));
        QCOMPARE(seen.text.count(QStringLiteral("\n\n")), 1);
    }
}

void tst_MessageBoxes::inform()
{
    for (const QString &move : { QStringLiteral("click Ok"), QStringLiteral("escape") }) {
        bool met = false;
        const Seen seen = run(
            move,
            [] {
                messageboxes::inform(
                    nullptr, Language::Portuguese, QStringLiteral("<b>a</b>\r\nb"), BoxIcon::Critical);
            },
            &met);
        QVERIFY2(met, qPrintable(move));
        QCOMPARE(seen.title, QStringLiteral("Tilegauge"));
        // A file name may hold '<'; it must not be read as markup.
        QCOMPARE(seen.text, QStringLiteral("<b>a</b>\nb"));
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QStringList({ QStringLiteral("Ok=OK") }));
    }
}

QTEST_MAIN(tst_MessageBoxes)
#include "tst_messageboxes.moc"
