// The hand-rankings window.
#include "windows/frmRankings.h"

#include "assets/Fonts.h"
#include "controls/Twips.h"
#include "windows/HelpTexts.h"
#include "windows/WindowLook.h"

using namespace winlook;

frmRankings::frmRankings(QWidget* parent) : QWidget(parent) {
    SetUpFixedWindow(this, Qt::Window, "Hand Rankings", 9840, 6660, Qt::white);

    // The heading names the text box beneath it, for screen readers.
    AddHeading(this, "lblHandRanks", "Hand Rankings", TwipsRect(120, 120, 8535, 375))
        ->setBuddy(AddTextBox(this, "txtboxRanks", helptexts::Rankings(),
                              TwipsRect(120, 600, 8535, 5895), fonts::Verdana(8.25, true)));
    QPushButton* ok = AddOkButton(this, TwipsRect(8640, 6120, 1125, 450));
    connect(ok, &QPushButton::clicked, this, &frmRankings::cmdOK_Click);
    PressedByEscape(ok);
}

void frmRankings::cmdOK_Click() {
    close();
}
