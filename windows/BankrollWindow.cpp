// The bankroll window.
#include "windows/BankrollWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "assets/Fonts.h"
#include "game/Bankroll.h"
#include "windows/WindowLook.h"

using namespace winlook;

namespace {

constexpr QSize kSize(680, 600);
constexpr QSize kOkSize(112, 28);
constexpr int kStartBankroll = 1000, kStartHands = 1000, kStartGoal = 2000;

std::vector<double> Lasting(const modcards::analysis::TripCourse& course) {
    std::vector<double> lasting;
    for (const double broke : course.broke) lasting.push_back(1 - broke);
    return lasting;
}

}  // namespace

BankrollWindow::BankrollWindow(QWidget* mainWindow, BankrollSetup setup) : QWidget(mainWindow) {
    SetUpSizableWindow(this, Qt::Tool, QStringLiteral("Bankroll"), kSize, Qt::white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(AddHeading(
        this, QStringLiteral("lblTitle"),
        QStringLiteral("Bankroll of %1 at This Table").arg(setup.player.trimmed()), QRect()));

    auto* inputs = new QHBoxLayout;
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    bankrollBox_ = AddInput(QStringLiteral("bankrollBox"), QStringLiteral("&Bankroll (credits):"),
                            5, int(kMostBankrollCredits), kStartBankroll, form);
    handsBox_ = AddInput(QStringLiteral("handsBox"), QStringLiteral("&Hands:"), 1,
                         int(kMostBankrollHands), kStartHands, form);
    goalBox_ = AddInput(QStringLiteral("goalBox"), QStringLiteral("&Goal (credits, 0 for none):"),
                        0, int(kMostGoalBets * 5), kStartGoal, form);
    inputs->addLayout(form);
    workOutButton_ =
        AddButton(this, QStringLiteral("workOutButton"), QStringLiteral("&Work Out"), QRect());
    workOutButton_->setFixedSize(kOkSize);
    inputs->addWidget(workOutButton_, 0, Qt::AlignBottom);
    inputs->addStretch(1);
    layout->addLayout(inputs);

    const auto sentence = [this](const QString& name) {
        QLabel* label = AddLabel(this, name, QString(), QRect(), fonts::Garamond(12, false),
                                 Qt::AlignLeft | Qt::AlignVCenter, Qt::black, kSentenceGround);
        label->setWordWrap(true);
        label->setMargin(4);
        return label;
    };
    modelLabel_ = sentence(QStringLiteral("modelLabel"));
    resultLabel_ = sentence(QStringLiteral("resultLabel"));
    layout->addWidget(modelLabel_);
    layout->addWidget(resultLabel_);
    plotSurvival_ = new SurvivalPlot(this);
    layout->addWidget(plotSurvival_, 1);

    QPushButton* ok = AddOkButton(this, QRect(QPoint(), kOkSize));
    ok->setFixedSize(kOkSize);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    PressedByEscape(ok);
    connect(workOutButton_, &QPushButton::clicked, this, &BankrollWindow::WorkOut);

    QString model = setup.problem.isEmpty() ? QString() : setup.problem + u' ';
    if (!setup.advisor) {
        modelLabel_->setText(
            QStringLiteral("The perfect-play tables of this table are still being "
                           "worked out: open this window again in a moment."));
        workOutButton_->setEnabled(false);
        return;
    }
    stake_ = static_cast<int>(setup.advisor->sums().pays().unit);
    modelLabel_->setText(model +
                         MeasuredPlaySentence(setup.costPerHand, setup.handsMeasured, stake_));
    work_ = new BankrollWork(setup.advisor, setup.costPerHand / stake_, this);
    connect(work_, &BankrollWork::Ready, this, &BankrollWindow::ShowFigures);
    connect(work_, &BankrollWork::Failed, this, &BankrollWindow::ShowFailure);
    WorkOut();
}

QSpinBox* BankrollWindow::AddInput(const QString& name, const QString& caption, int low, int high,
                                   int value, QFormLayout* form) {
    auto* box = new QSpinBox(this);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    box->setGroupSeparatorShown(true);
    box->setFont(fonts::SansSerif(10.5));
    QLabel* label = AddLabel(this, name + QStringLiteral("Caption"), caption, QRect(),
                             fonts::Garamond(12), Qt::AlignRight | Qt::AlignVCenter, Qt::black);
    label->setBuddy(box);
    box->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
    form->addRow(label, box);
    return box;
}

void BankrollWindow::WorkOut() {
    if (!work_) return;
    const BankrollAsk ask{bankrollBox_->value(), handsBox_->value(), goalBox_->value()};
    const QString problem = BankrollAskProblem(ask, stake_);
    if (!problem.isEmpty()) {
        resultLabel_->setText(problem);
        return;
    }
    resultLabel_->setText(QStringLiteral("Working out the chances\u2026"));
    workOutButton_->setEnabled(false);  // until this answer is in
    work_->Start(ask);
}

void BankrollWindow::ShowFigures() {
    workOutButton_->setEnabled(true);
    const BankrollFigures& figures = *work_->Figures();
    resultLabel_->setText(BankrollSentence(figures.ask, figures.yours, figures.perfect));
    resultLabel_->setAccessibleName(resultLabel_->text());
    plotSurvival_->SetCurves(Lasting(figures.yours), Lasting(figures.perfect));
}

void BankrollWindow::ShowFailure() {
    workOutButton_->setEnabled(true);
    resultLabel_->setText(QStringLiteral("The chances cannot be worked out: ") + work_->Failure());
}
