// The main window's image lists, filled from the artwork.
#include "table/TableImages.h"

#include "assets/Artwork.h"

namespace {

ImageList SuitList(int suit) {
    return ImageList(13, [suit](int n, qreal dpr) { return artwork::CardFace(suit, n, dpr); });
}

QPixmap DesignPicture(int n, qreal dpr) {
    switch (n) {
        case TableImages::kBackdrop:
            return artwork::Backdrop(dpr);
        case TableImages::kCardBack:
            return artwork::CardBack(dpr);
        default:
            return artwork::EndGameButton(dpr);
    }
}

}  // namespace

TableImages::TableImages()
    : ILSuit{SuitList(0), SuitList(1), SuitList(2), SuitList(3)},
      ILchartleft(6, [](int n, qreal dpr) { return artwork::ChartLeft(n, dpr); }),
      ILchartright(6, [](int n, qreal dpr) { return artwork::ChartRight(n, dpr); }),
      ILCaption(13, &artwork::Caption),
      ILother(7, &artwork::OtherPicture),
      designPictures(3, &DesignPicture) {}

void TableImages::SetPays(const modcards::PayTable& table) {
    const qreal dpr = DevicePixelRatio();
    const artwork::ChartPays left{table[1], table[2], table[3], table[4], table[5]};
    const artwork::ChartPays right{table[6], table[7], table[8], table[9], table[10]};
    ILchartleft =
        ImageList(6, [left](int n, qreal ratio) { return artwork::ChartLeft(n, ratio, left); });
    ILchartright =
        ImageList(6, [right](int n, qreal ratio) { return artwork::ChartRight(n, ratio, right); });
    ILchartleft.SetDevicePixelRatio(dpr);
    ILchartright.SetDevicePixelRatio(dpr);
}

void TableImages::SetDevicePixelRatio(qreal dpr) {
    for (ImageList& list : ILSuit) list.SetDevicePixelRatio(dpr);
    for (ImageList* list : {&ILchartleft, &ILchartright, &ILCaption, &ILother, &designPictures})
        list->SetDevicePixelRatio(dpr);
}

PictureRef CardPicture(const TableImages& images, const modcards::Card& card) {
    if (card.Suit < 0 || card.Suit > 3) return {};
    return {&images.ILSuit[static_cast<std::size_t>(card.Suit)], card.Value};
}
