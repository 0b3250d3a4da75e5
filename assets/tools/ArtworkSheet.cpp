// Paints every picture of the game onto one contact sheet, at 1x and at 2x, to look at them.
// Usage: artwork-sheet [folder] [--pictures]
// Writes artwork-sheet@1x.png, artwork-sheet@2x.png, table-preview.png (the table as the
// main window lays it out) and court-cards.png (the twelve courts on the felt, at 1x above and
// at 2x below, pixel for pixel); with --pictures, also each picture on its own at four times
// its size, to look at the details.
#include "assets/Artwork.h"
#include "assets/Fonts.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <utility>
#include <vector>

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

// Every picture with a name; the sheet and the single files are both made from this list.
std::vector<std::pair<QString, QPixmap>> AllPictures(qreal dpr) {
    std::vector<std::pair<QString, QPixmap>> all;
    const char* suits = "SDCH";
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 1; value <= 13; ++value)
            all.emplace_back(QString("card-%1-%2").arg(suits[suit]).arg(value),
                             artwork::CardFace(suit, value, dpr));
    all.emplace_back("card-back", artwork::CardBack(dpr));
    all.emplace_back("logo", artwork::Logo(dpr));
    all.emplace_back("lettering", artwork::Lettering(dpr));
    for (int picture = 1; picture <= 7; ++picture)
        all.emplace_back(QString("other-%1").arg(picture), artwork::OtherPicture(picture, dpr));
    all.emplace_back("end-game", artwork::EndGameButton(dpr));
    all.emplace_back("cursor", artwork::HandCursor().pixmap());
    for (int side : {16, 24, 32, 48, 64, 128})
        all.emplace_back(QString("icon-%1").arg(side), artwork::AppIcon().pixmap(side, side));
    for (int picture = 1; picture <= 6; ++picture)
        all.emplace_back(QString("chart-left-%1").arg(picture), artwork::ChartLeft(picture, dpr));
    for (int picture = 1; picture <= 6; ++picture)
        all.emplace_back(QString("chart-right-%1").arg(picture), artwork::ChartRight(picture, dpr));
    for (int picture = 1; picture <= 13; ++picture)
        all.emplace_back(QString("caption-%1").arg(picture), artwork::Caption(picture, dpr));
    all.emplace_back("backdrop", artwork::Backdrop(dpr));
    all.emplace_back("exit", artwork::ExitPicture(dpr));
    return all;
}

// A new row starts where the kind of picture changes (the name up to its last dash).
QString Kind(const QString& name) {
    return name.left(name.lastIndexOf('-'));
}

void PaintSheet(QPainter& p, qreal dpr) {
    Shelf shelf(p);
    QString kind;
    for (const auto& [name, picture] : AllPictures(dpr)) {
        const bool newKind = Kind(name) != kind;
        if (newKind && (name.startsWith("card-") || name.startsWith("chart-"))) shelf.NewRow();
        if (name == "caption-1" || name == "backdrop") shelf.NewRow();
        kind = Kind(name);
        shelf.Put(picture);
    }
}

// The pictures where the main window puts them, to judge them together at the window's size.
void PaintTablePreview(QPainter& p, qreal dpr) {
    p.drawPixmap(QRectF(-200 / 15.0, 0, 9975 / 15.0, 7695 / 15.0), artwork::Backdrop(dpr),
                 QRectF(0, 0, 800 * dpr, 600 * dpr));
    p.drawPixmap(QPointF(64, 176), artwork::ChartLeft(4, dpr));
    p.drawPixmap(QPointF(392, 176), artwork::ChartRight(1, dpr));
    p.drawPixmap(QPointF(283, 200), artwork::OtherPicture(3, dpr));
    p.drawPixmap(QPointF(104, 282), artwork::Caption(10, dpr));
    const int columns[] = {56, 168, 280, 392, 504};
    for (int i = 0; i < 5; ++i) {
        if (i == 4)
            p.drawPixmap(QRectF(columns[i] - 2.6, 320, 80, 107), artwork::CardBack(dpr),
                         QRectF(0, 0, 80 * dpr, 108 * dpr));
        else
            p.drawPixmap(QPointF(columns[i], 320), artwork::CardFace(i, i == 0 ? 2 : 10 + i, dpr));
        p.drawPixmap(QPointF(columns[i] + 3, 442), artwork::OtherPicture(i == 1 ? 7 : 5, dpr));
    }
    p.setPen(QColor(255, 224, 192));
    p.setFont(fonts::Aardvark(15.75));
    p.drawText(QRectF(168, 476, 321, 41), Qt::AlignCenter, "Default Player");
    p.setFont(fonts::Aardvark(14.25));
    p.drawText(QRectF(568, 480, 70, 25), Qt::AlignRight | Qt::AlignVCenter, "200");
}

bool WriteTablePreview(const QString& path) {
    QImage table(646 * 2, 513 * 2, QImage::Format_RGB32);
    table.setDevicePixelRatio(2);
    QPainter p(&table);
    p.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    PaintTablePreview(p, 2);
    p.end();
    return table.save(path);
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

// The courts by rank (rows J, Q, K) and suit (columns S D C H), each pixel of the pictures one
// pixel of the sheet, so the 1x ones look as they do at the table.
bool WriteCourtSheet(const QString& path) {
    constexpr int kCell = 8;
    const QSize card(77, 108);
    QImage sheet(kCell + 4 * (card.width() + kCell) + 4 * (2 * card.width() + kCell),
                 kCell + 3 * (2 * card.height() + kCell), QImage::Format_RGB32);
    sheet.fill(QColor(22, 96, 52));
    QPainter p(&sheet);
    for (int value = 11; value <= 13; ++value) {
        const int row = value - 11;
        for (int suit = 0; suit < 4; ++suit) {
            QPixmap plain = artwork::CardFace(suit, value, 1);
            p.drawPixmap(kCell + suit * (card.width() + kCell),
                         kCell + row * (card.height() + kCell), plain);
            QPixmap sharp = artwork::CardFace(suit, value, 2);
            sharp.setDevicePixelRatio(1);
            p.drawPixmap(kCell + 4 * (card.width() + kCell) + suit * (2 * card.width() + kCell),
                         kCell + row * (2 * card.height() + kCell), sharp);
        }
    }
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
    if (!WriteTablePreview(folder.filePath("table-preview.png"))) return 1;
    if (!WriteCourtSheet(folder.filePath("court-cards.png"))) return 1;
    if (argc > 2 && QString(argv[2]) == "--pictures") {
        for (const auto& [name, picture] : AllPictures(4)) {
            // The cursor and the icons have fixed pixels: enlarge them without smoothing.
            const QPixmap large = picture.devicePixelRatio() < 4
                                      ? picture.scaled(picture.size() * 4, Qt::KeepAspectRatio,
                                                       Qt::FastTransformation)
                                      : picture;
            if (!large.save(folder.filePath(name + ".png"))) return 1;
        }
        std::printf("Wrote every picture at 4x\n");
    }
    return 0;
}
