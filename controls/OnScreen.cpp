// Every window opens wholly on the screen its table is on.
#include "controls/OnScreen.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The window that opened `window`, if any.
const QWidget* TableOf(const QWidget& window) {
    if (const QWidget* parent = window.parentWidget()) return parent->window();
    const QWidget* active = QApplication::activeWindow();
    return active != &window ? active : nullptr;
}

// The frame round a window's client area: its own once framed, else its table's (the window
// manager frames them alike), else none.
QMargins FrameOf(const QWidget& window, const QWidget* table) {
    const auto margins = [](const QWidget& framed) {
        const QRect outer = framed.frameGeometry(), inner = framed.geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    };
    const QMargins own = margins(window);
    if (!own.isNull() || !table || !table->isVisible()) return own;
    return margins(*table);
}

void Fit(QWidget& window) {
    const QWidget* table = TableOf(window);
    QScreen* screen = table ? table->screen() : window.screen();
    if (!screen) return;
    QRect client = window.geometry();
    if (table && !window.testAttribute(Qt::WA_Moved))
        client.moveCenter(table->frameGeometry().center());
    const bool resizable = window.minimumSize() != window.maximumSize();
    const QRect fitted = FitInArea(client, FrameOf(window, table), window.minimumSize(), resizable,
                                   screen->availableGeometry());
    if (fitted != window.geometry()) window.setGeometry(fitted);  // the client area, unlike move()
}

class Keeper : public QObject {
public:
    explicit Keeper(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    // A show asked for by the program, not one the window system reports on restoring.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous())
            Fit(static_cast<QWidget&>(*watched));
        return false;
    }
};

}  // namespace

QRect FitInArea(QRect client, const QMargins& frame, const QSize& minimum, bool resizable,
                const QRect& area) {
    const QRect room = area.marginsRemoved(frame);
    if (resizable) {
        client.setWidth(std::max(minimum.width(), std::min(client.width(), room.width())));
        client.setHeight(std::max(minimum.height(), std::min(client.height(), room.height())));
    }
    const auto place = [](int at, int length, int low, int high) {
        return std::max(low, std::min(at, high - length + 1));
    };
    client.moveTo(place(client.left(), client.width(), room.left(), room.right()),
                  place(client.top(), client.height(), room.top(), room.bottom()));
    return client;
}

void KeepOnScreen(QWidget& window) {
    new Keeper(window);
}
