#pragma once

#include <QString>

enum class Language
{
    Portuguese,
    English
};

/// Every text that changes with the language. The first eight are captions of the main window; the
/// rest are read when a message or dialog is shown. "&" marks an access key.
struct LanguageTexts
{
    QString Frame1;
    QString cmdAbrir;
    QString cmdSair;
    QString lblArray;
    QString lblBox;
    QString lblLoc;
    QString optPri;
    QString optSec;
    QString MsgUnrecognized;
    QString MsgSaveBitmap;
    QString OpenTitle;
    QString SaveTitle;
    // Ours: what a failed read or write says before naming the file and the reason.
    QString MsgReadFailed;
    QString MsgWriteFailed;
    /// Why an export may not be written over the file on display.
    QString MsgReplacesShown;
    /// A folder handed in holds several collision sets: %1 the folder, %2 the sets' heights files.
    QString MsgSeveralSets;
    // Button captions of the message boxes, so a message names the buttons the user sees.
    QString Yes;
    QString No;
    QString Abort;
    QString Retry;
    QString Ignore;
    QString Ok;
    QString Save;
    QString Discard;
    QString Cancel;
    // Ours: what a screen reader says for the controls that have no caption of their own.
    QString txtArquivoName;
    QString HScroll1Name;
    QString Picture1Name;
    /// %1 is the box index, %2 the 16 bytes of its columns.
    QString Picture1Description;
    QString Picture1Empty;
};

[[nodiscard]] const LanguageTexts &languageTexts(Language language);

/// The language the program starts in: Portuguese for the two Portuguese ids (Brazil, Portugal),
/// English for any other id.
[[nodiscard]] Language startupLanguage(quint16 langId);

/// "KERNEL32.GetSystemDefaultLangID = $" and the id in four upper-case hexadecimal digits.
[[nodiscard]] QString langIdText(quint16 langId);

/// The F6 question, in both languages at once.
[[nodiscard]] QString changeLanguagePrompt();
