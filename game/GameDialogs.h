// The game's own uses of the dialogs, shared by start-up, the table and the account commands:
// the name prompt and the "Error" message box.
#pragma once

#include <QString>
#include <optional>

#include "accounts/AccountsFile.h"
#include "game/Dialogs.h"

inline const QString kDefaultPlayerName = QStringLiteral("Default Player");

// The text typed at the name prompt, or empty text on Cancel.
inline QString AskPlayerName(Dialogs& dialogs) {
    const QString prompt = QStringLiteral("Enter Your Name");
    return dialogs.InputBox(prompt, prompt, kDefaultPlayerName);
}

inline void ShowError(Dialogs& dialogs, const QString& text) {
    dialogs.MessageBox(text, QStringLiteral("Error"));
}

// What failed, which file, and why.
inline void ShowFileError(Dialogs& dialogs, const output::FileError& error) {
    ShowError(dialogs, QString::fromStdString(error.Describe()));
}

// True when there was no error; otherwise the player has been told what failed.
inline bool NoFileError(Dialogs& dialogs, const std::optional<output::FileError>& error) {
    if (error) ShowFileError(dialogs, *error);
    return !error;
}

// A name or path in double quotes, as the messages show what the player typed.
inline QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}
