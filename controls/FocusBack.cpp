#include "controls/FocusBack.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace {

class FocusBack : public QObject {
public:
    explicit FocusBack(QWidget& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A hide that comes from the system (the window minimised) leaves the focus alone.
        if (watched == &window_ && event->type() == QEvent::Hide && !event->spontaneous())
            ActivateBelow();
        return false;
    }

private:
    void ActivateBelow() const {
        QWidget* parent = window_.parentWidget();
        if (!parent) return;
        QWidget* below = parent->window();
        if (!below->isVisible()) return;
        below->raise();
        below->activateWindow();
    }

    QWidget& window_;
};

}  // namespace

void GiveFocusBackOnClose(QWidget& window) {
    window.installEventFilter(new FocusBack(window));
}
