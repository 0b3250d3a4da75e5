// The pictures: their sizes at every ratio, the lit chart rows, the card faces, the cursor.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "assets/Artwork.h"

namespace {

using Painter = std::function<QPixmap(qreal)>;

// Every picture by name, with the logical size the table lays it out at.
std::vector<std::tuple<std::string, Painter, QSize>> EveryPicture() {
    std::vector<std::tuple<std::string, Painter, QSize>> all;
    const auto add = [&](std::string name, Painter paint, QSize size) {
        all.emplace_back(std::move(name), std::move(paint), size);
    };
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 1; value <= 13; ++value)
            add("card " + std::to_string(suit) + "/" + std::to_string(value),
                [=](qreal dpr) { return artwork::CardFace(suit, value, dpr); }, {77, 108});
    for (int n = 1; n <= 6; ++n) {
        add("chart left " + std::to_string(n), [=](qreal d) { return artwork::ChartLeft(n, d); },
            {180, 100});
        add("chart right " + std::to_string(n), [=](qreal d) { return artwork::ChartRight(n, d); },
            {180, 100});
    }
    for (int n = 1; n <= 13; ++n)
        add("caption " + std::to_string(n), [=](qreal d) { return artwork::Caption(n, d); },
            {420, 40});
    const QSize others[] = {{128, 93}, {74, 68}, {74, 68}, {105, 62}, {70, 21}, {70, 21}, {70, 21}};
    for (int n = 1; n <= 7; ++n)
        add(
            "other " + std::to_string(n), [=](qreal d) { return artwork::OtherPicture(n, d); },
            others[n - 1]);
    add("card back", artwork::CardBack, {80, 108});
    add("end game", artwork::EndGameButton, {99, 20});
    add("backdrop", artwork::Backdrop, {800, 600});
    add("logo", artwork::Logo, {94, 55});
    add("lettering", artwork::Lettering, {150, 59});
    add("exit", artwork::ExitPicture, {400, 300});
    return all;
}

// How many pixels of `region` (the whole image when it is empty) pass `test(x, y)`.
int CountPixels(const QImage& image, const std::function<bool(int, int)>& test, QRect region = {}) {
    if (region.isNull()) region = image.rect();
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) count += test(x, y);
    return count;
}

TEST(Pictures, HaveTheirStatedSizesAndContentAtEveryRatio) {
    for (const auto& [name, paint, size] : EveryPicture()) {
        for (qreal dpr : {1.0, 2.0}) {
            SCOPED_TRACE(name + " at " + std::to_string(dpr));
            const QPixmap picture = paint(dpr);
            EXPECT_EQ(picture.deviceIndependentSize().toSize(), size);
            EXPECT_EQ(picture.size(), size * dpr);
            const QImage image = picture.toImage();
            EXPECT_GT(CountPixels(image, [&](int x, int y) { return qAlpha(image.pixel(x, y)); }),
                      0);
        }
    }
    for (const auto& refused :
         std::vector<Painter>{[](qreal d) { return artwork::Caption(0, d); },
                              [](qreal d) { return artwork::Caption(14, d); },
                              [](qreal d) { return artwork::ChartLeft(7, d); },
                              [](qreal d) { return artwork::ChartRight(0, d); },
                              [](qreal d) { return artwork::OtherPicture(8, d); },
                              [](qreal d) { return artwork::CardFace(4, 1, d); },
                              [](qreal d) { return artwork::CardFace(0, 14, d); }})
        EXPECT_THROW(refused(1), std::out_of_range);
}

// Mean brightness (0..255) of a region given in logical pixels.
double Brightness(const QImage& image, const QRectF& region) {
    const qreal dpr = image.devicePixelRatio();
    double sum = 0;
    int count = 0;
    for (int y = region.top() * dpr; y < region.bottom() * dpr; ++y)
        for (int x = region.left() * dpr; x < region.right() * dpr; ++x, ++count)
            sum += qGray(image.pixel(x, y));
    return sum / count;
}

