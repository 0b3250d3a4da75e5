// The hand analyser window.
#include "windows/AnalyserWindow.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QStringList>

#include "assets/Fonts.h"
#include "controls/Announcer.h"
#include "engine/CardText.h"
#include "game/CardNames.h"
#include "game/ChartTexts.h"
#include "game/HandAnalysisTexts.h"
#include "game/HintTexts.h"
#include "windows/WindowLook.h"

using namespace winlook;
using modcards::analysis::Fraction;
using modcards::analysis::HoldAnalysis;

namespace {

// Where the screen has room; on a small one the lists are shorter and scroll.
constexpr QSize kSize(1260, 720), kHoldsMinimumSize(400, 120), kFinalsMinimumSize(420, 120);
constexpr QSize kOkSize(112, 28), kHandCardSize(52, 73);
constexpr int kDecimals = 4, kProbabilityDecimals = 8;
const QColor kRefusal(176, 24, 24);

enum HoldColumn { kRankColumn, kKeepColumn, kPayColumn, kExactColumn, kLineColumn };
enum FinalColumn { kHandColumn, kPaysColumn, kWaysColumn, kChanceColumn, kReturnColumn };

QTreeWidget* AddList(QWidget* parent, const QString& name, const QString& title,
                     const QStringList& heads, const QSize& minimum) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(title);
    list->setFont(fonts::SansSerif(10.5));
    list->setMinimumSize(minimum);
    list->setHeaderLabels(heads);
    list->header()->setStyleSheet(kListHeaderStyle);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(true);
    list->setRootIsDecorated(false);
    list->setIndentation(0);
    list->setAlternatingRowColors(true);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// A card of the hand; one the hold throws away faded, so the kept ones stand out.
QPixmap HandCard(const QPixmap& picture, bool kept) {
    QPixmap face = picture;
    if (!kept) {
        QPainter painter(&face);
        painter.fillRect(QRect(QPoint(), kHandCardSize), QColor(255, 255, 255, 170));
    }
    return face;
}

// A screen reader reads each cell with its column's name: "Average pay: 5.0290".
void NameCells(const QTreeWidget& list, QTreeWidgetItem& row) {
    row.setFlags(row.flags() | Qt::ItemNeverHasChildren);
    for (int column = 0; column < list.columnCount(); ++column)
        row.setData(column, Qt::AccessibleTextRole,
                    list.headerItem()->text(column) + QStringLiteral(": ") + row.text(column));
}

// A whole number of credits, or its exact fraction.
QString ExactText(const Fraction& value) {
    return QString::fromStdString(value.denominator == 1 ? value.Decimal(0) : value.Text());
}

}  // namespace

