#include "form2.h"
#include "formfixture.h"
#include "languagetable.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// What a screen reader learns of the main window, read through the same interfaces it uses.
class tst_Accessibility : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void names_data();
    void names();
    void everyFocusableControlIsNamed();
    void canvasDescribesTheBoxShown();

private:
    QString accessible(const char *name, QAccessible::Text text) const;
    void switchLanguage(Language to);
    void openRom();

    QTemporaryDir m_dir;
};

void tst_Accessibility::initTestCase()
{
    QVERIFY(romfactory::write(m_dir.filePath(QStringLiteral("rom.bin")),
        romfactory::gameRom(1, { romfactory::rampBox(), romfactory::rampBox(0xF0) })));
}

void tst_Accessibility::init()
{
    QVERIFY(makeForm());
}

void tst_Accessibility::cleanup()
{
    m_form.reset();
}

QString tst_Accessibility::accessible(const char *name, QAccessible::Text text) const
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(child<QWidget>(name));
    return face ? face->text(text) : QStringLiteral("<no interface>");
}

void tst_Accessibility::switchLanguage(Language to)
{
    const char *answer = to == Language::Portuguese ? "Yes" : "No";
    QVERIFY(formdriver::answered(
        [answer](ModalWatcher &watcher) { formdriver::answer(watcher, "QMessageBox", answer); },
        [this] { QTest::keyClick(m_form->focusWidget(), Qt::Key_F6); }));
    QCOMPARE(m_form->language(), to);
}

void tst_Accessibility::openRom()
{
    QVERIFY(formdriver::open(*m_form, m_dir.filePath(QStringLiteral("rom.bin"))));
}

void tst_Accessibility::names_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("portuguese");
    // The row name is the control's.
    // clang-format off
    QTest::newRow("txtArquivo") << "Loaded file" << "Arquivo carregado";
    QTest::newRow("cmdAbrir") << "OPEN ROM" << "ABRIR ROM";
    QTest::newRow("txtIndex") << "Collision box:" << "Caixa de colisão:";
    QTest::newRow("txtArray") << "Array start:" << "Início do array:";
    QTest::newRow("txtLoc") << "Location:" << "Localização:";
    QTest::newRow("txtBytes") << "Bytes:" << "Bytes:";
    QTest::newRow("HScroll1") << "Choose the collision box" << "Escolher a caixa de colisão";
    QTest::newRow("Picture1") << "Collision box picture" << "Imagem da caixa de colisão";
    // clang-format on
}

void tst_Accessibility::names()
{
    QFETCH(QString, english);
    QFETCH(QString, portuguese);
    const char *control = QTest::currentDataTag();
    QCOMPARE(accessible(control, QAccessible::Name), english);
    switchLanguage(Language::Portuguese);
    QCOMPARE(accessible(control, QAccessible::Name), portuguese);
    switchLanguage(Language::English);
    QCOMPARE(accessible(control, QAccessible::Name), english);
}

namespace {

// Every control a keyboard user can reach has a name a screen reader can say; returns how many were checked.
int checkNamed(const QWidget *window)
{
    int checked = 0;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisible())
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty()) {
            qWarning("%s has no accessible name", qPrintable(control->objectName()));
            return -1;
        }
        ++checked;
    }
    return checked;
}

} // namespace

void tst_Accessibility::everyFocusableControlIsNamed()
{
    openRom();
    for (Language language : { Language::English, Language::Portuguese }) {
        if (language != m_form->language())
            switchLanguage(language);
        QVERIFY(checkNamed(m_form.get()) >= 9);
    }
    Form2 selector(m_form.get());
    QVERIFY(formdriver::show(selector));
    QCOMPARE(checkNamed(&selector), Form2::kOptionCount + 1);
}

void tst_Accessibility::canvasDescribesTheBoxShown()
{
    QCOMPARE(accessible("Picture1", QAccessible::Description), QStringLiteral("No file open"));
    openRom();
    QCOMPARE(accessible("Picture1", QAccessible::Description),
        QStringLiteral("Box 00, columns: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"));
    QCOMPARE(accessible("txtArray", QAccessible::Value), QStringLiteral("62A00"));

    QTest::keyClick(m_form->focusWidget(), Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(accessible("Picture1", QAccessible::Description),
        QStringLiteral("Box 01, columns: F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF"));
    QCOMPARE(accessible("txtIndex", QAccessible::Value), QStringLiteral("01"));

    switchLanguage(Language::Portuguese);
    QCOMPARE(accessible("Picture1", QAccessible::Description),
        QStringLiteral("Caixa 01, colunas: F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