// A sharper picture must still be the same picture: shrunk back, it matches the plain one.
TEST(Pictures, AtDoubleRatioShowTheSameDrawing) {
    for (auto paint : {+[](qreal dpr) { return artwork::CardFace(3, 12, dpr); },
                       +[](qreal dpr) { return artwork::Caption(5, dpr); },
                       +[](qreal dpr) { return artwork::ExitPicture(dpr); }}) {
        const QImage plain = paint(1).toImage();
        const QImage shrunk = paint(2).toImage().scaled(plain.size(), Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation);
        double difference = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                difference += std::abs(qGray(plain.pixel(x, y)) - qGray(shrunk.pixel(x, y)));
        EXPECT_LT(difference / (plain.width() * plain.height()), 12);
    }
}

// The player's name and the credits are written in light orange straight on the backdrop;
// the window shows the backdrop 665 x 513 pixels large, 13 pixels left of its edge.
TEST(Backdrop, StaysDarkWhereTheLightTextStands) {
    const QImage backdrop = artwork::Backdrop(1).toImage();
    const auto fromWindow = [](qreal left, qreal top, qreal right, qreal bottom) {
        const qreal sx = 800 / 665.0, sy = 600 / 513.0;
        return QRectF(QPointF((left + 13.3) * sx, top * sy),
                      QPointF((right + 13.3) * sx, bottom * sy));
    };
    EXPECT_LT(Brightness(backdrop, fromWindow(168, 476, 489, 512)), 60);  // the name
    EXPECT_LT(Brightness(backdrop, fromWindow(568, 480, 638, 505)), 60);  // the credits
    EXPECT_EQ(backdrop, artwork::Backdrop(1).toImage());                  // the same every run
}

// Relative luminance (0..1) of a colour on screen, as contrast guidelines measure it.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

TEST(HoldPictures, AreDarkUntilPressedAndThenBrightRed) {
    const QImage off = artwork::OtherPicture(5, 1).toImage();
    const QImage lit = artwork::OtherPicture(7, 1).toImage();
    EXPECT_EQ(off, artwork::OtherPicture(6, 1).toImage());  // the disabled picture looks unlit
    const QRectF lamp(0, 0, 70, 21);
    EXPECT_GT(Brightness(lit, lamp), Brightness(off, lamp) + 40);
    const QColor middle = lit.pixelColor(6, 14);
    EXPECT_GT(middle.red(), 200);
    EXPECT_LT(middle.green(), 80);

    // Unlit, the word still reads: its lettering against the lens beside it has at least the
    // contrast that guidelines ask of small text (7 : 1).
    double ink = 0;
    for (int y = 4; y < 17; ++y)
        for (int x = 12; x < 58; ++x) ink = std::max(ink, Luminance(off.pixelColor(x, y)));
    const double lens = Luminance(off.pixelColor(5, 11));
    EXPECT_GT((ink + 0.05) / (lens + 0.05), 7);
}

// Another table's pays change the figures only: the hands' column stays as it is, and the game's
// own pays paint the game's chart exactly.
TEST(PayChart, AnotherTablesPaysChangeOnlyTheFigures) {
    const QImage game = artwork::ChartLeft(3, 1.0).toImage();
    EXPECT_EQ(artwork::ChartLeft(3, 1.0, {3000, 1000, 125, 80, 50}).toImage(), game);
    const QImage practice = artwork::ChartLeft(3, 1.0, {20000, 1000, 125, 75, 45}).toImage();
    const auto changed = [&](int x, int y) { return practice.pixel(x, y) != game.pixel(x, y); };
    const QRect figures(180 - 50, 0, 50, 100);
    EXPECT_GT(CountPixels(practice, changed, figures), 50);
    EXPECT_EQ(CountPixels(practice, changed), CountPixels(practice, changed, figures));
}

