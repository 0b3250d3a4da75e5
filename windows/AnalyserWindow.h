// The hand analyser: five cards picked from a deck or typed, all 32 holds with their exact
// values and chart lines, and how the draws of the hold selected end, final hand by final hand.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/Card.h"
#include "engine/analysis/HandAnalysis.h"
#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/Pays.h"
#include "engine/analysis/StrategyChart.h"
#include "game/PerfectPlay.h"
#include "windows/DeckPicker.h"

// The table whose hands are analysed, as a value: the game's, or any other.
struct AnalysedTable {
    modcards::analysis::Pays pays;  // per unit bet
    int stake = 5;                  // credits one hand costs; values are shown in credits of it
    // Names each hold's line; null when the table has no chart. Outlives the window.
    const modcards::analysis::StrategyChart* chart = nullptr;
    // The hold values of `pays` when built already; otherwise the window builds them on a
    // thread of its own.
    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor;
    QString name;  // the table's name, said with the figures; none when empty
};

class Announcer;

class AnalyserWindow : public QWidget {
    Q_OBJECT
public:
    AnalyserWindow(QWidget* mainWindow, AnalysedTable table);

    // The chart naming each hold's line from now on (null: none), as a practice table's comes
    // after the window opened; the hand shown keeps its selected hold. Outlives the window.
    void SetChart(const modcards::analysis::StrategyChart* chart);
    // True once the hold values are at hand; a hand picked before waits for them.
    bool Ready() const { return advisor_ != nullptr; }
    const std::optional<modcards::analysis::HandAnalysis>& Analysis() const { return analysis_; }

    QLineEdit* cardsEdit() const { return cardsEdit_; }
    QLabel* messageLabel() const { return messageLabel_; }  // what to do next, or why not
    const Announcer& Voice() const { return *voice_; }      // says each refusal aloud
    DeckPicker* Deck() const { return deck_; }
    // The 32 holds best first: rank, cards kept, average pay, exact, chart line.
    QTreeWidget* holdsList() const { return holdsList_; }
    // The selected hold's final hands: hand, pay, ways, probability, return (its share of the
    // average pay); then all its draws.
    QTreeWidget* finalsList() const { return finalsList_; }
    QLabel* holdLabel() const { return holdLabel_; }  // the selected hold in words
    // The cards picked, in order; those the selected hold throws away faded.
    QLabel* pHand(int slot) const { return pHand_.at(std::size_t(slot)); }

signals:
    void Analysed();  // a hand's holds are listed

public slots:
    void AnalyseTyped();  // reads the typed cards

private:
    void TablesReady();
    void Deck_PickedChanged();
    void Analyse(const modcards::Hand& dealt);
    void Forget();
    void ShowHolds();
    void ShowFinals();
    void ShowHand(std::uint8_t kept);
    void Say(const QString& message, bool refusal = false);

    AnalysedTable table_;
    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor_;
    std::unique_ptr<PerfectPlay> tables_;  // builds the hold values when none were given
    std::optional<modcards::Hand> waiting_;
    std::optional<modcards::analysis::HandAnalysis> analysis_;
    QLineEdit* cardsEdit_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    Announcer* voice_ = nullptr;
    DeckPicker* deck_ = nullptr;
    QTreeWidget* holdsList_ = nullptr;
    QTreeWidget* finalsList_ = nullptr;
    QLabel* holdLabel_ = nullptr;
    std::array<QLabel*, 5> pHand_{};
    std::array<QPixmap, 52> faces_;  // the hand's cards, painted when first shown
};
