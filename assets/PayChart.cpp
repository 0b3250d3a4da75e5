// The two halves of the pay chart, lettered like a machine's pay glass: bold yellow hands and
// large figures on deep blue in a gold frame, the winning row on a glowing red bar.
#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "assets/Painting.h"

#include <algorithm>
#include <array>

namespace artwork {
namespace {

constexpr int kPayChartWidth = 180;
constexpr int kPayChartHeight = 100;
constexpr int kRowHeight = kPayChartHeight / 5;  // row i fills y 20i .. 20i + 20, lit or not
constexpr qreal kPayColumn = 48;  // the figures stand right-aligned in the last 48 pixels
constexpr qreal kMargin = 6;

using ChartRows = std::array<const char*, 5>;

constexpr ChartRows kLeftRows = {
    {"Royal Flush", "4 Deuces", "Royal Flush w/2's", "5 of a Kind", "Straight Flush"}};
constexpr ChartRows kRightRows = {
    {"4 of a Kind", "Full House", "Flush", "Straight", "3 of a Kind"}};
constexpr ChartPays kLeftPays = {3000, 1000, 125, 80, 50};
constexpr ChartPays kRightPays = {20, 20, 15, 10, 5};

const QColor kChartGold(230, 182, 60);
const QColor kNavy(0, 10, 60);

QRectF RowBand(int row) {
    return QRectF(0, row * kRowHeight, kPayChartWidth, kRowHeight);
}
QRectF HandBox(int row) {
    return RowBand(row).adjusted(kMargin, 0, -kPayColumn, 0);
}
QRectF PayBox(int row) {
    return RowBand(row).adjusted(kPayChartWidth - kPayColumn, 0, -kMargin, 0);
}

// One size for every hand of a half, the largest at which the longest still fits.
QFont HandFont(const ChartRows& rows) {
    QFont font = fonts::Arial(10.5, true);
    for (const char* hand : rows) font = FitFont(font, hand, HandBox(0).width() - 2);
    return font;
}

void PaintPanel(QPainter& p) {
    const QRectF frame(0.5, 0.5, kPayChartWidth - 1, kPayChartHeight - 1);
    p.setPen(QPen(QColor(70, 44, 6), 1));
    p.setBrush(Vertical(0, kPayChartHeight, QColor(255, 226, 120), QColor(170, 118, 20)));
    p.drawRect(frame);
    const QRectF glass = frame.adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(60, 36, 0), 1));
    p.setBrush(Vertical(glass.top(), glass.bottom(), QColor(18, 52, 196), QColor(4, 18, 112)));
    p.drawRect(glass);
    // Thin rules between the rows and before the column of figures, as on the machines.
    p.setPen(QPen(QColor(90, 130, 255, 110), 1));
    for (int row = 1; row < 5; ++row)
        p.drawLine(QPointF(glass.left() + 1, row * kRowHeight + 0.5),
                   QPointF(glass.right() - 1, row * kRowHeight + 0.5));
    const qreal column = kPayChartWidth - kPayColumn - 1.5;
    p.drawLine(QPointF(column, glass.top() + 1), QPointF(column, glass.bottom() - 1));
}

void PaintLitBar(QPainter& p, int row) {
    const QRectF bar = RowBand(row).adjusted(2, 0.5, -2, -0.5);
    p.setPen(QPen(QColor(255, 236, 120), 1));
    QLinearGradient red = Vertical(bar.top(), bar.bottom(), QColor(255, 96, 70), QColor(170, 0, 0));
    red.setColorAt(0.45, QColor(236, 20, 12));
    p.setBrush(red);
    p.drawRect(bar.adjusted(0.5, 0.5, -0.5, -0.5));
    DrawGloss(p, bar, 1, 90);
}

// One size for the figures of a half: the game's own "3000" sets it, and wider figures (up to
// five digits) shrink it until they fit.
QFont PayFont(const ChartPays& pays) {
    QFont font = FitFont(fonts::Arial(12.5, true), "3000", PayBox(0).width() - 3);
    for (const int pay : pays) font = FitFont(font, QString::number(pay), PayBox(0).width() - 3);
    return font;
}

void PaintRow(QPainter& p, const char* hand, const QString& pay, int index, const QFont& handFont,
              const QFont& payFont, bool lit) {
    const QColor ink = lit ? QColor(255, 255, 255) : QColor(255, 228, 0);
    const QColor edge = lit ? QColor(100, 0, 0) : kNavy;
    const TextStyle style{ink, edge, 1.1, QPointF(0.8, 1), QColor(0, 0, 0, lit ? 120 : 160)};
    DrawLettering(p, TextPath(hand, handFont, HandBox(index), Qt::AlignLeft | Qt::AlignVCenter),
                  style);
    DrawLettering(p, TextPath(pay, payFont, PayBox(index), Qt::AlignRight | Qt::AlignVCenter),
                  style);
}

// picture 1 lights no row; 2..6 light the rows from the bottom up.
QPixmap Chart(const ChartRows& rows, const ChartPays& pays, const char* list, int picture,
              qreal dpr) {
    CheckPicture(list, picture, 6);
    const int litRow = picture == 1 ? -1 : 6 - picture;
    Canvas canvas(kPayChartWidth, kPayChartHeight, dpr);
    QPainter& p = canvas.painter();
    PaintPanel(p);
    if (litRow >= 0) PaintLitBar(p, litRow);
    const QFont handFont = HandFont(rows);
    const QFont payFont = PayFont(pays);
    for (int i = 0; i < 5; ++i)
        PaintRow(p, rows[i], QString::number(pays[i]), i, handFont, payFont, i == litRow);
    return canvas.Finish();
}

}  // namespace

QPixmap ChartLeft(int picture, qreal dpr) {
    return Chart(kLeftRows, kLeftPays, "ChartLeft", picture, dpr);
}
QPixmap ChartRight(int picture, qreal dpr) {
    return Chart(kRightRows, kRightPays, "ChartRight", picture, dpr);
}
QPixmap ChartLeft(int picture, qreal dpr, const ChartPays& pays) {
    return Chart(kLeftRows, pays, "ChartLeft", picture, dpr);
}
QPixmap ChartRight(int picture, qreal dpr, const ChartPays& pays) {
    return Chart(kRightRows, pays, "ChartRight", picture, dpr);
}

}  // namespace artwork
