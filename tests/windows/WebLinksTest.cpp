// The web buttons hand their page to the desktop and leave their window open.
#include <gtest/gtest.h>

#include <QPushButton>

#include "tests/support/ScriptedDialogs.h"
#include "windows/AboutNet.h"
#include "windows/frmAbout.h"
#include "windows/frmExit.h"

namespace {

TEST(WebLinks, EachPressAsksTheDesktopAgainAndTheWindowStays) {
    ScriptedDialogs shell;
    shell.openUrlSucceeds = false;  // a failing opener changes nothing either
    frmAbout about(shell);
    frmExit farewell(shell);
    about.show();
    farewell.show();
    for (int i = 0; i < 2; ++i) {
        about.findChild<QPushButton*>("cmdCVHOME")->click();
        about.findChild<QPushButton*>("cmdUPDATE")->click();
        farewell.findChild<QPushButton*>("cmdVisit")->click();
    }
    const QStringList once = {AboutNet::kHomePage, AboutNet::kVersionPage, AboutNet::kHomePage};
    EXPECT_EQ(shell.openedUrls, once + once);
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(farewell.isVisible());
}

}  // namespace
