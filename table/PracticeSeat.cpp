// The practice table at the table: choosing it, its mark, refilling and leaving it.
#include "table/PracticeSeat.h"

#include <algorithm>

#include "engine/analysis/Pays.h"
#include "game/GameDialogs.h"
#include "game/TableMessages.h"
#include "table/frmMain.h"

namespace {

const QString kTypedKey = QStringLiteral("practice/table");
// The mark sits on the banner just above the pay chart; a long table name makes it taller
// upwards, over the banner's title, never over the chart.
constexpr QRect kMark(128, 125, 390, 40);

QString ChoicePrompt() {
    QString prompt =
        QStringLiteral(
            "Practise at another pay table, with a practice balance of %1 credits; your account is "
            "not touched.\r\nType a table's name, or ten pays for each credit bet separated by "
            "commas (Royal Flush first, Three of a Kind last):\r\n")
            .arg(kPracticeCredits);
    for (const PracticeTable& preset : PracticePresets())
        prompt += QStringLiteral("\r\n%1 (%2)").arg(preset.name, preset.PaysText());
    return prompt;
}

}  // namespace

PracticeSeat::PracticeSeat(frmMain& window, QMenu& menu, TableHand& hand, PerfectPlay& tables,
                           Dialogs& dialogs, QSettings& settings)
    : window_(window), hand_(hand), tables_(tables), dialogs_(dialogs), settings_(settings) {
    menu.addSeparator();
    chooseEntry_ = menu.addAction(QStringLiteral("&Practice Table\u2026"));
    chooseEntry_->setToolTip(QStringLiteral(
        "Play another pay table from a practice balance; the account is not touched"));
    refillEntry_ = menu.addAction(QStringLiteral("Re&fill Practice Balance"));
    refillEntry_->setToolTip(
        QStringLiteral("Set the practice balance back to %1 credits").arg(kPracticeCredits));
    leaveEntry_ = menu.addAction(QStringLiteral("&Leave Practice Table"));
    leaveEntry_->setToolTip(QStringLiteral("Back to your account's table and balance"));
    connect(chooseEntry_, &QAction::triggered, this, &PracticeSeat::ChooseTable);
    connect(refillEntry_, &QAction::triggered, this, &PracticeSeat::RefillBalance);
    connect(leaveEntry_, &QAction::triggered, this, &PracticeSeat::LeaveTable);

    mark_ = new QLabel(window_.centralWidget());
    mark_->setObjectName(QStringLiteral("practiceMark"));
    mark_->setGeometry(kMark);
    mark_->setAlignment(Qt::AlignCenter);
    mark_->setWordWrap(true);
    mark_->setStyleSheet(QStringLiteral(
        "QLabel { background: rgba(120, 0, 0, 215); color: #ffe9a0; border: 2px solid #e6b63c;"
        " border-radius: 6px; font-weight: bold; padding: 1px 4px; }"));
    mark_->hide();

    connect(&hand_, &TableHand::TableChanged, this, &PracticeSeat::FollowTable);
    connect(&tables_, &PerfectPlay::ReturnReady, this, &PracticeSeat::ShowMark);
    FollowTable();
}

PracticeSeat::~PracticeSeat() {
    delete mark_;
    delete chooseEntry_;
    delete refillEntry_;
    delete leaveEntry_;
}

bool PracticeSeat::Sit(const PracticeTable& table) {
    if (hand_.InPlay()) {
        ShowError(dialogs_, FinishPracticeHandFirstText());
        return false;
    }
    name_ = table.name;
    return hand_.StartPractice(table.PayTable(), kPracticeCredits);
}

// Asked with the last table typed; a table that cannot be read is told in words.
void PracticeSeat::ChooseTable() {
    if (hand_.InPlay()) {
        ShowError(dialogs_, FinishPracticeHandFirstText());
        return;
    }
    const QString typed = AskForTable();
    if (typed.isEmpty()) return;
    const PracticeChoice choice = ParsePracticeTable(typed);
    if (!choice.table) {
        ShowError(dialogs_, choice.error);
        return;
    }
    settings_.setValue(kTypedKey, typed.trimmed());
    Sit(*choice.table);
}

QString PracticeSeat::AskForTable() {
    const QString last = settings_.value(kTypedKey, PracticePresets()[1].name).toString();
    return dialogs_.InputBox(ChoicePrompt(), QStringLiteral("Practice Table"), last);
}

void PracticeSeat::RefillBalance() {
    hand_.RefillPractice(kPracticeCredits);
}

void PracticeSeat::LeaveTable() {
    if (hand_.InPlay()) {
        ShowError(dialogs_, FinishPracticeHandFirstText());
        return;
    }
    hand_.LeavePractice();
}

std::optional<PracticeTable> PracticeSeat::Table() const {
    if (!hand_.Practising()) return std::nullopt;
    return PracticeTableOf(name_, hand_.Pays());
}

// The tables work out the new table's hold values and return in the background.
void PracticeSeat::FollowTable() {
    const bool practising = hand_.Practising();
    refillEntry_->setEnabled(practising);
    leaveEntry_->setEnabled(practising);
    if (!practising) name_.clear();
    const modcards::analysis::Pays pays = modcards::analysis::GamePays(hand_.Pays());
    if (!(tables_.Pays() == pays)) tables_.SetPays(pays);
    ShowMark();
}

void PracticeSeat::ShowMark() {
    const std::optional<PracticeTable> table = Table();
    if (!table) {
        mark_->hide();
        return;
    }
    const std::optional<double> exact = tables_.Return();
    mark_->setText(QStringLiteral("PRACTICE \u2014 not your account\n%1")
                       .arg(PracticeTitle(*table, exact) +
                            (exact ? QString() : QStringLiteral(", return being worked out"))));
    mark_->setAccessibleName(mark_->text());
    const int height = std::max(kMark.height(), mark_->heightForWidth(kMark.width()));
    mark_->setGeometry(kMark.left(), kMark.bottom() + 1 - height, kMark.width(), height);
    mark_->show();
    mark_->raise();
}
