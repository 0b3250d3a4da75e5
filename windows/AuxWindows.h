// The help, rankings, about and exit windows: at most one instance of each, created when
// opened and destroyed when closed. None is modal.
#pragma once

#include <QPointer>

#include "game/Dialogs.h"

class frmhelp;
class frmRankings;
class frmAbout;
class frmExit;

class AuxWindows {
public:
    explicit AuxWindows(Dialogs& shell);  // the shell opens the web links
    ~AuxWindows();

    // Load the window if needed, show it and make it the active window.
    void OpenHelp();
    void OpenRankings();
    void OpenAbout();
    void OpenExit();

    // Unload; closing a window that is not open does nothing.
    void CloseHelp();
    void CloseRankings();
    void CloseAbout();

    // The loaded instance, or nullptr. Defined out of line, so includers need not know the
    // window classes.
    frmhelp* Help() const;
    frmRankings* Rankings() const;
    frmAbout* About() const;
    frmExit* Exit() const;

private:
    Dialogs& shell_;
    QPointer<frmhelp> help_;
    QPointer<frmRankings> rankings_;
    QPointer<frmAbout> about_;
    QPointer<frmExit> exit_;
};
