// What a plain window offers a screen reader: shown controls with something to say, by lines.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

#include "controls/AccessibleTree.h"
#include "controls/Announcer.h"
#include "controls/ImageBox.h"
#include "controls/PictureBox.h"
#include "controls/ValueLabel.h"

namespace {

template <typename Widget, typename... Args>
Widget* Put(QWidget& window, QRect place, const QString& name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., &window);
    widget->setGeometry(place);
    if (!name.isEmpty()) widget->setAccessibleName(name);
    return widget;
}

TEST(AccessibleTree, AWindowOffersWhatItShowsLineByLineWithCaptionsReadWithTheirValues) {
    a11y::InstallAccessibleTree();
    QWidget window;
    window.resize(300, 200);
    Put<ImageBox>(window, {0, 0, 300, 200}, "", ImageBox::Fit::Stretch);  // decoration
    Put<QLabel>(window, {10, 150, 100, 20}, "", "Footer");
    auto* caption = Put<QLabel>(window, {10, 40, 100, 20}, "", "Hands Played");
    auto* value = Put<ValueLabel>(window, {120, 40, 40, 20}, "", *caption, QString());
    value->setText("12");
    auto* percentCaption = Put<QLabel>(window, {10, 130, 60, 20}, "", "Flushes");
    Put<ValueLabel>(window, {200, 130, 40, 20}, "", *percentCaption, "Win %")->setText("2.5");
    Put<QPushButton>(window, {200, 8, 60, 30}, "", "OK");
    Put<QLabel>(window, {10, 12, 100, 20}, "", "Title");  // beside OK: one line
    Put<QPushButton>(window, {10, 70, 60, 20}, "", "Hidden")->hide();
    Put<PictureBox>(window, {10, 90, 40, 50}, "Ace of spades", 0);
    Put<ImageBox>(window, {60, 90, 100, 20}, "You Won With A Flush", ImageBox::Fit::NaturalSize);

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&window);
    ASSERT_TRUE(face);
    std::vector<std::pair<QAccessible::Role, QString>> heard;
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface* child = face->child(i);
        heard.emplace_back(child->role(), child->text(QAccessible::Name));
        EXPECT_EQ(face->indexOfChild(child), i);
    }
    const decltype(heard) expected{{QAccessible::StaticText, "Title"},
                                   {QAccessible::Button, "OK"},
                                   {QAccessible::StaticText, "Hands Played: 12"},
                                   {QAccessible::Graphic, "Ace of spades"},
                                   {QAccessible::StaticText, "You Won With A Flush"},
                                   {QAccessible::StaticText, "Flushes, Win %: 2.5"},
                                   {QAccessible::StaticText, "Footer"}};
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(face->role(), QAccessible::Dialog);  // a window reads as a dialog
    // Orca leaves out a label with any relation when it reads a dialog.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(value)->relations().isEmpty());

    // The window's voice is a notification, shown with each sentence, never read among the rest.
    auto* voice = new Announcer(window);
    voice->Say("Dealt: ace of spades");
    voice->Say("Ace of spades, held");
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(voice);
    EXPECT_EQ(spoken->role(), QAccessible::Notification);
    EXPECT_EQ(spoken->text(QAccessible::Name), "Ace of spades, held");
    EXPECT_FALSE(voice->isHidden());
    EXPECT_EQ(face->childCount(), int(expected.size()));
}

}  // namespace
