// Not a test: plays thirty hands at the table as a fair player would, the best hold mostly but
// a few deliberate mistakes and one close call, then opens Strategy -> Session Review for a
// look on a display. A file name saves a picture of the review window there as well; "all"
// after it shows all sessions; "million" first writes a million earlier hands of the player and
// saves the window busy (review-busy.png) as well as with its figures; "leaks" first writes
// 24,000 earlier hands in twelve sessions and saves the leak groups (review-leaks.png) and their
// trend (review-trend.png), then the window asked to be smaller than it can be
// (review-small.png), leaving the leak groups shown; "tables" first writes 2,000 earlier hands as
// played at the Full Pay practice table (their values the game's: a look at the layout only) and
// saves the review at all tables, then at its least size (review-tables-small.png); "bankroll"
// opens Strategy -> Bankroll instead and saves it, the player's figures beside perfect play's.
//   xvfb-run -a -s "-screen 0 1024x768x24" ./review_showcase [review.png [all|million|bankroll]]
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <set>

#include "assets/Fonts.h"
#include "bench/history/LargeHistory.h"
#include "engine/CardText.h"
#include "engine/analysis/Combinatorics.h"
#include "table/StrategyMenu.h"
#include "table/TableHistory.h"
#include "table/frmMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TableScene.h"

namespace {

constexpr int kHands = 30;
// Hands with a weaker hold on purpose (0-based), and the one dealt a close call.
const std::set<int> kMistakes = {3, 8, 14, 21, 26};
constexpr int kCloseCall = 11;
// The best hold keeps 2c (5.0051 credits); the four to a straight 5c 6h 2c 7s pays exactly 5.
constexpr const char* kCloseCallDeal = "Qd 5c 6h 2c 7s 5s 2d 9h 9c Th";
// The chart keeps 2h 2c 4s 6s, perfect play the deuces alone: the hand follows the chart.
constexpr int kChartException = 17;
constexpr const char* kChartExceptionDeal = "2h 2c 4s 6s 9d 3c 5h 9s 7c 8d";

// Ten cards of a deck shuffled from a fixed seed, as the scripted deck reads them.
std::string ShuffledDeal(std::mt19937& random) {
    std::array<int, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), random);
    std::string cards;
    for (int i = 0; i < 10; ++i) {
        cards += modcards::FormatCard(modcards::analysis::CardOfIndex(deck[std::size_t(i)])) + ' ';
    }
    return cards;
}

struct Scene : TableScene<ScriptedDialogs> {
    std::unique_ptr<StrategyMenu> strategy;
    std::unique_ptr<TableHistory> history;

    void Open(bool million, bool leaks, bool practice) {
        if (million) bench_history::AddHands(dir.path().toStdString(), "Lucky Lou", 1000000, 10);
        if (leaks) bench_history::AddHands(dir.path().toStdString(), "Lucky Lou", 24000, 12);
        if (practice) AddPracticeHands(2000);
        std::mt19937 random(20240501);
        for (int hand = 0; hand < kHands; ++hand)
            deck.Queue(hand == kCloseCall        ? std::string(kCloseCallDeal)
                       : hand == kChartException ? std::string(kChartExceptionDeal)
                                                 : ShuffledDeal(random));
        dialogs.inputAnswers.push_back(QStringLiteral("Lucky Lou"));
        window = std::make_unique<frmMain>(ctx, hand, aux);
        strategy = AddStrategy();
        history =
            std::make_unique<TableHistory>(*window, hand, tables, strategy->Chart(),
                                           strategy->Review(), strategy->BankrollEntry(), ctx);
        window->show();
    }
    ~Scene() {
        history.reset();
        strategy.reset();
    }

