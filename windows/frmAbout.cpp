// The about window.
#include "windows/frmAbout.h"

#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "controls/Twips.h"
#include "version.h"
#include "windows/AboutNet.h"
#include "windows/WindowLook.h"

using namespace winlook;

namespace {

const QColor kBlue{0, 0, 255};
const QColor kRed{255, 0, 0};
const QColor kYellow{255, 255, 0};
const QColor kGreen{0, 255, 0};

}  // namespace

frmAbout::frmAbout(Dialogs& shell, QWidget* parent) : QWidget(parent), shell_(shell) {
    // A dialog frame keeps the window off the task bar.
    SetUpFixedWindow(this, Qt::Dialog, "About Verudu Vuro Verir Azivi", 4305, 2535, Qt::black);

    // Stacking follows creation: the labels at the back, the pictures over them, the buttons
    // in front of everything. The bars and the three text labels are wider than the window
    // and are cut at its right edge.
    const QFont plain = font();
    const QFont title = fonts::Garamond(11.25);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    AddLabel(this, "Label2", "Internet Connection Required", TwipsRect(1920, 120, 2295, 735), plain,
             centred, QColor(), kBlue);
    AddLabel(this, "Label1", QString(), TwipsRect(0, 840, 4575, 135), plain, centred, QColor(),
             kRed);
    AddLabel(this, "lblTitle", "Calvarro Verudu Vuro Verir Azivi", TwipsRect(0, 960, 4455, 255),
             title, centred, kRed, kYellow);
    AddLabel(this, "lblcontent", QString::fromUtf8("\u00A9 Calvarro. All rights reserved."),
             TwipsRect(0, 1200, 4455, 255), plain, centred, QColor(), kGreen);
    AddLabel(this, "lblversion", QStringLiteral("Version " DW_VERSION),
             TwipsRect(0, 1440, 4455, 255), title, centred, kRed, kYellow);
    AddLabel(this, "lblcolorbar", QString(), TwipsRect(0, 2400, 4455, 135), plain, centred,
             QColor(), kRed);

    const qreal dpr = devicePixelRatioF();
    AddPicture(this, "Image1", artwork::Logo(dpr), TwipsRect(240, 120, 1410, 825));
    AddPicture(this, "Image2", artwork::Lettering(dpr), TwipsRect(120, 1680, 2250, 885));

    QPushButton* home =
        AddButton(this, "cmdCVHOME", "Visit The Calvarro", TwipsRect(1920, 360, 1095, 495));
    QPushButton* update =
        AddButton(this, "cmdUPDATE", "Check For New Version", TwipsRect(3120, 360, 1095, 495));
    QPushButton* ok = AddButton(this, "cmdOK", "&OK", TwipsRect(2880, 1920, 1215, 375));
    connect(home, &QPushButton::clicked, this, &frmAbout::cmdCVHOME_Click);
    connect(update, &QPushButton::clicked, this, &frmAbout::cmdUPDATE_Click);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    PressedByEscape(ok);
    ok->setFocus();
}

void frmAbout::cmdCVHOME_Click() {
    QString address = AboutNet::kHomePage;
    std::int32_t showCode = AboutNet::kShowNormal;
    AboutNet::OpenWebPage(shell_, address, showCode);
}

void frmAbout::cmdUPDATE_Click() {
    QString address = AboutNet::kVersionPage;
    std::int32_t showCode = AboutNet::kShowNormal;
    AboutNet::OpenWebPage(shell_, address, showCode);
}

void frmAbout::cmdOK_Click() {
    close();
}
