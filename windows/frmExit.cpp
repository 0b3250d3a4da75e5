// The exit window.
#include "windows/frmExit.h"

#include "assets/Artwork.h"
#include "assets/PictureWords.h"
#include "controls/Twips.h"
#include "windows/AboutNet.h"
#include "windows/WindowLook.h"

using namespace winlook;

frmExit::frmExit(Dialogs& shell, QWidget* parent) : QWidget(parent), shell_(shell) {
    SetUpFixedWindow(this, Qt::Window, "Thanks For Playing", 5985, 4500,
                     palette().color(QPalette::Window));

    AddPicture(this, "imgBGexit", artwork::ExitPicture(devicePixelRatioF()),
               TwipsRect(0, 0, 6000, 4500))
        ->setAccessibleName(artwork::ExitPictureText());
    QPushButton* visit =
        AddButton(this, "cmdVisit", "Visit Calvarro", TwipsRect(2520, 2760, 1815, 375));
    QPushButton* ok = AddButton(this, "cmdOK", "Exit", TwipsRect(4800, 4080, 975, 255));
    connect(visit, &QPushButton::clicked, this, &frmExit::cmdVisit_Click);
    connect(ok, &QPushButton::clicked, this, &frmExit::cmdOK_Click);
    PressedByEscape(ok);
    visit->setFocus();
}

void frmExit::cmdVisit_Click() {
    QString address = AboutNet::kHomePage;
    std::int32_t showCode = AboutNet::kShowNormal;
    AboutNet::OpenWebPage(shell_, address, showCode);
}

void frmExit::cmdOK_Click() {
    close();
}