// Picture n (2..6) lights row 6 - n, counting from the top; nothing outside it may change.
TEST(PayChart, ALitRowChangesOnlyItsOwnBand) {
    using Half = QPixmap (*)(int, qreal);
    for (Half chart : {Half(&artwork::ChartLeft), Half(&artwork::ChartRight)}) {
        for (qreal dpr : {1.0, 2.0}) {
            const QImage unlit = chart(1, dpr).toImage();
            for (int picture = 2; picture <= 6; ++picture) {
                SCOPED_TRACE("picture " + std::to_string(picture));
                const QImage lit = chart(picture, dpr).toImage();
                const QRect band(0, (6 - picture) * 20 * dpr, lit.width(), 20 * dpr);
                const auto changed = [&](int x, int y) {
                    return lit.pixel(x, y) != unlit.pixel(x, y);
                };
                EXPECT_GT(CountPixels(lit, changed, band), 180 * dpr * 10);  // a bar, not a speck
                EXPECT_EQ(CountPixels(lit, changed), CountPixels(lit, changed, band));
                // Unmistakable: the lit row's colour is far from the unlit row's, on average.
                double difference = 0;
                CountPixels(
                    lit,
                    [&](int x, int y) {
                        const QColor a = lit.pixelColor(x, y), b = unlit.pixelColor(x, y);
                        difference += std::abs(a.red() - b.red()) +
                                      std::abs(a.green() - b.green()) +
                                      std::abs(a.blue() - b.blue());
                        return false;
                    },
                    band);
                EXPECT_GT(difference / (band.width() * band.height()), 200);
            }
        }
    }
}

TEST(CardFaces, AreDistinctWhiteAndInTheirSuitsColour) {
    std::set<QByteArray> seen;
    for (int suit = 0; suit < 4; ++suit) {
        for (int value = 1; value <= 13; ++value) {
            SCOPED_TRACE("suit " + std::to_string(suit) + " value " + std::to_string(value));
            const QImage face = artwork::CardFace(suit, value, 1).toImage();
            EXPECT_TRUE(
                seen.emplace(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes())
                    .second);
            // The held tint shows on white: the margin beside the pips is plain white.
            EXPECT_EQ(face.pixelColor(10, 54), QColor(Qt::white));
            const auto red = [&](int x, int y) {
                const QColor c = face.pixelColor(x, y);
                return c.red() > 150 && c.green() < 80 && c.blue() < 80;
            };
            const bool numbered = value >= 2 && value <= 10;
            EXPECT_EQ(numbered && CountPixels(face, red) > 0, numbered && suit % 2 == 1);
        }
    }
}

// Counts the separate marks of ink in a region (4-connected dark or red pixels).
int CountMarks(const QImage& image, const QRect& region) {
    const auto ink = [&](QPoint at) {
        const QColor c = image.pixelColor(at);
        return region.contains(at) && (qGray(c.rgb()) < 110 || (c.red() > 150 && c.green() < 90));
    };
    std::set<std::pair<int, int>> seen;
    int marks = 0;
    CountPixels(
        image,
        [&](int x, int y) {
            if (seen.count({x, y}) || !ink({x, y})) return false;
            ++marks;
            std::vector<QPoint> todo{{x, y}};
            seen.insert({x, y});
            while (!todo.empty()) {
                const QPoint at = todo.back();
                todo.pop_back();
                for (QPoint next :
                     {at + QPoint(1, 0), at - QPoint(1, 0), at + QPoint(0, 1), at - QPoint(0, 1)})
                    if (ink(next) && seen.insert({next.x(), next.y()}).second) todo.push_back(next);
            }
            return true;
        },
        region);
    return marks;
}

