// The main window as designed: every control at its place, its look, the menus and the tab order.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <array>

#include "controls/HoldCheckBox.h"
#include "controls/ImageBox.h"
#include "controls/PictureBox.h"
#include "controls/PictureButton.h"
#include "table/TableImages.h"

struct TableControls {
    ImageBox* Image1 = nullptr;
    std::array<ImageBox*, 5> imgHeld{};
    QLabel* lblCon = nullptr;
    QLabel* lblCredits = nullptr;
    ImageBox* ImgCaption = nullptr;
    ImageBox* pchartright = nullptr;
    ImageBox* pchartleft = nullptr;
    QLabel* lblPNAME = nullptr;
    PictureButton* cmdDeal = nullptr;
    std::array<HoldCheckBox*, 5> chkHold{};
    PictureButton* cmdEnd = nullptr;
    std::array<PictureBox*, 5> pHand{};

    QAction* mnuNewPl = nullptr;
    QAction* mnuChanPl = nullptr;
    QAction* mnuBackupSt = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuSound = nullptr;
    QAction* mnuVwSts = nullptr;
    QMenu* mnuHelp = nullptr;  // the Help menu, so later menus can stand before it
    QAction* Mnuplayin = nullptr;
    QAction* MnuRankings = nullptr;
    QAction* mnuAbout = nullptr;
};

// The client area in pixels: 9690 x 7680 twips.
inline constexpr QSize kClientSize(646, 512);

// Builds the window's contents with their design pictures; connects nothing.
TableControls BuildTableDesign(QMainWindow& window, const TableImages& images);
