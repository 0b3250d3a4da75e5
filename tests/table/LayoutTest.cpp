// The table's layout as rules any design must keep: what may stack, the five columns, the caption
// strip's place, everything on the client area, and the walk by Tab.
#include <QApplication>

#include "tests/support/LabelInk.h"
#include "tests/table/TableFixture.h"

namespace {

// The design lets neighbours touch by up to two pixels: the caption strip meets the cards' top.
constexpr int kTouch = 2;
// A hold button is narrower than its card and starts at the card's left edge, and each card back
// starts a little left of its card, so a column's centres lie a few pixels apart.
constexpr double kSameColumn = 4.0;

std::string Describe(const QWidget* w) {
    const QRect g = w->geometry();
    return std::string(w->metaObject()->className()) + " at " + std::to_string(g.x()) + "," +
           std::to_string(g.y()) + " " + std::to_string(g.width()) + "x" +
           std::to_string(g.height());
}

std::vector<std::string> Describe(const std::vector<QWidget*>& widgets) {
    std::vector<std::string> described;
    for (const QWidget* w : widgets) described.push_back(Describe(w));
    return described;
}

double CentreX(const QWidget* w) {
    return w->x() + w->width() / 2.0;
}

class LayoutRules : public TableFixture {
protected:
    // The table in the middle of a hand: cards shown over their backs, hold buttons enabled.
    void OpenWithCardsDealt() {
        Open();
        deck.Queue("3c 5d 7h 9s Jc As Kd Qs 8h Ts");
        ClickDeal();
    }

    std::vector<QWidget*> VisibleControls() const {
        std::vector<QWidget*> shown;
        for (QWidget* w :
             window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible()) shown.push_back(w);
        return shown;
    }

    // The stacks the design intends: the backdrop under everything, each card over its back.
    bool DesignedStack(const QWidget* a, const QWidget* b) const {
        if (a == c().Image1 || b == c().Image1) return true;
        for (std::size_t i = 0; i < 5; ++i) {
            const QWidget* back = c().imgHeld[i];
            const QWidget* card = c().pHand[i];
            if ((a == back && b == card) || (a == card && b == back)) return true;
        }
        return false;
    }
};

TEST_F(LayoutRules, NoTwoControlsOverlapExceptWhereTheDesignStacksThem) {
    OpenWithCardsDealt();
    const std::vector<QWidget*> shown = VisibleControls();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            if (DesignedStack(shown[i], shown[j])) continue;
            const QRect both = shown[i]->geometry() & shown[j]->geometry();
            EXPECT_TRUE(both.width() <= kTouch || both.height() <= kTouch)
                << Describe(shown[i]) << " overlaps " << Describe(shown[j]);
        }
    }
    // The stacks go the designed way round.
    const QObjectList& stack = window->centralWidget()->children();
    EXPECT_EQ(stack.first(), c().Image1);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_LT(stack.indexOf(c().imgHeld[i]), stack.indexOf(c().pHand[i])) << "column " << i;
}

TEST_F(LayoutRules, CardBackAndHoldButtonShareTheirCardsColumnAndTheColumnsAreEven) {
    Open();
    const double pitch = CentreX(c().pHand[1]) - CentreX(c().pHand[0]);
    EXPECT_GT(pitch, c().pHand[0]->width());  // left to right, side by side
    for (std::size_t i = 0; i < 5; ++i) {
        const QWidget* card = c().pHand[i];
        EXPECT_NEAR(CentreX(c().imgHeld[i]), CentreX(card), kSameColumn) << "back " << i;
        EXPECT_NEAR(CentreX(c().chkHold[i]), CentreX(card), kSameColumn) << "hold " << i;
        EXPECT_EQ(c().imgHeld[i]->y(), card->y()) << "back " << i;
        EXPECT_GE(c().chkHold[i]->y(), card->geometry().bottom()) << "hold " << i;
        if (i > 0) {
            EXPECT_NEAR(CentreX(card) - CentreX(c().pHand[i - 1]), pitch, 1.0) << "column " << i;
        }
    }
}

TEST_F(LayoutRules, TheCaptionStripLiesBetweenThePayChartAndTheCards) {
    Open();
    const QRect strip = c().ImgCaption->geometry();
    const int chartBottom =
        std::max(c().pchartleft->geometry().bottom(), c().pchartright->geometry().bottom());
    EXPECT_GT(strip.top(), chartBottom);
    EXPECT_LE(strip.bottom() - kTouch, c().pHand[0]->y());
    EXPECT_GT(strip.left(), c().pHand[0]->x());
    EXPECT_LT(strip.right(), c().pHand[4]->geometry().right());
}

// A label's box may reach past the edge; the letters it shows may not.
TEST_F(LayoutRules, EverythingShownStandsOnTheClientAreaAndTheBackdropCoversIt) {
    OpenWithCardsDealt();
    const QRect client = window->centralWidget()->rect();
    EXPECT_TRUE(c().Image1->geometry().contains(client));
    for (QWidget* w : VisibleControls()) {
        if (w == c().Image1) continue;
        QRect used = w->geometry();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const auto [left, right] = InkColumns(*label);
            const auto [top, bottom] = InkRows(*label);
            used = QRect(QPoint(left, top), QPoint(right, bottom)).translated(w->pos());
        }
        EXPECT_TRUE(client.contains(used)) << Describe(w);
    }
}

// During a hand Tab goes round the cards, the deal button and the hold buttons, each row
// left to right, and never stops on anything the player cannot see.
TEST_F(LayoutRules, TabWalksTheCardsTheDealButtonAndTheHoldButtonsInTableOrder) {
    OpenWithCardsDealt();
    QWidget* const first = c().pHand[0];
    first->setFocus();
    std::vector<QWidget*> walk;
    do {
        walk.push_back(QApplication::focusWidget());
        EXPECT_TRUE(walk.back()->isVisible()) << Describe(walk.back());
        QTest::keyClick(walk.back(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != first && walk.size() <= 20);

    std::vector<QWidget*> expected(c().pHand.begin(), c().pHand.end());
    expected.push_back(c().cmdDeal);
    expected.insert(expected.end(), c().chkHold.begin(), c().chkHold.end());
    EXPECT_EQ(Describe(walk), Describe(expected));
}

}  // namespace
