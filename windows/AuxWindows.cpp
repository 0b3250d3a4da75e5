// The help, rankings, about and exit windows: one instance of each at most.
#include "windows/AuxWindows.h"

#include "windows/frmAbout.h"
#include "windows/frmExit.h"
#include "windows/frmRankings.h"
#include "windows/frmhelp.h"

namespace {

// A closed window is hidden at once but destroyed only when the event loop comes round, so
// an instance that is hidden counts as unloaded: opening again builds a fresh one.
template <class Window>
bool IsLoaded(const QPointer<Window>& window) {
    return window && !window->isHidden();
}

template <class Window>
void Present(Window* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

template <class Window>
void Unload(QPointer<Window>& window) {
    if (window) window->close();
    window.clear();
}

}  // namespace

AuxWindows::AuxWindows(Dialogs& shell) : shell_(shell) {}

// The exit window outlives the main window and whatever owns this object; it ends the run
// when it closes. The others go with their owner.
AuxWindows::~AuxWindows() {
    delete help_.data();
    delete rankings_.data();
    delete about_.data();
}

void AuxWindows::OpenHelp() {
    if (!IsLoaded(help_)) help_ = new frmhelp();
    Present(help_.data());
}

void AuxWindows::OpenRankings() {
    if (!IsLoaded(rankings_)) rankings_ = new frmRankings();
    Present(rankings_.data());
}

void AuxWindows::OpenAbout() {
    if (!IsLoaded(about_)) about_ = new frmAbout(shell_);
    Present(about_.data());
}

void AuxWindows::OpenExit() {
    if (!IsLoaded(exit_)) exit_ = new frmExit(shell_);
    Present(exit_.data());
}

frmhelp* AuxWindows::Help() const {
    return help_;
}
frmRankings* AuxWindows::Rankings() const {
    return rankings_;
}
frmAbout* AuxWindows::About() const {
    return about_;
}
frmExit* AuxWindows::Exit() const {
    return exit_;
}

void AuxWindows::CloseHelp() {
    Unload(help_);
}
void AuxWindows::CloseRankings() {
    Unload(rankings_);
}
void AuxWindows::CloseAbout() {
    Unload(about_);
}