    // Earlier hands marked as the Full Pay practice table's.
    void AddPracticeHands(int count) {
        bench_history::AddHands(dir.path().toStdString(), "Lucky Lou", count, 2);
        sqlite3* db = nullptr;
        sqlite3_open((dir.path().toStdString() + "/History.db").c_str(), &db);
        sqlite3_exec(db, "UPDATE hands SET mode = 'practice', pays = '800,200,25,15,9,5,3,2,2,1'",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
};

// The hold for hand `number`: the best, or on purpose a weaker one further down the list.
std::uint8_t ChooseHold(const modcards::analysis::HoldAdvisor& advisor, const modcards::Hand& dealt,
                        int number) {
    if (number == kCloseCall) return 0b11110;       // keeps the straight draw
    if (number == kChartException) return 0b01111;  // keeps what the chart keeps
    const auto ranked = advisor.RankHolds(dealt);
    if (!kMistakes.contains(number)) return ranked.front().keptSlots;
    return ranked[std::size_t(2 + number % 5)].keptSlots;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fonts::LoadEmbeddedFonts();
    const QString picture = argc > 1 ? QString(argv[1]) : QString();
    const bool million = argc > 2 && QString(argv[2]) == "million";
    const bool leaks = argc > 2 && QString(argv[2]) == "leaks";
    const bool bankroll = argc > 2 && QString(argv[2]) == "bankroll";
    const bool practice = argc > 2 && QString(argv[2]) == "tables";
    const bool allSessions =
        million || leaks || practice || (argc > 2 && QString(argv[2]) == "all");
    const auto save = [&](QWidget* window, const QString& file) {
        const bool saved = window && window->grab().save(file);
        std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(file));
    };

    Scene scene;
    scene.Open(million, leaks, practice);
    frmMain& window = *scene.window;
    int played = 0;
    QTimer player;
    player.setInterval(120);
    // One step a tick: deal, then hold and draw, as a player at the table would.
    QObject::connect(&player, &QTimer::timeout, [&] {
        const auto* advisor = scene.strategy->Tables().Advisor();
        if (!advisor) return;
        if (!scene.hand.InPlay()) {
            if (played == kHands) {
                player.stop();
                QTimer::singleShot(600, [&] {
                    if (bankroll) {
                        scene.strategy->BankrollEntry()->trigger();
                        QTimer::singleShot(5000, [&] { save(scene.history->Bankroll(), picture); });
                        return;
                    }
                    scene.strategy->Review()->trigger();
                    frmReview* review = scene.history->Review();
                    if (allSessions) review->tabScope()->setCurrentIndex(1);
                    if (practice && !picture.isEmpty()) {
                        QTimer::singleShot(3000, [&, review] {
                            review->cboTable()->setCurrentIndex(review->cboTable()->count() - 1);
                            QTimer::singleShot(3000, [&, review] {
                                save(review, picture);
                                review->resize(320, 200);
                                QTimer::singleShot(500, [&, review] {
                                    save(review, QString(picture).replace(".png", "-small.png"));
                                });
                            });
                        });
                        return;
                    }
                    if (leaks && !picture.isEmpty()) {
                        QObject::connect(review, &frmReview::FiguresShown, [&, review] {
                            review->Views()->setCurrentIndex(2);
                            save(review, QString(picture).replace(".png", "-trend.png"));
                            review->Views()->setCurrentIndex(1);
                            save(review, QString(picture).replace(".png", "-leaks.png"));
                            // Asked smaller than it can be: the window keeps the sentence whole.
                            review->resize(480, 360);
                            save(review, QString(picture).replace(".png", "-small.png"));
                        });
                        return;
                    }
                    if (!million || picture.isEmpty()) return;
                    save(review, QString(picture).replace(".png", "-busy.png"));
                    QObject::connect(review, &frmReview::FiguresShown,
                                     [&, review] { save(review, picture); });
                });
                return;
            }
            window.cmdDeal_Click();
            return;
        }
        const std::uint8_t hold = ChooseHold(*advisor, scene.hand.Cards(), played++);
        for (int slot = 0; slot < 5; ++slot)
            if ((hold >> slot) & 1u) window.pHand_Click(slot);
        window.cmdDeal_Click();
    });
    player.start();
    if (!picture.isEmpty() && !million && !leaks && !bankroll && !practice)
        QTimer::singleShot(12000, [&] { save(scene.history->Review(), picture); });
    // Stays up for a screenshot, then ends by itself.
    QTimer::singleShot(30000, &app, &QApplication::quit);
    return app.exec();
}
