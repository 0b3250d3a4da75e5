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
      ILchartleft(6, &artwork::ChartLeft),
      ILchartright(6, &artwork::ChartRight),
      ILCaption(13, &artwork::Caption),
      ILother(7, &artwork::OtherPicture),
      ILdesign(3, &DesignPicture) {}

void TableImages::SetDevicePixelRatio(qreal dpr) {
    for (ImageList& list : ILSuit) list.SetDevicePixelRatio(dpr);
    for (ImageList* list : {&ILchartleft, &ILchartright, &ILCaption, &ILother, &ILdesign})
        list->SetDevicePixelRatio(dpr);
}

PictureRef CardPicture(const TableImages& images, const modcards::Card& card) {
    if (card.Suit < 0 || card.Suit > 3) return {};
    return {&images.ILSuit[static_cast<std::size_t>(card.Suit)], card.Value};
}
