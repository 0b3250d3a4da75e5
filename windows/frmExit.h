// The exit window: the last window of a run, with a link to the maker's site.
#pragma once

#include <QWidget>

#include "game/Dialogs.h"

class frmExit : public QWidget {
    Q_OBJECT
public:
    // The shell opens the web page; it must outlive the window.
    explicit frmExit(Dialogs& shell, QWidget* parent = nullptr);

public slots:
    void cmdVisit_Click();  // the maker's home page; the window stays open
    void cmdOK_Click();     // unloads the window, which ends the run once it stands alone

private:
    Dialogs& shell_;
};
