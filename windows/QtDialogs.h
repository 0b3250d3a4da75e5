// The dialogs of the running game, shown with Qt's standard dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "game/Dialogs.h"

class QtDialogs final : public Dialogs {
public:
    // The window the dialogs are centred on and modal to; none until it is set.
    void SetParentWindow(QWidget* window) { parent_ = window; }

    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    void MessageBox(const QString& text, const QString& title) override;
    QString SaveFileDialog(const QString& title, const QString& presetName) override;
    bool OpenUrl(const QString& address) override;
    bool Ask(const QString& text, const QString& title, const QString& acceptText,
             const QString& rejectText) override;

private:
    QPointer<QWidget> parent_;
};
