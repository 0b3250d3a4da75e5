// Paints every picture of the game onto one contact sheet, at 1x and at 2x, to look at them.
// Usage: artwork-sheet [folder]   (writes artwork-sheet@1x.png and artwork-sheet@2x.png)
#include "assets/Artwork.h"
#include "assets/Fonts.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int kSheetWidth = 1240;
constexpr int kSheetHeight = 1900;
constexpr int kGap = 8;

// Places pictures left to right, wrapping to a new row when the sheet is full.
class Shelf {
  public:
    explicit Shelf(QPainter& p) : p_(p) {}
    void Put(const QPixmap& picture) {
        const QSizeF size = picture.deviceIndependentSize();
        if (x_ + size.width() > kSheetWidth) NewRow();
        p_.drawPixmap(QPointF(x_, y_), picture);
        x_ += size.width() + kGap;
        rowHeight_ = qMax(rowHeight_, size.height());
    }
    void NewRow() {
        x_ = kGap;
        y_ += rowHeight_ + kGap;
        rowHeight_ = 0;
    }

  private:
    QPainter& p_;
    qreal x_ = kGap;
    qreal y_ = kGap;
    qreal rowHeight_ = 0;
};

void PaintSheet(QPainter& p, qreal dpr) {
    Shelf shelf(p);
    for (int suit = 0; suit < 4; ++suit) {
        for (int value = 1; value <= 13; ++value) shelf.Put(artwork::CardFace(suit, value, dpr));
        shelf.NewRow();
    }
    shelf.Put(artwork::CardBack(dpr));
    shelf.Put(artwork::Logo(dpr));
    shelf.Put(artwork::Lettering(dpr));
    for (int picture = 1; picture <= 7; ++picture) shelf.Put(artwork::OtherPicture(picture, dpr));
    shelf.Put(artwork::EndGameButton(dpr));
    shelf.Put(artwork::HandCursor().pixmap());
    for (int side : {16, 24, 32, 48, 64, 128}) shelf.Put(artwork::AppIcon().pixmap(side, side));
    shelf.NewRow();
    for (int picture = 1; picture <= 6; ++picture) shelf.Put(artwork::ChartLeft(picture, dpr));
    shelf.NewRow();
    for (int picture = 1; picture <= 6; ++picture) shelf.Put(artwork::ChartRight(picture, dpr));
    shelf.NewRow();
    for (int picture = 1; picture <= 13; ++picture) shelf.Put(artwork::Caption(picture, dpr));
    shelf.NewRow();
    shelf.Put(artwork::Backdrop(dpr));
    shelf.Put(artwork::ExitPicture(dpr));
}

bool WriteSheet(const QString& path, qreal dpr) {
    QImage sheet(qRound(kSheetWidth * dpr), qRound(kSheetHeight * dpr), QImage::Format_RGB32);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(48, 48, 56));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    PaintSheet(p, dpr);
    p.end();
    return sheet.save(path);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    fonts::LoadEmbeddedFonts();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    for (int scale : {1, 2}) {
        const QString path = folder.filePath(QString("artwork-sheet@%1x.png").arg(scale));
        if (!WriteSheet(path, scale)) {
            std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("Wrote %s\n", qPrintable(path));
    }
    return 0;
}
