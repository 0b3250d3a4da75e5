// What shows the player where to click and which keys open the menus: the cards' hand pointer,
// the windows' icon, and an access key on every menu entry that needs one.
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include "tests/table/TableFixture.h"

namespace {

using Pointers = TableFixture;
using AccessKeys = TableFixture;

TEST_F(Pointers, EveryCardShowsTheDrawnHandNotAStockPointer) {
    Open();
    for (PictureBox* card : c().pHand) {
        EXPECT_EQ(card->cursor().shape(), Qt::BitmapCursor);
        EXPECT_FALSE(card->cursor().pixmap().isNull());
    }
}

// A window without an icon of its own borrows its parent's, and the application has none here;
// the statistics window is looked at alone so that it cannot borrow the table's.
TEST_F(Pointers, TheTableAndTheStatisticsWindowEachCarryTheGamesIcon) {
    ASSERT_TRUE(QApplication::windowIcon().isNull());
    Open();
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_FALSE(frmStats(nullptr).windowIcon().isNull());
}

// The access keys of the entries that have one; none may be shared within the menu.
QList<QKeySequence> UniqueKeys(const QList<QAction*>& entries) {
    QList<QKeySequence> keys;
    for (const QAction* entry : entries) {
        const QKeySequence key = QKeySequence::mnemonic(entry->text());
        if (key.isEmpty()) continue;
        EXPECT_FALSE(keys.contains(key)) << "shared by " << entry->text().toStdString();
        keys << key;
    }
    return keys;
}

QMenu* MenuNamed(QMenuBar* bar, const QString& title) {
    for (QAction* menu : bar->actions())
        if (menu->text().remove('&') == title) return menu->menu();
    return nullptr;
}

TEST_F(AccessKeys, EveryMenuAndEveryFileAndEditEntryHasItsOwn) {
    Open();
    QMenuBar* bar = window->menuBar();
    QStringList menus;
    for (QAction* action : bar->actions()) menus << action->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Help"}));
    EXPECT_EQ(c().mnuExit->text(), "E&xit");
    EXPECT_FALSE(c().mnuSound->isEnabled());
    EXPECT_EQ(UniqueKeys(bar->actions()).size(), bar->actions().size());
    for (const QString title : {"File", "Edit"}) {
        QMenu* menu = MenuNamed(bar, title);
        ASSERT_NE(menu, nullptr) << title.toStdString();
        EXPECT_EQ(UniqueKeys(menu->actions()).size(), menu->actions().size())
            << title.toStdString();
    }
    UniqueKeys(MenuNamed(bar, "Help")->actions());
    EXPECT_EQ(QKeySequence::mnemonic(c().mnuAbout->text()), QKeySequence(Qt::ALT | Qt::Key_A));
}

}  // namespace
