// The about window: the maker's logo and title, the version and the two web links.
#pragma once

#include <QWidget>

#include "game/Dialogs.h"

class frmAbout : public QWidget {
    Q_OBJECT
public:
    // The shell opens the web pages; it must outlive the window.
    explicit frmAbout(Dialogs& shell, QWidget* parent = nullptr);

public slots:
    void cmdCVHOME_Click();  // the maker's home page
    void cmdUPDATE_Click();  // the maker's version page
    void cmdOK_Click();      // unloads the window

private:
    Dialogs& shell_;
};
