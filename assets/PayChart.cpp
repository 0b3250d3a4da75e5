// The two halves of the pay chart: five rows of hand and pay on a grey panel, one row lit.
#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "assets/Painting.h"

#include <array>

namespace artwork {
namespace {

constexpr int kWidth = 180;
constexpr int kHeight = 100;
constexpr int kRowHeight = kHeight / 5;  // row i fills y 20i .. 20i + 20, lit or not

struct PayRow {
    const char* hand;
    const char* pay;
};
using ChartRows = std::array<PayRow, 5>;

constexpr ChartRows kLeftRows = {{{"Royal Flush", "3000"},
                                  {"4 Deuces", "1000"},
                                  {"Royal Flush w/2's", "125"},
                                  {"5 of a Kind", "80"},
                                  {"Straight Flush", "50"}}};
constexpr ChartRows kRightRows = {{{"4 of a Kind", "20"},
                                   {"Full House", "20"},
                                   {"Flush", "15"},
                                   {"Straight", "10"},
                                   {"3 of a Kind", "5"}}};

QRectF RowBand(int row) {
    return QRectF(0, row * kRowHeight, kWidth, kRowHeight);
}

void PaintPanel(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(0, kHeight, QColor(112, 114, 122), QColor(72, 74, 82)));
    p.drawRect(QRectF(0, 0, kWidth, kHeight));
    // A bevelled rim: light top-left, dark bottom-right.
    p.setPen(QPen(QColor(170, 172, 180), 1));
    p.drawLine(QPointF(0.5, 0.5), QPointF(kWidth - 0.5, 0.5));
    p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, kHeight - 0.5));
    p.setPen(QPen(QColor(36, 36, 42), 1));
    p.drawLine(QPointF(0.5, kHeight - 0.5), QPointF(kWidth - 0.5, kHeight - 0.5));
    p.drawLine(QPointF(kWidth - 0.5, 0.5), QPointF(kWidth - 0.5, kHeight - 0.5));
    p.setPen(QPen(QColor(92, 94, 102), 1, Qt::DotLine));
    for (int row = 1; row < 5; ++row)
        p.drawLine(QPointF(6, row * kRowHeight + 0.5), QPointF(kWidth - 6, row * kRowHeight + 0.5));
}

void PaintLitBar(QPainter& p, int row) {
    const QRectF bar = RowBand(row).adjusted(2, 1.5, -2, -1.5);
    p.setPen(QPen(QColor(255, 150, 130), 1));
    p.setBrush(Vertical(bar.top(), bar.bottom(), QColor(240, 40, 30), QColor(150, 0, 0)));
    p.drawRoundedRect(bar, 3, 3);
}

void PaintRow(QPainter& p, const PayRow& row, int index, bool lit) {
    const QRectF text = RowBand(index).adjusted(7, 0, -7, 0);
    const QFont font = FitFont(fonts::Aardvark(9), row.hand, text.width() - 36);
    const QColor yellow = lit ? QColor(255, 255, 150) : QColor(255, 222, 40);
    const TextStyle style{yellow, QColor(40, 20, 0, 160), 0.7};
    DrawLettering(p, TextPath(row.hand, font, text, Qt::AlignLeft | Qt::AlignVCenter), style);
    DrawLettering(p, TextPath(row.pay, font, text, Qt::AlignRight | Qt::AlignVCenter), style);
}

// picture 1 lights no row; 2..6 light the rows from the bottom up.
QPixmap Chart(const ChartRows& rows, const char* list, int picture, qreal dpr) {
    CheckPicture(list, picture, 6);
    const int litRow = picture == 1 ? -1 : 6 - picture;
    Canvas canvas(kWidth, kHeight, dpr);
    QPainter& p = canvas.painter();
    PaintPanel(p);
    if (litRow >= 0) PaintLitBar(p, litRow);
    for (int i = 0; i < 5; ++i) PaintRow(p, rows[i], i, i == litRow);
    return canvas.Finish();
}

}  // namespace

QPixmap ChartLeft(int picture, qreal dpr) {
    return Chart(kLeftRows, "ChartLeft", picture, dpr);
}
QPixmap ChartRight(int picture, qreal dpr) {
    return Chart(kRightRows, "ChartRight", picture, dpr);
}

}  // namespace artwork
