// Leaving the table watched from outside: the writes that reach the accounts file, as the kernel
// reports them, and the windows that close and open, in the order they happen.
#include <sys/inotify.h>
#include <unistd.h>

#include <QWindow>
#include <algorithm>

#include "tests/table/TableFixture.h"

namespace {

// Counts the writes to one file. Each save opens the file, writes once and closes it; watching
// the close too keeps two saves apart, since the kernel merges identical events left unread.
class FileWrites {
public:
    explicit FileWrites(const std::string& file) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        EXPECT_GE(inotify_add_watch(fd_, file.c_str(), IN_MODIFY | IN_CLOSE_WRITE), 0) << file;
    }
    ~FileWrites() { ::close(fd_); }
    FileWrites(const FileWrites&) = delete;
    FileWrites& operator=(const FileWrites&) = delete;

    // The writes reported since the last call.
    int Take() {
        int writes = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (const char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->mask & IN_MODIFY) ++writes;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return writes;
    }

private:
    int fd_;
};

// Each save and each window shown or closed, in the order they happen.
class LeavingSteps : public QObject {
public:
    explicit LeavingSteps(FileWrites& writes) : writes_(writes) { qApp->installEventFilter(this); }
    ~LeavingSteps() override { qApp->removeEventFilter(this); }

    const std::vector<std::string>& Steps() {
        TakeSaves();
        return steps_;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        const bool shown = event->type() == QEvent::Show;
        auto* window = qobject_cast<QWidget*>(object);
        if ((shown || event->type() == QEvent::Hide) && window && window->isWindow()) {
            TakeSaves();
            steps_.push_back(window->metaObject()->className() +
                             std::string(shown ? " shown" : " closed"));
        }
        return false;
    }

private:
    void TakeSaves() {
        for (int n = writes_.Take(); n > 0; --n) steps_.push_back("saved");
    }

    FileWrites& writes_;
    std::vector<std::string> steps_;
};

class LeavingWatched : public TableFixture {
protected:
    // The table between deal and draw with every other window open, its account's file
    // watched from here on.
    void OpenWithEveryWindow() {
        Open("Eve");
        deck.Queue("3c 5d 7h 9s Jc As Kd Qs 8h Ts");
        ClickDeal();
        for (QAction* opens : {c().mnuVwSts, c().Mnuplayin, c().MnuRankings, c().mnuAbout})
            opens->trigger();
        writes = std::make_unique<FileWrites>(ctx.accountsFile);
        steps = std::make_unique<LeavingSteps>(*writes);
    }

    std::unique_ptr<FileWrites> writes;
    std::unique_ptr<LeavingSteps> steps;  // goes first: it reads `writes`
};

std::ptrdiff_t Position(const std::vector<std::string>& steps, const std::string& step) {
    return std::ranges::find(steps, step) - steps.begin();
}

// The account is saved before any window goes, every other window goes before the exit window
// shows, and the table goes last.
void ExpectLeftInOrder(const std::vector<std::string>& steps, int saves) {
    std::string told;
    for (const std::string& step : steps) told += step + "; ";
    SCOPED_TRACE(told);
    EXPECT_EQ(std::ranges::count(steps, "saved"), saves);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), "saved");
    EXPECT_EQ(std::ranges::count(steps, "frmExit shown"), 1);
    for (const char* other : {"frmAbout", "frmhelp", "frmRankings", "frmStats"}) {
        EXPECT_LT(Position(steps, other + std::string(" closed")), Position(steps, "frmExit shown"))
            << other;
    }
    EXPECT_EQ(steps.back(), "frmMain closed");
}

// Closing the table from the menu unloads it, and the unload leaves once more inside the first
// leaving: the account is saved twice, everything else happens once.
TEST_F(LeavingWatched, ExitSavesClosesTheOtherWindowsThenShowsTheExitWindow) {
    OpenWithEveryWindow();
    c().mnuExit->trigger();
    ExpectLeftInOrder(steps->Steps(), 2);
    EXPECT_EQ(Stored("Eve").Credits, 195);  // the stake of the hand left undrawn
}

TEST_F(LeavingWatched, TheCloseBoxLeavesInTheSameOrderWithOneSave) {
    OpenWithEveryWindow();
    window->windowHandle()->close();
    ExpectLeftInOrder(steps->Steps(), 1);
    EXPECT_EQ(Stored("Eve"), ctx.CurrentPlayer);
}

}  // namespace
