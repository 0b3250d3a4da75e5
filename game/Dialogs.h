// The modal dialogs and the shell's "open", behind one interface so tests can script them.
#pragma once

#include <QString>

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The text typed, or empty text when the user cancels.
    virtual QString InputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // A message with an exclamation icon and one OK button.
    virtual void MessageBox(const QString& text, const QString& title) = 0;
    // The chosen file name, or presetName when the user cancels.
    virtual QString SaveFileDialog(const QString& title, const QString& presetName) = 0;
    // Asks the desktop to open a web address; returns at once. True when it was handed over.
    virtual bool OpenUrl(const QString& address) = 0;
    // A question with two answers: true when the user picks acceptText, false for rejectText or
    // for closing the box. A stand-in that asks no one declines.
    virtual bool Ask(const QString& /*text*/, const QString& /*title*/,
                     const QString& /*acceptText*/, const QString& /*rejectText*/) {
        return false;
    }
};
