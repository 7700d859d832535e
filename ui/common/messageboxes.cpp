#include "messageboxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace messageboxes {
namespace {

QMessageBox::Icon qtIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::Critical:
        return QMessageBox::Critical;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonDesign
{
    Answer answer;
    QString caption;
    const char *name;
    QMessageBox::ButtonRole role;
};

Answer run(QWidget *parent, const QString &text, BoxIcon icon, const QList<ButtonDesign> &buttons,
    Answer defaultAnswer, Answer escapeAnswer)
{
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromLatin1(kCaption));
    box.setIcon(qtIcon(icon));
    box.setTextFormat(Qt::PlainText);
    // The texts keep Windows line ends; a label would show the carriage return as a stray mark.
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    QHash<QAbstractButton *, Answer> answers;
    for (const ButtonDesign &design : buttons) {
        QPushButton *button = box.addButton(design.caption, design.role);
        button->setObjectName(QString::fromLatin1(design.name));
        answers.insert(button, design.answer);
        if (design.answer == defaultAnswer)
            box.setDefaultButton(button);
        if (design.answer == escapeAnswer)
            box.setEscapeButton(button);
    }
    box.exec();
    return answers.value(box.clickedButton(), escapeAnswer);
}

} // namespace

Answer askYesNo(QWidget *parent, Language language, const QString &text, BoxIcon icon)
{
    const LanguageTexts &t = languageTexts(language);
    return run(parent, text, icon,
        { { Answer::Yes, t.Yes, "Yes", QMessageBox::YesRole },
            { Answer::No, t.No, "No", QMessageBox::NoRole } },
        Answer::Yes, Answer::No);
}

Answer askAbortRetryIgnore(QWidget *parent, Language language, const QString &text)
{
    const LanguageTexts &t = languageTexts(language);
    // One role for all three keeps them in the order the message names them.
    return run(parent, text, BoxIcon::Critical,
        { { Answer::Abort, t.Abort, "Abort", QMessageBox::ActionRole },
            { Answer::Retry, t.Retry, "Retry", QMessageBox::ActionRole },
            { Answer::Ignore, t.Ignore, "Ignore", QMessageBox::ActionRole } },
        Answer::Abort, Answer::Abort);
}

Answer askSaveDiscardCancel(QWidget *parent, Language language, const QString &text)
{
    const LanguageTexts &t = languageTexts(language);
    return run(parent, text, BoxIcon::Question,
        { { Answer::Save, t.Save, "Save", QMessageBox::AcceptRole },
            { Answer::Discard, t.Discard, "Discard", QMessageBox::DestructiveRole },
            { Answer::Cancel, t.Cancel, "Cancel", QMessageBox::RejectRole } },
        Answer::Save, Answer::Cancel);
}

Answer askSaveCancel(QWidget *parent, Language language, const QString &text)
{
    const LanguageTexts &t = languageTexts(language);
    return run(parent, text, BoxIcon::Question,
        { { Answer::Save, t.Save, "Save", QMessageBox::AcceptRole },
            { Answer::Cancel, t.Cancel, "Cancel", QMessageBox::RejectRole } },
        Answer::Save, Answer::Cancel);
}

void inform(QWidget *parent, Language language, const QString &text, BoxIcon icon)
{
    const LanguageTexts &t = languageTexts(language);
    run(parent, text, icon, { { Answer::Ok, t.Ok, "Ok", QMessageBox::AcceptRole } }, Answer::Ok, Answer::Ok);
}

} // namespace messageboxes
