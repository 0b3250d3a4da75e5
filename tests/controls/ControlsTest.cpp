// Our layer over Qt: the hold box's events, the picture box's raster pen, image lists, the focus
// ring, the name label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QTest>
#include <QTreeWidget>

#include "assets/Fonts.h"
#include "controls/FocusBack.h"
#include "controls/HoldCheckBox.h"
#include "controls/NameLabel.h"
#include "controls/PictureBox.h"
#include "controls/PictureButton.h"
#include "controls/WrappedRows.h"
#include "tests/support/LabelInk.h"

namespace {

QPixmap Filled(QSize size, QColor color) {
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

// A changed value raises Click inside the setter, the same value nothing; a user's click or a
// screen reader's toggle flips an enabled box, and a disabled one ignores clicks.
TEST(HoldBox, RaisesClickForEveryChangeAndOnlyAnEnabledBoxTakesClicks) {
    QWidget parent;
    parent.resize(100, 40);
    HoldCheckBox box(3, &parent);
    box.setGeometry(0, 0, 73, 24);
    parent.show();
    std::vector<std::pair<int, int>> events;  // (index, value seen inside the event)
    QObject::connect(&box, &HoldCheckBox::Click, [&](int index) {
        events.push_back({index, box.Value()});
    });
    using Events = decltype(events);

    box.SetValue(0);
    box.SetValue(1);
    box.SetValue(1);
    EXPECT_EQ(events, (Events{{3, 1}}));
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(box.Value(), 0);
    EXPECT_FALSE(box.isChecked());
    box.toggle();
    EXPECT_EQ(events, (Events{{3, 1}, {3, 0}, {3, 1}}));
    box.setEnabled(false);
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(box.Value(), 1);
    EXPECT_EQ(events.size(), 3u);
}

class NotXorPen : public testing::Test {
protected:
    void SetUp() override {
        box.setGeometry(0, 0, 80, 110);
        // A white card with a coloured corner, so more than one colour goes through the pen.
        list = ImageList(1, [](int, qreal) {
            QPixmap face = Filled({77, 108}, Qt::white);
            QPainter(&face).fillRect(0, 0, 20, 20, QColor(10, 200, 77));
            return face;
        });
        box.SetPicture(list, 1);
    }
    void Tint() {
        box.ForeColor = QColor(255, 255, 192);
        box.DrawMode = PenMode::NotXorPen;
        box.DrawWidth = 1425;
        box.Line(0, 0, 1425, 0);
    }
    QWidget parent;
    PictureBox box{0, &parent};
    ImageList list;
};

TEST_F(NotXorPen, OneStrokeFlipsTheSixLowBitsOfBlueOfEveryPixelAndASecondRestoresThem) {
    const QImage before = box.Canvas();
    Tint();
    const QImage tinted = box.Canvas();
    ASSERT_EQ(tinted.size(), before.size());
    EXPECT_EQ(tinted.pixelColor(40, 60), QColor(255, 255, 192));
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QRgb p = before.pixel(x, y);
            ASSERT_EQ(tinted.pixel(x, y), qRgb(qRed(p), qGreen(p), qBlue(p) ^ 0x3F))
                << "pixel " << x << "," << y;
        }
    Tint();
    EXPECT_EQ(box.Canvas(), before);
}

TEST_F(NotXorPen, ARepaintKeepsTheTintAndANewPictureDropsIt) {
    Tint();
    const QImage tinted = box.Canvas();
    box.Refresh();  // as after a change of pixel ratio
    EXPECT_EQ(box.Canvas(), tinted);
    box.SetPicture(list, 1);
    EXPECT_EQ(box.Canvas().pixelColor(40, 60), QColor(Qt::white));
}

TEST(ImageLists, CountFromOneAndAnswerOtherNumbersWithNoPicture) {
    std::vector<int> painted;
    ImageList list(3, [&](int n, qreal dpr) {
        painted.push_back(n);
        QPixmap p = Filled({n, n}, Qt::black);
        p.setDevicePixelRatio(dpr);
        return p;
    });
    EXPECT_EQ(list.ListImages(3).width(), 3);
    EXPECT_TRUE(list.ListImages(0).isNull());
    EXPECT_TRUE(list.ListImages(4).isNull());
    list.ListImages(3);
    EXPECT_EQ(painted, std::vector<int>{3});  // painted once, when first asked for
    list.SetDevicePixelRatio(2.0);
    EXPECT_EQ(list.ListImages(3).devicePixelRatio(), 2.0);
}

// Pixels of `after` much lighter or darker than the same pixels of `before`.
int StrongChanges(const QImage& before, const QImage& after) {
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (std::abs(qGray(before.pixel(x, y)) - qGray(after.pixel(x, y))) > 128) ++changed;
    return changed;
}

// The deal button's picture has a dark frame and the hold buttons an olive face: the ring must
// stand out on both, and only once the player moves the focus with the keyboard.
TEST(FocusRing, ShowsPlainlyWhereTheKeyboardIs) {
    QWidget window;
    window.resize(200, 100);
    ImageList frame(1, [](int, qreal) { return Filled({69, 67}, QColor(40, 40, 40)); });
    PictureButton deal(&window);
    deal.setGeometry(0, 0, 69, 67);
    deal.SetPicture(frame, 1);
    HoldCheckBox hold(0, &window);
    hold.setGeometry(100, 0, 73, 24);
    hold.SetFaceColor(QColor(128, 128, 0));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const QImage plainHold = hold.grab().toImage();
    deal.setFocus();  // as the table does after every press: no ring yet
    const QImage plainDeal = deal.grab().toImage();
    EXPECT_EQ(
        StrongChanges(plainDeal, frame.ListImages(1).toImage().convertToFormat(plainDeal.format())),
        0);

    QTest::keyClick(&window, Qt::Key_Tab);
    ASSERT_TRUE(hold.hasFocus());
    EXPECT_GT(StrongChanges(plainHold, hold.grab().toImage()), 40);
    QTest::keyClick(&window, Qt::Key_Tab);
    ASSERT_TRUE(deal.hasFocus());
    EXPECT_GT(StrongChanges(plainDeal, deal.grab().toImage()), 40);
}

// A window over the table closed by the player hands the keyboard back to the table, even when
// another window was active in between.
TEST(FocusBack, AWindowClosedGivesTheKeyboardBackToTheWindowItStandsOver) {
    QWidget table;
    table.resize(200, 100);
    table.show();
    QWidget other;  // a window of its own, not under the tool window
    other.resize(100, 100);
    auto* tool = new QWidget(&table, Qt::Tool);
    tool->setAttribute(Qt::WA_DeleteOnClose);
    tool->resize(100, 50);
    GiveFocusBackOnClose(*tool);
    tool->show();
    tool->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tool));

    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    tool->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tool));
    tool->close();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&table));
    EXPECT_EQ(QApplication::activeWindow(), &table);
}

