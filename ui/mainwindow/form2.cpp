#include "form2.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

namespace {

struct OptionDesign
{
    const char *caption;
    int width;
};

// The captions name the region where the game label does not ("Zorbo 1" is "Zorbo 1 (US)" here).
constexpr std::array<OptionDesign, Form2::kOptionCount> kOptions { {
    { "Zorbo 1 (US)", 89 },
    { "Zorbo 1 (J)", 81 },
    { "Zorbo 2 Beta", 89 },
    { "Zorbo 2", 81 },
    { "Zorbo 3", 73 },
    { "Zorbo && Tarwick", 105 },
} };

} // namespace

Form2::Form2(QWidget *owner)
    : QDialog(owner,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ROM Selector"));
    setModal(true);
    setFixedSize(164, 192);

    m_group = new QButtonGroup(this);
    for (int index = 0; index < kOptionCount; ++index) {
        auto *option = new QRadioButton(QString::fromUtf8(kOptions[size_t(index)].caption), this);
        option->setObjectName(QStringLiteral("Opt%1").arg(index));
        option->setGeometry(32, 8 + 24 * index, kOptions[size_t(index)].width, 17);
        m_group->addButton(option, index);
        m_opt[size_t(index)] = option;
    }
    connect(m_group, &QButtonGroup::idClicked, this, &Form2::optClicked);

    m_command1 = new QPushButton(QStringLiteral("OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(8, 160, 145, 25);
    m_command1->setEnabled(false);
    m_command1->setAutoDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &Form2::command1Clicked);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Form2::showEvent(QShowEvent *event)
{
    // A selector shown again starts as a new one would; an exclusive group cannot be emptied.
    if (!event->spontaneous()) {
        m_group->setExclusive(false);
        for (QRadioButton *option : m_opt)
            option->setChecked(false);
        m_group->setExclusive(true);
        m_command1->setEnabled(false);
        m_selectedIndex = -1;
        m_forcedFileId = 0;
    }
    QDialog::showEvent(event);
}

void Form2::optClicked(int index)
{
    m_command1->setEnabled(true);
    m_selectedIndex = index;
}

void Form2::command1Clicked()
{
    m_forcedFileId = qint16(m_selectedIndex + 1);
    accept();
}
