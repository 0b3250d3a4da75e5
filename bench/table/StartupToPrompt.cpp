// The game's own start-up (fonts, accounts file, main window, Form_Load) up to the name prompt,
// where a Dialogs stand-in reports the time and memory and ends the process.
#include <QApplication>
#include <chrono>

#include "bench/table/PeakMemory.h"
#include "table/GameSession.h"

namespace {

class PromptStopsHere final : public Dialogs {
public:
    explicit PromptStopsHere(std::chrono::steady_clock::time_point started) : started_(started) {}
    QString InputBox(const QString&, const QString&, const QString&) override {
        ReportAndQuit(started_);
        return {};
    }
    void MessageBox(const QString&, const QString&) override {}
    QString SaveFileDialog(const QString&, const QString& preset) override { return preset; }
    bool OpenUrl(const QString&) override { return false; }

private:
    std::chrono::steady_clock::time_point started_;
};

}  // namespace

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    PromptStopsHere dialogs(started);
    GameSession session(dialogs);
    return 1;  // the prompt was never asked for
}
