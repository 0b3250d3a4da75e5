// The Qt side of the dialogs: the name prompt as the player sees it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QTimer>

#include "windows/QtDialogs.h"

namespace {

// Qt sizes the box to its prompt; the title must still read whole in the title bar.
TEST(NamePrompt, IsWideEnoughForItsTitleAndGivesTheTextOrEmptyTextOnCancel) {
    QtDialogs dialogs;
    int width = 0;
    const auto answer = [&](bool accept) {
        QTimer::singleShot(0, [&, accept] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            width = box->width();
            box->setTextValue("  Zed ");
            accept ? box->accept() : box->reject();
        });
    };
    answer(true);
    EXPECT_EQ(dialogs.InputBox("Enter Your Name", "Enter Your Name", "Default Player"), "  Zed ");
    EXPECT_GE(width, 300);
    answer(false);
    EXPECT_EQ(dialogs.InputBox("Enter Your Name", "Enter Your Name", "Default Player"), "");
}

}  // namespace
