// The bankroll window: for the table in play, the chance of lasting a number of hands from a
// bankroll and of reaching a goal, playing as the player's history says they play, beside
// perfect play, and a plot of both over the hands. The figures are worked out off this thread.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <memory>

#include "engine/analysis/HoldAdvisor.h"
#include "game/BankrollWork.h"
#include "windows/SurvivalPlot.h"

// What the window is given: the table's perfect-play tables and the player's measured play.
struct BankrollSetup {
    QString player;
    // The perfect-play tables of the table in play; null while they are being made.
    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor;
    double costPerHand = 0;  // expected credits given up a hand against perfect play
    std::int64_t handsMeasured = 0;
    QString problem;  // why the history could not be read, in words; empty when it could
};

class BankrollWindow : public QWidget {
    Q_OBJECT
public:
    BankrollWindow(QWidget* mainWindow, BankrollSetup setup);

    QSpinBox* bankrollBox() const { return bankrollBox_; }
    QSpinBox* handsBox() const { return handsBox_; }
    QSpinBox* goalBox() const { return goalBox_; }
    QLabel* modelLabel() const { return modelLabel_; }
    QLabel* resultLabel() const { return resultLabel_; }
    SurvivalPlot* plotSurvival() const { return plotSurvival_; }
    const BankrollWork* Work() const { return work_; }             // null without the tables
    QPushButton* workOutButton() const { return workOutButton_; }  // disabled while it works

public slots:
    void WorkOut();  // works the figures out for the inputs

private:
    QSpinBox* AddInput(const QString& name, const QString& caption, int low, int high, int value,
                       class QFormLayout* form);
    void ShowFigures();
    void ShowFailure();

    BankrollWork* work_ = nullptr;
    int stake_ = 5;
    QSpinBox* bankrollBox_ = nullptr;
    QSpinBox* handsBox_ = nullptr;
    QSpinBox* goalBox_ = nullptr;
    QPushButton* workOutButton_ = nullptr;
    QLabel* modelLabel_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    SurvivalPlot* plotSurvival_ = nullptr;
};
