// The main window's image lists, and the one place where a card becomes its picture.
#pragma once

#include <array>

#include "controls/ImageList.h"
#include "engine/Card.h"
#include "engine/PayTable.h"

struct TableImages {
    TableImages();

    std::array<ImageList, 4>
        ILSuit;             // one list per suit (spades, diamonds, clubs, hearts), ace first
    ImageList ILchartleft;  // 6 halves of the pay chart; 1 = no row lit
    ImageList ILchartright;
    ImageList ILCaption;       // 13 caption strips
    ImageList ILother;         // 7 button faces
    ImageList designPictures;  // pictures fixed by the window design, see below

    // Pictures of designPictures.
    static constexpr int kBackdrop = 1;
    static constexpr int kCardBack = 2;
    static constexpr int kEndGame = 3;
    // Pictures of ILother: the deal button's faces and the hold buttons'.
    static constexpr int kDealFace = 2, kDrawFace = 3;
    static constexpr int kHoldUnlit = 5, kHoldDisabled = 6, kHoldLit = 7;
    // The picture of either chart list with no row lit.
    static constexpr int kChartUnlit = 1;

    // The pay chart's halves painted with the pays of `table` (credits for its stake).
    void SetPays(const modcards::PayTable& table);
    // Repaints every list at a new ratio (when the window moves to another screen).
    void SetDevicePixelRatio(qreal dpr);
    qreal DevicePixelRatio() const { return designPictures.DevicePixelRatio(); }
};

// The face of a card: picture Value of ILSuit(Suit); no picture for a suit outside 0..3.
PictureRef CardPicture(const TableImages& images, const modcards::Card& card);
