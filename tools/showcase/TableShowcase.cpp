// Not a test: opens the table on a throw-away accounts file and plays a scripted hand, so the
// window can be looked at on a real display. "held" stops after the deal with one card held;
// "win" (the default) stops after a winning draw. A second word "wild" deals two deuces and the
// court cards instead, to a player whose name begins with an accented capital; "courts" deals
// both black jacks, both red queens and a king, to tell the court figures apart.
//   xvfb-run -a -s "-screen 0 1024x768x24" ./table_showcase win [wild|courts]
#include <QApplication>
#include <QTimer>

#include <vector>

#include "assets/Fonts.h"
#include "table/frmMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TableScene.h"

namespace {

struct Showcase : TableScene<ScriptedDialogs> {
    frmMain& Open(bool wild, bool courts) {
        dialogs.inputAnswers.push_back(wild ? QString::fromUtf8("\u00c9lodie") : "Lucky Lou");
        deck.Queue(courts ? "Js Jc Qh Qd Ks Kc Kd Kh 3s 4h"
                   : wild ? "2h Jd Qc Kh 2s 9c Kd Kc 3s 4h"
                          : "9c 9d 4s 9h Kd 3c 5h 9s 7c 8d");
        window = std::make_unique<frmMain>(ctx, hand, aux);
        return *window;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fonts::LoadEmbeddedFonts();
    const bool held = argc > 1 && QString(argv[1]) == "held";
    const bool wild = argc > 2 && QString(argv[2]) == "wild";
    const bool courts = argc > 2 && QString(argv[2]) == "courts";

    Showcase show;
    frmMain& window = show.Open(wild, courts);
    window.show();

    window.cmdDeal_Click();
    window.pHand_Click(wild ? 0 : 1);
    if (!held) {
        for (int i : wild ? std::vector<int>{3, 4} : std::vector<int>{0, 3}) window.pHand_Click(i);
        // 9c 9d 9h 9s and a drawn card: four of a kind; or 2h 2s Kh Kd Kc: five of a kind.
        window.cmdDeal_Click();
    }
    // Stays up for a screenshot, then ends by itself.
    QTimer::singleShot(20000, &app, &QApplication::quit);
    return app.exec();
}