AnalyserWindow::AnalyserWindow(QWidget* mainWindow, AnalysedTable table)
    : QWidget(mainWindow), table_(std::move(table)) {
    SetUpSizableWindow(this, Qt::Tool, QStringLiteral("Analyse a Hand"), kSize, Qt::white);
    const QFont sentenceFont = fonts::Garamond(12.75);

    deck_ = new DeckPicker(this);
    cardsEdit_ = new QLineEdit(this);
    cardsEdit_->setObjectName(QStringLiteral("cardsEdit"));
    cardsEdit_->setAccessibleName(QStringLiteral("Five cards"));
    cardsEdit_->setPlaceholderText(QStringLiteral("Ah 2c 5d 9s Kh"));
    cardsEdit_->setFont(fonts::SansSerif(12));
    QPushButton* analyse = AddButton(this, QStringLiteral("analyseButton"),
                                     QStringLiteral("&Analyse"), QRect(), kOrange);
    analyse->setFixedSize(kOkSize);
    messageLabel_ = AddLabel(this, QStringLiteral("messageLabel"), QString(), QRect(), sentenceFont,
                             Qt::AlignLeft | Qt::AlignTop, Qt::black);
    messageLabel_->setTextFormat(Qt::PlainText);
    messageLabel_->setMinimumWidth(240);
    voice_ = new Announcer(*this);
    const QString at = table_.name.isEmpty() ? QString() : QStringLiteral(", at ") + table_.name;
    const QString unit = QStringLiteral(
                             "Every figure is exact, over every draw%1: pays and average "
                             "pays in credits for a stake of %2.")
                             .arg(at)
                             .arg(table_.stake);
    QLabel* unitLabel =
        AddLabel(this, QStringLiteral("unitLabel"), unit, QRect(), fonts::Garamond(11, false),
                 Qt::AlignLeft | Qt::AlignTop, Qt::black);

    holdsList_ =
        AddList(this, QStringLiteral("holdsList"), QStringLiteral("Every hold, best first"),
                {QStringLiteral("Rank"), QStringLiteral("Keep"), QStringLiteral("Average pay"),
                 QStringLiteral("Exact"), QStringLiteral("Chart line")},
                kHoldsMinimumSize);
    const std::array<int, 4> holdWidths = {44, 110, 96, 124};
    for (int column = 0; column < int(holdWidths.size()); ++column)
        holdsList_->setColumnWidth(column, holdWidths[std::size_t(column)]);
    holdsList_->setColumnHidden(kLineColumn, table_.chart == nullptr);
    holdLabel_ = AddLabel(this, QStringLiteral("holdLabel"), QString(), QRect(), sentenceFont,
                          Qt::AlignLeft | Qt::AlignVCenter, Qt::black, kSentenceGround);
    holdLabel_->setTextFormat(Qt::PlainText);
    holdLabel_->setMargin(4);
    finalsList_ = AddList(
        this, QStringLiteral("finalsList"), QStringLiteral("Final hands of the selected hold"),
        {QStringLiteral("Final hand"), QStringLiteral("Pays"), QStringLiteral("Ways"),
         QStringLiteral("Probability"), QStringLiteral("Return")},
        kFinalsMinimumSize);
    const std::array<int, 4> finalWidths = {162, 56, 70, 96};
    for (int column = 0; column < int(finalWidths.size()); ++column)
        finalsList_->setColumnWidth(column, finalWidths[std::size_t(column)]);
    finalsList_->setSelectionMode(QAbstractItemView::NoSelection);
    finalsList_->headerItem()->setToolTip(
        kReturnColumn, QStringLiteral("Probability times pay: the rows add up to the average pay"));

    QPushButton* ok = AddOkButton(this, QRect(QPoint(), kOkSize));
    ok->setFixedSize(kOkSize);
    PressedByEscape(ok);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(analyse, &QPushButton::clicked, this, &AnalyserWindow::AnalyseTyped);
    connect(cardsEdit_, &QLineEdit::returnPressed, this, &AnalyserWindow::AnalyseTyped);
    connect(deck_, &DeckPicker::PickedChanged, this, &AnalyserWindow::Deck_PickedChanged);
    connect(deck_, &DeckPicker::HandFull, this, [this] {
        Say(QStringLiteral("Five cards are picked: click one of them to put it back first."), true);
    });
    connect(holdsList_, &QTreeWidget::currentItemChanged, this, &AnalyserWindow::ShowFinals);

    // The deck beside the typed cards and what to do; the holds beside the selected one's
    // final hands, both taking what the window gains or loses.
    auto* typing = new QHBoxLayout;
    typing->addWidget(cardsEdit_, 1);
    typing->addWidget(analyse);
    auto* hand = new QHBoxLayout;
    for (std::size_t slot = 0; slot < pHand_.size(); ++slot) {
        pHand_[slot] = new QLabel(this);
        pHand_[slot]->setObjectName(QStringLiteral("pHand_%1").arg(slot));
        pHand_[slot]->setFixedSize(kHandCardSize);
        hand->addWidget(pHand_[slot]);
    }
    hand->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addWidget(
        AddHeading(this, QStringLiteral("lblTitle"), QStringLiteral("Analyse a Hand"), QRect()));
    side->addLayout(typing);
    side->addLayout(hand);
    side->addWidget(messageLabel_, 1);
    side->addWidget(unitLabel);
    auto* top = new QHBoxLayout;
    top->addWidget(deck_, 0, Qt::AlignTop);
    top->addSpacing(6);
    top->addLayout(side, 1);
    auto* selected = new QVBoxLayout;
    selected->addWidget(holdLabel_);
    selected->addWidget(finalsList_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(holdsList_, 3);
    bottom->addLayout(selected, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addLayout(top);
    layout->addLayout(bottom, 1);
    layout->addWidget(ok, 0, Qt::AlignRight);

    if (table_.advisor && table_.advisor->pays() == table_.pays) {
        advisor_ = table_.advisor;
    } else {
        tables_ = std::make_unique<PerfectPlay>(table_.pays);
        connect(tables_.get(), &PerfectPlay::AdvisorReady, this, &AnalyserWindow::TablesReady);
        connect(tables_.get(), &PerfectPlay::Failed, this, [this] {
            Say(QStringLiteral("The exact values could not be worked out: %1")
                    .arg(tables_->Failure()),
                true);
        });
        tables_->Start();
    }
    Forget();
    cardsEdit_->setFocus();
}

void AnalyserWindow::SetChart(const modcards::analysis::StrategyChart* chart) {
    if (chart == table_.chart) return;
    table_.chart = chart;
    holdsList_->setColumnHidden(kLineColumn, chart == nullptr);
    if (!analysis_) return;
    const int row =
        holdsList_->currentItem() ? holdsList_->indexOfTopLevelItem(holdsList_->currentItem()) : 0;
    analysis_ = modcards::analysis::AnalyzeHand(*advisor_, analysis_->dealt, chart);
    ShowHolds();
    holdsList_->setCurrentItem(holdsList_->topLevelItem(row));
}

void AnalyserWindow::TablesReady() {
    advisor_ = tables_->SharedAdvisor();
    if (waiting_) Analyse(*std::exchange(waiting_, std::nullopt));
}

void AnalyserWindow::AnalyseTyped() {
    const TypedHand typed = ReadTypedHand(cardsEdit_->text());
    if (!typed.hand) {
        Say(typed.error, true);
        return;
    }
    deck_->SetPicked({typed.hand->begin(), typed.hand->end()});
    Analyse(*typed.hand);
}

void AnalyserWindow::Deck_PickedChanged() {
    const std::vector<modcards::Card>& picked = deck_->Picked();
    cardsEdit_->setText(QString::fromStdString(modcards::FormatCards(picked)));
    if (picked.size() < 5) {
        Forget();
        return;
    }
    modcards::Hand dealt;
    std::copy(picked.begin(), picked.end(), dealt.begin());
    Analyse(dealt);
}

void AnalyserWindow::Analyse(const modcards::Hand& dealt) {
    if (!advisor_) {
        waiting_ = dealt;
        Say(QStringLiteral("Working out the exact values of this table: a moment."));
        return;
    }
    analysis_ = modcards::analysis::AnalyzeHand(*advisor_, dealt, table_.chart);
    Say(QStringLiteral("Pick a hold to see how its draws end."));
    ShowHolds();
    emit Analysed();
}

// Fewer than five cards: no holds to show.
void AnalyserWindow::Forget() {
    analysis_.reset();
    waiting_.reset();
    holdsList_->clear();
    ShowFinals();
    const auto more = 5 - deck_->Picked().size();
    Say(deck_->Picked().empty()
            ? QStringLiteral("Click five cards in the deck, or type them and press Enter.")
            : QStringLiteral("Pick %1 more card%2.").arg(more).arg(more == 1 ? "" : "s"));
}

void AnalyserWindow::ShowHolds() {
    const auto& holds = analysis_->holds;
    holdsList_->clear();
    for (std::size_t i = 0; i < holds.size(); ++i) {
        const HoldAnalysis& entry = holds[i];
        const bool tied = (i > 0 && holds[i - 1].hold.rank == entry.hold.rank) ||
                          (i + 1 < holds.size() && holds[i + 1].hold.rank == entry.hold.rank);
        const Fraction credits = InCredits(entry.hold.ExpectedPay(table_.pays), table_.stake);
        auto* row = new QTreeWidgetItem(holdsList_);
        row->setText(kRankColumn, QString::number(entry.hold.rank) + (tied ? "=" : ""));
        row->setText(kKeepColumn,
                     KeptCards(analysis_->dealt, HoldHint{entry.hold.keptSlots, 0, 0, false}));
        row->setText(kPayColumn, DecimalText(credits, kDecimals));
        row->setText(kExactColumn, ExactText(credits));
        for (const int column : {kRankColumn, kPayColumn, kExactColumn})
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (table_.chart)
            row->setText(kLineColumn, entry.chartLine >= 0
                                          ? ChartLineTitle(*table_.chart, entry.chartLine)
                                          : QString::fromStdString(entry.chartText));
        row->setToolTip(kLineColumn, row->text(kLineColumn));
        NameCells(*holdsList_, *row);
    }
    holdsList_->setCurrentItem(holdsList_->topLevelItem(0));
}

void AnalyserWindow::ShowFinals() {
    finalsList_->clear();
    const int row =
        holdsList_->currentItem() ? holdsList_->indexOfTopLevelItem(holdsList_->currentItem()) : -1;
    if (!analysis_ || row < 0) {
        holdLabel_->setText(QStringLiteral("No hold selected."));
        holdLabel_->setAccessibleName(holdLabel_->text());
        ShowHand(0x1F);
        return;
    }
    const HoldAnalysis& entry = analysis_->holds[std::size_t(row)];
    ShowHand(entry.hold.keptSlots);
    const modcards::analysis::Pays& pays = table_.pays;
    const Fraction average = InCredits(entry.hold.ExpectedPay(pays), table_.stake);
    std::int64_t ways = 0;
    for (int i = 1; i <= modcards::kCategoryCount; ++i) {
        const auto category = modcards::HandCategory(i % modcards::kCategoryCount);
        const std::int64_t count = entry.finals[std::size_t(category)];
        const Fraction pay = InCredits(
            Fraction::Of(pays.perCategory[std::size_t(category)], pays.unit), table_.stake);
        const Fraction chance = entry.Probability(category);
        auto* line = new QTreeWidgetItem(finalsList_);
        line->setText(kHandColumn, FinalHandName(category));
        line->setText(kPaysColumn, DecimalText(pay, 2));
        line->setText(kWaysColumn, WaysText(count));
        line->setText(kChanceColumn, DecimalText(chance, kProbabilityDecimals));
        line->setText(kReturnColumn, DecimalText(Fraction::Of(pay.numerator * chance.numerator,
                                                              pay.denominator * chance.denominator),
                                                 kDecimals));
        ways += count;
    }
    auto* all = new QTreeWidgetItem(finalsList_);
    all->setText(kHandColumn, QStringLiteral("All draws"));
    all->setText(kWaysColumn, WaysText(ways));
    all->setText(kChanceColumn, DecimalText(Fraction::Of(ways, entry.hold.drawCount), 0));
    all->setText(kReturnColumn, DecimalText(average, kDecimals));
    for (int i = 0; i < finalsList_->topLevelItemCount(); ++i)
        NameCells(*finalsList_, *finalsList_->topLevelItem(i));
    QFont bold = finalsList_->font();
    bold.setBold(true);
    for (int column = 0; column < finalsList_->columnCount(); ++column) {
        all->setFont(column, bold);
        for (int i = 0; i < finalsList_->topLevelItemCount(); ++i)
            if (column != kHandColumn)
                finalsList_->topLevelItem(i)->setTextAlignment(column,
                                                               Qt::AlignRight | Qt::AlignVCenter);
    }
    QString text =
        QStringLiteral("Keep %1: %2 credits on average over %3 draws")
            .arg(KeptCards(analysis_->dealt, HoldHint{entry.hold.keptSlots, 0, 0, false}),
                 DecimalText(average, kDecimals), WaysText(entry.hold.drawCount));
    if (table_.chart) text += QStringLiteral("; ") + holdsList_->currentItem()->text(kLineColumn);
    holdLabel_->setText(text + u'.');
    holdLabel_->setAccessibleName(holdLabel_->text());
}

void AnalyserWindow::ShowHand(std::uint8_t kept) {
    std::vector<modcards::Card> cards = deck_->Picked();
    if (analysis_) cards.assign(analysis_->dealt.begin(), analysis_->dealt.end());
    for (std::size_t slot = 0; slot < pHand_.size(); ++slot) {
        QLabel* card = pHand_[slot];
        if (slot >= cards.size()) {
            card->clear();
            card->setAccessibleName(QString());
            continue;
        }
        const bool keeps = (kept >> slot) & 1u;
        QPixmap& face = faces_.at(std::size_t(cards[slot].Suit * 13 + cards[slot].Value - 1));
        if (face.isNull()) face = CardPicture(cards[slot], kHandCardSize, devicePixelRatioF());
        card->setPixmap(HandCard(face, keeps));
        card->setAccessibleName(CardName(cards[slot]) + (keeps ? QString() : ", thrown away"));
    }
}

void AnalyserWindow::Say(const QString& message, bool refusal) {
    messageLabel_->setText(message);
    messageLabel_->setAccessibleName(message);
    QPalette palette = messageLabel_->palette();
    palette.setColor(QPalette::WindowText, refusal ? kRefusal : QColor(Qt::black));
    messageLabel_->setPalette(palette);
    // A screen reader leaves a label's new words unspoken while the focus is elsewhere.
    if (refusal) voice_->Say(message);
}