TEST(CardFaces, NumberCardsShowAsManyPipsAsTheirValue) {
    const QRect pipArea(17, 4, 43, 100);  // between the two corner indices
    // A deuce's wild mark crosses the middle; its two pips stand above and below it.
    const QRect aboveMark(17, 4, 43, 36), belowMark(17, 70, 43, 34);
    const auto atDouble = [](const QRect& r) { return QRect(r.topLeft() * 2, r.size() * 2); };
    for (int suit = 0; suit < 4; ++suit) {
        for (int value = 2; value <= 10; ++value) {
            SCOPED_TRACE("suit " + std::to_string(suit) + " value " + std::to_string(value));
            const QImage face = artwork::CardFace(suit, value, 2).toImage();
            const int pips = value == 2 ? CountMarks(face, atDouble(aboveMark)) +
                                              CountMarks(face, atDouble(belowMark))
                                        : CountMarks(face, atDouble(pipArea));
            EXPECT_EQ(pips, value);
        }
    }
}

// Rows of the region crossed by an unbroken run of gold (not the red of the suits nor its soft
// edge on white) at least `run` pixels long.
int GoldBandRows(const QImage& image, const QRect& region, int run) {
    int rows = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        int length = 0, longest = 0;
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool gold = c.red() > 170 && c.green() > 0.55 * c.red() &&
                              c.green() < 0.95 * c.red() && c.blue() < 0.6 * c.green();
            length = gold ? length + 1 : 0;
            longest = std::max(longest, length);
        }
        rows += longest >= run;
    }
    return rows;
}

// Deuces are wild: every deuce, and no other card, carries a broad gold band across its
// middle, and the band leaves the corner indices clear.
TEST(CardFaces, EveryDeuceAndNoOtherCardCarriesTheWildMark) {
    const QRect middle(12, 36, 53, 36), topIndex(0, 0, 18, 33), bottomIndex(59, 75, 18, 33);
    for (int suit = 0; suit < 4; ++suit) {
        for (int value = 1; value <= 13; ++value) {
            SCOPED_TRACE("suit " + std::to_string(suit) + " value " + std::to_string(value));
            const QImage face = artwork::CardFace(suit, value, 1).toImage();
            const int bandRows = GoldBandRows(face, middle, 30);
            if (value == 2) {
                EXPECT_GE(bandRows, 3);
                EXPECT_EQ(GoldBandRows(face, topIndex, 1) + GoldBandRows(face, bottomIndex, 1), 0);
            } else {
                EXPECT_LT(bandRows, 3);  // a court's middle rule is a thin line
            }
        }
    }
}

// Real cards read the same either way up: the corner indices, the pips below the middle and
// the lower half of a court are turned half round. (Pips on the middle line stay upright, as do
// the ace's one pip and the deuce's wild mark.)
TEST(CardFaces, CardsWithoutAMiddlePipLookTheSameUpsideDown) {
    for (int suit = 0; suit < 4; ++suit) {
        for (int value : {4, 10, 11, 12, 13}) {
            SCOPED_TRACE("suit " + std::to_string(suit) + " value " + std::to_string(value));
            const QImage face = artwork::CardFace(suit, value, 1).toImage();
            const QImage turned = face.mirrored(true, true);
            EXPECT_LT(CountPixels(face,
                                  [&](int x, int y) {
                                      return std::abs(qGray(face.pixel(x, y)) -
                                                      qGray(turned.pixel(x, y))) > 40;
                                  }),
                      8);
        }
    }
}

// Whether a pixel is the ink of an index: dark, or the suits' red (not its soft edge on white).
bool IsInk(const QColor& c) {
    return c.alpha() > 200 && (qGray(c.rgb()) < 110 || (c.red() > 150 && c.green() < 90));
}

// The heights of the bands of rows of `region` that hold ink, top to bottom.
std::vector<int> InkBands(const QImage& image, const QRect& region) {
    std::vector<int> bands;
    int height = 0;
    for (int y = region.top(); y <= region.bottom() + 1; ++y) {
        bool inked = false;
        for (int x = region.left(); x <= region.right() && y <= region.bottom(); ++x)
            inked = inked || IsInk(image.pixelColor(x, y));
        if (inked) ++height;
        if (!inked && height > 0) bands.push_back(std::exchange(height, 0));
    }
    return bands;
}

