// The table's keys, passed to the window's handlers as the clicks they stand for.
#include "table/TableKeys.h"

#include <QSet>
#include <QShortcut>

#include "controls/HeldKeys.h"
#include "controls/ReaderKeys.h"
#include "table/frmMain.h"

namespace {

// Space deals and draws, except on a focused card or hold button, which it toggles as a
// keyboard user expects.
void SpaceKey(frmMain& window) {
    const TableControls& c = window.Controls();
    for (int i = 0; i < 5; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (window.focusWidget() == c.pHand[slot] || window.focusWidget() == c.chkHold[slot]) {
            window.pHand_Click(i);
            return;
        }
    }
    window.cmdDeal_Click();
}

}  // namespace

// A key's repeats would otherwise deal and then draw with no holds, or flip a hold back,
// whether they come to a shortcut or to the focused control.
void AddTableKeys(frmMain& window) {
    const auto addKey = [&window](int key, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(key), &window, action);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    };
    QSet<int> keys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    for (int i = 0; i < 5; ++i) {
        addKey(Qt::Key_1 + i, [&window, i] { window.pHand_Click(i); });
        keys.insert(Qt::Key_1 + i);
    }
    for (int key : {Qt::Key_Return, Qt::Key_Enter})
        addKey(key, [&window] { window.cmdDeal_Click(); });
    addKey(Qt::Key_Space, [&window] { SpaceKey(window); });
    new HeldKeys(window, keys);
    new ReaderKeys(window);
}
