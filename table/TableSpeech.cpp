// What a screen reader hears of the table: each control named after what it shows now.
#include "table/TableSpeech.h"

#include <QStringList>

#include "assets/PictureWords.h"
#include "controls/AccessibleTree.h"
#include "game/CardNames.h"
#include "game/ResultDisplay.h"

namespace {

// A settlement message as it is spoken: " \"Flush\"  + 15 Credits" reads "Flush + 15 Credits".
QString Spoken(std::string_view message) {
    QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    return text.remove(u'"').simplified();
}

// The category whose row `picture` of the `half` list lights; none (0) for the unlit picture.
modcards::HandCategory LitCategory(ChartHalf half, int picture) {
    for (modcards::HandCategory code = 1; code < modcards::kCategoryCount; ++code) {
        const ResultDisplay& row = ResultDisplayOf(code);
        if (row.chartHalf == half && row.chartPicture == picture) return code;
    }
    return modcards::kNoPayingHand;
}

QString DealFaceName(int picture) {
    if (picture == TableImages::kDealFace) return QStringLiteral("Deal");
    if (picture == TableImages::kDrawFace) return QStringLiteral("Draw");
    return QString();
}

void DescribeCards(const TableControls& c, const modcards::Hand& shown) {
    for (std::size_t i = 0; i < 5; ++i) {
        QString name = CardName(shown[i]);
        if (c.chkHold[i]->Value() == 1) name += QStringLiteral(", held");
        if (!c.pHand[i]->isHidden()) a11y::Rename(*c.pHand[i], name);
    }
}

}  // namespace

QString ChartName(ChartHalf half, int picture) {
    const modcards::HandCategory lit = LitCategory(half, picture);
    if (lit == modcards::kNoPayingHand) return QStringLiteral("Pay table: ") + ChartRows(half);
    return QStringLiteral("Pay table, lit: %1. %2")
        .arg(Spoken(ResultDisplayOf(lit).message), ChartRows(half));
}

QString ChartRows(ChartHalf half) {
    QStringList rows;
    for (int picture = 6; picture >= 2; --picture) {
        const modcards::HandCategory code = LitCategory(half, picture);
        if (code != modcards::kNoPayingHand) rows << Spoken(ResultDisplayOf(code).message);
    }
    return rows.join(QStringLiteral(", "));
}

void DescribeTable(const TableControls& c, const modcards::Hand& shown) {
    const QString caption = artwork::CaptionText(c.ImgCaption->Picture().number);
    a11y::Rename(*c.ImgCaption, caption);
    a11y::Rename(*c.pchartleft, ChartName(ChartHalf::Left, c.pchartleft->Picture().number));
    a11y::Rename(*c.pchartright, ChartName(ChartHalf::Right, c.pchartright->Picture().number));
    DescribeCards(c, shown);
    a11y::Rename(*c.lblCredits, QStringLiteral("Credits: ") + c.lblCredits->text());
    a11y::Rename(*c.lblPNAME, QStringLiteral("Player: ") + c.lblPNAME->text());
    // The button keeps the focus through a hand, so its description brings the caption's news.
    a11y::Redescribe(*c.cmdDeal, caption);
    a11y::Rename(*c.cmdDeal, DealFaceName(c.cmdDeal->Picture().number));
}
