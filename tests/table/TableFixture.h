// A main window on a temporary accounts file, with scripted dialogs, deals and clock.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "accounts/AccountsFile.h"
#include "game/GameContext.h"
#include "table/frmMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TableScene.h"
#include "tests/support/TestFiles.h"
#include "windows/frmAbout.h"
#include "windows/frmExit.h"
#include "windows/frmRankings.h"
#include "windows/frmhelp.h"

class TableFixture : public testing::Test, protected TableScene<ScriptedDialogs> {
protected:
    ~TableFixture() override {
        window.reset();
        if (aux.Exit()) delete aux.Exit();
    }

    // Opens the table, answering the name prompt with `name` (empty text is Cancel).
    void Open(const QString& name = "Tester") {
        dialogs.inputAnswers.push_back(name);
        window = std::make_unique<frmMain>(ctx, hand, aux);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Writes an account before the table opens.
    void StoreAccount(const std::string& name, std::int16_t credits) {
        const output::SearchResult at = output::FindPlayer(ctx.accountsFile, name);
        ASSERT_FALSE(output::SavePlayer(ctx.accountsFile, Account(name, credits), at.position));
    }

    output::PlayerRecord Stored(const std::string& name) {
        const output::SearchResult found = output::FindPlayer(ctx.accountsFile, name);
        EXPECT_TRUE(found.found) << name;
        return found.record;
    }

    const TableControls& c() const { return window->Controls(); }
    const TableImages& images() const { return window->Images(); }

    void ClickDeal() { QTest::mouseClick(c().cmdDeal, Qt::LeftButton); }
    void ClickHold(int i) { QTest::mouseClick(c().chkHold[i], Qt::LeftButton); }
    void ClickCard(int i) { QTest::mouseClick(c().pHand[i], Qt::LeftButton); }

    // Deals the ten cards given, holds the positions listed and draws.
    void PlayHand(std::string_view tenCards, std::initializer_list<int> holds) {
        deck.Queue(tenCards);
        ClickDeal();
        for (int i : holds) ClickHold(i);
        ClickDeal();
    }

    PictureRef Suit(int suit, int value) const { return {&images().ILSuit[suit], value}; }
};
