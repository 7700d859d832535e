#include "form2.h"
#include "modalwatcher.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace {

enum class Finish
{
    Ok,
    Escape,
    Close
};

struct Shown
{
    int checkedCount = -1;
    bool okEnabled = true;
    bool okEnabledAfterClicks = false;
    bool openAfterDisabledOk = false;
};

QRadioButton *option(QWidget *dialog, int index)
{
    return dialog->findChild<QRadioButton *>(QStringLiteral("Opt%1").arg(index));
}

QPushButton *okButton(QWidget *dialog)
{
    return dialog->findChild<QPushButton *>(QStringLiteral("Command1"));
}

// Runs `dialog` with exec(): records what it shows, clicks `clicks` (option indices; with none, the
// disabled OK instead) and ends by `finish`. Returns exec()'s result, or -1 if the watcher had to rescue it.
int run(Form2 &dialog, const QList<int> &clicks, Finish finish, Shown *shown = nullptr)
{
    ModalWatcher watcher(3000);
    watcher.expect("Form2", [&](QWidget *modal) {
        Shown seen;
        seen.checkedCount = 0;
        for (int index = 0; index < Form2::kOptionCount; ++index)
            seen.checkedCount += option(modal, index)->isChecked() ? 1 : 0;
        seen.okEnabled = okButton(modal)->isEnabled();
        if (clicks.isEmpty()) {
            QTest::mouseClick(okButton(modal), Qt::LeftButton);
            seen.openAfterDisabledOk = modal->isVisible();
        }
        for (int index : clicks)
            QTest::mouseClick(option(modal, index), Qt::LeftButton);
        seen.okEnabledAfterClicks = okButton(modal)->isEnabled();
        if (shown)
            *shown = seen;
        switch (finish) {
        case Finish::Ok:
            QTest::mouseClick(okButton(modal), Qt::LeftButton);
            break;
        case Finish::Escape:
            QTest::keyClick(modal, Qt::Key_Escape);
            break;
        case Finish::Close:
            modal->close();
            break;
        }
    });
    const int result = dialog.exec();
    return watcher.allMet() ? result : -1;
}

// What the screen shows for a caption: "&&" is one "&", a lone "&" only marks the mnemonic.
QString displayed(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}

} // namespace

class tst_Form2 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void window();
    void options_data();
    void options();
    void firstShowing();
    void outcome_data();
    void outcome();
    void nextShowingStartsAfresh();
};

void tst_Form2::init()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    QApplication::setFont(font);
}

void tst_Form2::window()
{
    Form2 dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ROM Selector"));
    QCOMPARE(dialog.size(), QSize(164, 192));
    QCOMPARE(dialog.minimumSize(), QSize(164, 192));
    QCOMPARE(dialog.maximumSize(), QSize(164, 192));
    QCOMPARE(dialog.windowType(), Qt::Tool);
    QVERIFY(dialog.isModal());

    QPushButton *ok = okButton(&dialog);
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(8, 160, 145, 25));
    QCOMPARE(dialog.findChildren<QRadioButton *>().size(), Form2::kOptionCount);
}

void tst_Form2::options_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("width");
    QTest::newRow("Opt0") << 0 << "Zorbo 1 (US)" << 89;
    QTest::newRow("Opt1") << 1 << "Zorbo 1 (J)" << 81;
    QTest::newRow("Opt2") << 2 << "Zorbo 2 Beta" << 89;
    QTest::newRow("Opt3") << 3 << "Zorbo 2" << 81;
    QTest::newRow("Opt4") << 4 << "Zorbo 3" << 73;
    QTest::newRow("Opt5") << 5 << "Zorbo & Tarwick" << 105;
}

void tst_Form2::options()
{
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(int, width);
    Form2 dialog(nullptr);
    QRadioButton *button = option(&dialog, index);
    QVERIFY(button);
    QCOMPARE(button->geometry(), QRect(32, 8 + 24 * index, width, 17));
    QCOMPARE(displayed(button->text()), shown);

    // Qt's own reading of the caption, which is what it draws, must come to the same width.
    const QFontMetrics metrics(button->font());
    const int textWidth = metrics.size(Qt::TextShowMnemonic, button->text()).width();
    QCOMPARE(textWidth, metrics.size(0, shown).width());

    if (QFontInfo(button->font()).family() != QStringLiteral("Liberation Sans"))
        QSKIP("Liberation Sans is not installed, so the fit would be measured in another font");
    QStyleOptionButton styleOption;
    styleOption.initFrom(button);
    const int indicator
        = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &styleOption, button)
        + button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &styleOption, button);
    QVERIFY2(indicator + textWidth <= width,
        qPrintable(QStringLiteral("needs %1 + %2 pixels").arg(indicator).arg(textWidth)));
    QVERIFY(metrics.height() <= 17);
}

void tst_Form2::firstShowing()
{
    QWidget owner;
    Form2 dialog(&owner);
    Shown shown;
    QCOMPARE(run(dialog, {}, Finish::Escape, &shown), int(QDialog::Rejected));
    QCOMPARE(shown.checkedCount, 0);
    QVERIFY(!shown.okEnabled);
    QVERIFY(shown.openAfterDisabledOk);
    QCOMPARE(dialog.forcedFileId(), qint16(0));
}

void tst_Form2::outcome_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<Finish>("finish");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("fileId");
    for (int index = 0; index < Form2::kOptionCount; ++index) {
        QTest::addRow("Opt%d then OK", index)
            << QList<int> { index } << Finish::Ok << int(QDialog::Accepted) << index + 1;
    }
    QTest::newRow("last click counts") << QList<int> { 4, 0 } << Finish::Ok << int(QDialog::Accepted) << 1;
    QTest::newRow("same option twice") << QList<int> { 2, 2 } << Finish::Ok << int(QDialog::Accepted) << 3;
    QTest::newRow("Escape") << QList<int> {} << Finish::Escape << int(QDialog::Rejected) << 0;
    QTest::newRow("close") << QList<int> {} << Finish::Close << int(QDialog::Rejected) << 0;
    QTest::newRow("Escape after a choice")
        << QList<int> { 3 } << Finish::Escape << int(QDialog::Rejected) << 0;
    QTest::newRow("close after a choice") << QList<int> { 5 } << Finish::Close << int(QDialog::Rejected) << 0;
}

void tst_Form2::outcome()
{
    QFETCH(QList<int>, clicks);
    QFETCH(Finish, finish);
    QFETCH(int, result);
    QFETCH(int, fileId);
    QWidget owner;
    Form2 dialog(&owner);
    Shown shown;
    QCOMPARE(run(dialog, clicks, finish, &shown), result);
    QCOMPARE(dialog.result(), result);
    QCOMPARE(dialog.forcedFileId(), qint16(fileId));
    if (!clicks.isEmpty())
        QVERIFY(shown.okEnabledAfterClicks);
}

void tst_Form2::nextShowingStartsAfresh()
{
    QWidget owner;
    Form2 selector(&owner);
    QCOMPARE(run(selector, { 3 }, Finish::Ok), int(QDialog::Accepted));
    QCOMPARE(selector.forcedFileId(), qint16(4));
    Shown shown;
    QCOMPARE(run(selector, {}, Finish::Escape, &shown), int(QDialog::Rejected));
    QCOMPARE(shown.checkedCount, 0);
    QVERIFY(!shown.okEnabled);
    QCOMPARE(selector.forcedFileId(), qint16(0));
}

QTEST_MAIN(tst_Form2)
#include "tst_form2.moc"