// The accent of a capital rises above the font's ascent, out of a label aligned to its top.
TEST(NameLabel, ShowsTheAccentOfACapital) {
    QWidget parent;
    NameLabel plain("Elodie", &parent), accented(QString::fromUtf8("\u00c9lodie"), &parent);
    for (NameLabel* label : {&plain, &accented}) {
        label->setFont(fonts::Aardvark(15.75));  // the table's name label
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(0, 0, 321, 41);
    }
    const auto [plainTop, plainBottom] = InkRows(plain);
    const auto [accentTop, accentBottom] = InkRows(accented);
    EXPECT_GT(accentTop, 0);                                          // clear of the top edge
    EXPECT_GT(accentBottom - accentTop, plainBottom - plainTop + 3);  // the accent stands whole
    EXPECT_LT(accentBottom, accented.height() - 1);
}

// The height the words of `text` need at `width`, wrapped at word boundaries.
int WrappedHeight(const QWidget& view, const QString& text, int width) {
    return view.fontMetrics()
        .boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text)
        .height();
}

TEST(WrappedRows, ARowGrowsToEveryWordOfItsCellAtAnyColumnWidthAndAHeadingKeepsOneLine) {
    QTreeWidget view;
    WrapRowsOf(view);
    view.setColumnCount(2);
    view.setRootIsDecorated(false);
    view.header()->setStretchLastSection(false);
    const QString longWords = QStringLiteral(
        "Three to a straight flush, consecutive, lowest card 4 or higher, no other card of that "
        "suit, at most one card thrown away fits the straight");
    auto* heading = new QTreeWidgetItem(&view, {QStringLiteral("No deuce dealt")});
    heading->setFirstColumnSpanned(true);
    auto* line = new QTreeWidgetItem(&view, {QStringLiteral("21"), longWords});
    auto* shortLine = new QTreeWidgetItem(&view, {QStringLiteral("24"), QStringLiteral("A pair")});
    view.setColumnWidth(0, 30);
    view.resize(700, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    for (const int width : {600, 240, 120}) {
        view.setColumnWidth(1, width);
        QCoreApplication::processEvents();
        EXPECT_GE(view.visualItemRect(line).height(), WrappedHeight(view, longWords, width))
            << "at " << width << " px";
        EXPECT_EQ(view.visualItemRect(heading).height(), view.visualItemRect(shortLine).height())
            << "at " << width << " px";
    }
    // A column stretched by its window: widened, the long row is one line again.
    view.header()->setSectionResizeMode(1, QHeaderView::Stretch);
    view.resize(1600, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.visualItemRect(line).height(), view.visualItemRect(shortLine).height());
}

}  // namespace