// At the table's size (1x) the corner reads: rank over suit, each at least 12 pixels tall,
// in both corners alike.
TEST(CardFaces, CornerIndicesAreLargeEnoughToReadAtTableSize) {
    const QRect corner(0, 0, 17, 38);
    for (int suit = 0; suit < 4; ++suit) {
        for (int value = 1; value <= 13; ++value) {
            SCOPED_TRACE("suit " + std::to_string(suit) + " value " + std::to_string(value));
            const QImage face = artwork::CardFace(suit, value, 1).toImage();
            for (const QImage& side : {face, face.mirrored(true, true)}) {
                const std::vector<int> bands = InkBands(side, corner);
                ASSERT_EQ(bands.size(), 2u);
                EXPECT_GE(bands[0], 12);
                EXPECT_GE(bands[1], 12);
            }
        }
    }
}

// Each court is its own figure: any two of the twelve differ clearly in at least a sixth or so
// of the figure itself, leaving out the corner indices and the small rank and suit in the frame.
TEST(CardFaces, EveryTwoCourtsDifferInTheirFigures) {
    const QRect panel(18, 12, 41, 84);
    const QRect letters(18, 12, 13, 25), turnedLetters(46, 71, 13, 25);
    std::vector<std::pair<std::string, QImage>> courts;
    for (int value = 11; value <= 13; ++value)
        for (int suit = 0; suit < 4; ++suit)
            courts.emplace_back(std::string(1, "JQK"[value - 11]) + "SDCH"[suit],
                                artwork::CardFace(suit, value, 1).toImage());
    const int figurePixels =
        panel.width() * panel.height() - 2 * letters.width() * letters.height();
    for (size_t a = 0; a < courts.size(); ++a) {
        for (size_t b = a + 1; b < courts.size(); ++b) {
            SCOPED_TRACE(courts[a].first + " and " + courts[b].first);
            const QImage &one = courts[a].second, &other = courts[b].second;
            const int differing = CountPixels(
                one,
                [&](int x, int y) {
                    if (letters.contains(x, y) || turnedLetters.contains(x, y)) return false;
                    const QColor c = one.pixelColor(x, y), d = other.pixelColor(x, y);
                    return std::abs(c.red() - d.red()) + std::abs(c.green() - d.green()) +
                               std::abs(c.blue() - d.blue()) >
                           90;
                },
                panel);
            const double share = double(differing) / figurePixels;
            EXPECT_GT(share, 0.15);
        }
    }
}

TEST(Captions, AreThirteenDifferentLines) {
    std::set<QByteArray> seen;
    for (int picture = 1; picture <= 13; ++picture) {
        const QImage caption = artwork::Caption(picture, 1).toImage();
        seen.emplace(reinterpret_cast<const char*>(caption.constBits()), caption.sizeInBytes());
    }
    EXPECT_EQ(seen.size(), 13u);
}

TEST(HandCursor, PointsWithTheFingertipAtItsHotSpot) {
    const QCursor cursor = artwork::HandCursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(6, 0));
    const QImage hand = cursor.pixmap().toImage();
    EXPECT_EQ(hand.size(), QSize(32, 32));
    EXPECT_GT(qAlpha(hand.pixel(6, 2)), 0);  // the fingertip is right under the hot spot
    EXPECT_EQ(qAlpha(hand.pixel(30, 2)), 0);
}

TEST(AppIcon, OffersEverySizeFromSmallToLarge) {
    const QList<QSize> sizes = artwork::AppIcon().availableSizes();
    for (int side : {16, 24, 32, 48, 64, 128, 256}) EXPECT_TRUE(sizes.contains(QSize(side, side)));
}

}  // namespace
