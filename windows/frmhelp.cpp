// The help window.
#include "windows/frmhelp.h"

#include <QGuiApplication>
#include <QScreen>

#include "assets/Fonts.h"
#include "controls/Twips.h"
#include "windows/HelpTexts.h"
#include "windows/WindowLook.h"

using namespace winlook;

frmhelp::frmhelp(QWidget* parent) : QWidget(parent) {
    SetUpFixedWindow(this, Qt::Window, "Verudu Vuro Verir Azivi Instructions", 7590, 6435,
                     Qt::white);
    setFont(fonts::Aardvark(9.75));

    const QFont textFont = fonts::Arial(9.75, true);
    // Each heading names the text box beneath it, for screen readers.
    AddHeading(this, "lblTitle", "Game Objective", TwipsRect(240, 120, 6975, 375))
        ->setBuddy(AddTextBox(this, "txtboxInstruct", helptexts::Objective(),
                              TwipsRect(240, 600, 6975, 1335), textFont));
    AddHeading(this, "lblSpec", "Game Specialty", TwipsRect(240, 2040, 6975, 375))
        ->setBuddy(AddTextBox(this, "txtboxSpec", helptexts::Specialty(),
                              TwipsRect(240, 2520, 6975, 615), textFont));
    AddHeading(this, "lblPlaying", "Playing The Game", TwipsRect(240, 3240, 6975, 375))
        ->setBuddy(AddTextBox(this, "txtboxplaying", helptexts::Playing(),
                              TwipsRect(240, 3720, 6975, 2295), textFont));
    // Worked out at run time, so it has a label of its own beside the OK button.
    lblReturn_ = AddLabel(this, "lblReturn", QString(), TwipsRect(240, 6060, 5400, 330),
                          fonts::Arial(8.25, true), Qt::AlignLeft | Qt::AlignVCenter);
    QPushButton* ok = AddOkButton(this, TwipsRect(5760, 5880, 1125, 450));
    connect(ok, &QPushButton::clicked, this, &frmhelp::cmdOK_Click);
    PressedByEscape(ok);

    // The client area stands at a fixed place on the screen, whatever the frame's size.
    const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
    setGeometry(QRect(screenOrigin + QPoint(TwipsToPixels(2310), TwipsToPixels(1680)), size()));
}

void frmhelp::ShowReturn(const QString& line) {
    lblReturn_->setText(line);
}

void frmhelp::cmdOK_Click() {
    close();
}
