// Not a test: opens the table on a throw-away accounts file and plays a scripted hand, so the
// window can be looked at on a real display. "held" stops after the deal with one card held;
// "win" (the default) stops after a winning draw.
//   xvfb-run -a -s "-screen 0 1024x768x24" ./table_showcase win
#include <QApplication>
#include <QTimer>

#include "assets/Fonts.h"
#include "table/frmMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TableScene.h"

namespace {

struct Showcase : TableScene<ScriptedDialogs> {
    frmMain& Open() {
        dialogs.inputAnswers.push_back("Lucky Lou");
        deck.Queue("9c 9d 4s 9h Kd 3c 5h 9s 7c 8d");
        window = std::make_unique<frmMain>(ctx, aux);
        return *window;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fonts::LoadEmbeddedFonts();
    const bool held = argc > 1 && QString(argv[1]) == "held";

    Showcase show;
    frmMain& window = show.Open();
    window.show();

    window.cmdDeal_Click();
    window.pHand_Click(1);
    if (!held) {
        for (int i : {0, 3}) window.pHand_Click(i);
        window.cmdDeal_Click();  // 9c 9d 9h 9s and a drawn card: four of a kind
    }
    // Stays up for a screenshot, then ends by itself.
    QTimer::singleShot(20000, &app, &QApplication::quit);
    return app.exec();
}
