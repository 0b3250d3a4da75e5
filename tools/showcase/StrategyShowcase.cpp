// Not a test: the table with the Strategy menu on a scripted hand, for looking at on a display.
// "hint" shows the hint after the deal; "trainer" holds a weak pair of cards and draws with
// the trainer on, so its question stands open; "help" opens the help window; "chart" opens the
// strategy chart beside the table, the hand's line lit; "analyse" opens the hand analyser on the
// hand dealt, its second-best hold selected ("analyse-typo" then types a card with no suit). A
// second word "exception" deals 2h 2c 4s 6s 9d instead, where the chart's hold is not the best,
// and holds the chart's hold.
//   xvfb-run -a -s "-screen 0 1024x768x24" ./strategy_showcase hint [exception]
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <vector>

#include "assets/Fonts.h"
#include "table/StrategyMenu.h"
#include "table/frmMain.h"
#include "tests/support/TableScene.h"
#include "windows/QtDialogs.h"

namespace {

// The real questions and messages, with the name prompt answered.
class ShowcaseDialogs final : public Dialogs {
public:
    QtDialogs real;
    QString InputBox(const QString&, const QString&, const QString&) override {
        return QStringLiteral("Lucky Lou");
    }
    void MessageBox(const QString& text, const QString& title) override {
        real.MessageBox(text, title);
    }
    QString SaveFileDialog(const QString&, const QString& preset) override { return preset; }
    bool OpenUrl(const QString&) override { return false; }
    bool Ask(const QString& text, const QString& title, const QString& accept,
             const QString& reject) override {
        return real.Ask(text, title, accept, reject);
    }
};

// The table on a throw-away accounts file, with the hand "Kh 2c Qh 7s 5d" or the chart's
// exception dealt.
struct Scene : TableScene<ShowcaseDialogs> {
    std::unique_ptr<StrategyMenu> strategy;

    void Open(bool exception) {
        deck.Queue(exception ? "2h 2c 4s 6s 9d 3c 5h 9s 7c 8d" : "Kh 2c Qh 7s 5d 3c 5h 9s 7c 8d");
        window = std::make_unique<frmMain>(ctx, hand, aux);
        strategy = AddStrategy();
        dialogs.real.SetParentWindow(window.get());
        window->show();
        window->cmdDeal_Click();
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fonts::LoadEmbeddedFonts();
    const QString mode = argc > 1 ? QString(argv[1]) : QStringLiteral("hint");

    const bool exception = argc > 2 && QString(argv[2]) == "exception";
    Scene scene;
    scene.Open(exception);
    frmMain& window = *scene.window;
    StrategyMenu& strategy = *scene.strategy;

    QObject::connect(&strategy.Tables(), &PerfectPlay::ReturnReady, &window, [&] {
        if (mode == "hint") {
            strategy.Hint()->trigger();
        } else if (mode == "trainer") {
            strategy.Trainer()->setChecked(true);
            for (int slot : exception ? std::vector{0, 1, 2, 3} : std::vector{0, 3})
                window.pHand_Click(slot);
            window.cmdDeal_Click();
        } else if (mode == "help") {
            window.Controls().Mnuplayin->trigger();
        } else if (mode == "chart") {
            if (exception)
                for (int slot : {0, 1, 2, 3}) window.pHand_Click(slot);
            strategy.ChartEntry()->trigger();
            ChartWindow* chart = strategy.Chart().Chart();
            chart->move(
                window.screen()->availableGeometry().right() - chart->frameGeometry().width(), 0);
        } else if (mode.startsWith("analyse")) {
            strategy.AnalyseEntry()->trigger();
            AnalyserWindow* analyser = strategy.Analyser();
            analyser->cardsEdit()->setText(QStringLiteral("Kh 2c Qh 7s 5d"));
            analyser->AnalyseTyped();
            analyser->holdsList()->setCurrentItem(analyser->holdsList()->topLevelItem(1));
            if (mode == "analyse-typo") {
                analyser->cardsEdit()->setText(QStringLiteral("Kh 2c Qh 7s 5x"));
                analyser->AnalyseTyped();
            }
        }
    });
    // Stays up for a screenshot, then ends by itself.
    QTimer::singleShot(15000, &app, &QApplication::quit);
    return app.exec();
}
