// The session review window.
#include "windows/frmReview.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <numeric>

#include "assets/Fonts.h"
#include "controls/NameLabel.h"
#include "controls/Twips.h"
#include "engine/analysis/GameChart.h"
#include "game/DrillTexts.h"
#include "game/LeakTexts.h"
#include "game/PracticeTable.h"
#include "game/ReviewTexts.h"
#include "game/history/HoldGrade.h"
#include "windows/WindowLook.h"

using namespace winlook;

namespace {

// Where the screen has room; on a small one the lists are shorter and scroll.
constexpr QSize kSize(800, 660);
constexpr int kFigureHeight = 20, kCaptionWidth = 188, kFigureWidth = 116;
constexpr int kSentenceMinimumHeight = 72;
constexpr QSize kPlotMinimumSize(240, 160), kDealMinimumSize(336, 250), kListMinimumSize(300, 60);
constexpr QSize kOkSize(112, 28);

constexpr std::array<int, 4> kColumnWidths = {128, 104, 104, 80};
constexpr int kCellPadding = 16;  // a cell's margins and the header's section lines

}  // namespace

frmReview::frmReview(QWidget* mainWindow, int stake, ReviewSource source)
    : QWidget(mainWindow), source_(std::move(source)), stake_(stake) {
    SetUpSizableWindow(this, Qt::Tool, QStringLiteral("Session Review"), kSize, Qt::white);

    lblpname_ = new NameLabel(QString(), this);
    lblpname_->setObjectName(QStringLiteral("lblpname"));
    lblpname_->setFixedHeight(34);
    lblpname_->setFont(fonts::Aardvark(15.75));
    lblpname_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblpname_->setAutoFillBackground(true);
    lblpname_->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette strip = lblpname_->palette();
    strip.setColor(QPalette::Window, kOrange);
    lblpname_->setPalette(strip);

    tabScope_ = new QTabBar(this);
    tabScope_->setObjectName(QStringLiteral("tabScope"));
    tabScope_->setAccessibleName(QStringLiteral("Hands reviewed"));
    tabScope_->addTab(QStringLiteral("This Session"));
    tabScope_->addTab(QStringLiteral("All Sessions"));
    tabScope_->setFont(fonts::Aardvark(11.25, false));
    tabScope_->setFixedSize(312, 30);
    tabScope_->setExpanding(true);

    cboTable_ = new QComboBox(this);
    cboTable_->setObjectName(QStringLiteral("cboTable"));
    cboTable_->setAccessibleName(QStringLiteral("Hands at which table"));
    cboTable_->setFont(fonts::SansSerif(9));
    cboTable_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboTable_->hide();  // until SetTables

    const QFont figureFont = fonts::Garamond(12);
    const QStringList captions = [] {
        QStringList texts;
        for (const ReviewFigure& figure : ReviewFigures({})) texts << figure.caption;
        return texts;
    }();
    auto* figureRows = new QGridLayout;
    figureRows->setSpacing(0);
    for (int i = 0; i < kFigureCount; ++i) {
        captions_[i] = AddLabel(this, QStringLiteral("lblCaption_%1").arg(i), captions[i], QRect(),
                                figureFont, Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
        figures_[i] = AddLabel(this, QStringLiteral("lblFigure_%1").arg(i), QString(), QRect(),
                               figureFont, Qt::AlignRight | Qt::AlignVCenter, Qt::black);
        figures_[i]->setWordWrap(false);
        captions_[i]->setFixedSize(kCaptionWidth, kFigureHeight);
        figures_[i]->setFixedSize(kFigureWidth, kFigureHeight);
        figureRows->addWidget(captions_[i], i, 0);
        figureRows->addWidget(figures_[i], i, 1);
    }
    lblSentence_ =
        AddLabel(this, QStringLiteral("lblSentence"), QString(), QRect(), fonts::Garamond(12.75),
                 Qt::AlignLeft | Qt::AlignVCenter, Qt::black, kSentenceGround);
    lblSentence_->setMargin(6);
    lblSentence_->setTextFormat(Qt::PlainText);
    lblSentence_->setMinimumHeight(kSentenceMinimumHeight);
    lblSentence_->setFixedWidth(kCaptionWidth + kFigureWidth);

    plot_ = new BalancePlot(this);
    plot_->setMinimumSize(kPlotMinimumSize);
    // The mistakes grouped by what they teach, and their cost session by session, beside the
    // balance.
    lstLeaks_ = new QListWidget(this);
    lstLeaks_->setObjectName(QStringLiteral("lstLeaks"));
    lstLeaks_->setAccessibleName(QStringLiteral("Mistakes grouped by chart line, costliest first"));
    lstLeaks_->setWordWrap(true);
    lstLeaks_->setAlternatingRowColors(true);
    lstLeaks_->setFont(fonts::SansSerif(9));
    trend_ = new LeakTrendPlot(this);
    views_ = new QTabWidget(this);
    views_->setObjectName(QStringLiteral("tabViews"));
    views_->setFont(fonts::SansSerif(9));
    views_->addTab(plot_, QStringLiteral("Balance"));
    views_->addTab(lstLeaks_, QStringLiteral("Leaks"));
    views_->addTab(trend_, QStringLiteral("Trend"));

    lblMistakes_ = AddHeading(this, QStringLiteral("lblMistakes"), QString(), QRect());
    lstMistakes_ = AddHandList(&mistakes_, QStringLiteral("lstMistakes"),
                               QStringLiteral("Mistakes, worst first"));
    // Within a hundredth of a credit of the best: worth knowing, but no mistake.
    QLabel* closeCalls = AddHeading(
        this, QStringLiteral("lblCloseCalls"),
        QStringLiteral("Close Calls (within %1 credit)").arg(history::kCloseCallCredits), QRect());
    closeCalls->setToolTip(
        QStringLiteral("Holds worth less than the best by under %1 credit: not counted as "
                       "mistakes")
            .arg(history::kCloseCallCredits));
    lstCloseCalls_ = AddHandList(&closeCalls_, QStringLiteral("lstCloseCalls"),
                                 QStringLiteral("Close calls, not mistakes"));
    // The chart's own hold where the chart is not the best: the chart's fault, not the player's.
    QLabel* exceptions =
        AddHeading(this, QStringLiteral("lblChartExceptions"),
                   QStringLiteral("The Chart's Exceptions (you followed it)"), QRect());
    exceptions->setToolTip(
        QStringLiteral("Deals where the strategy chart's hold is worth less than the best: "
                       "following the chart is not counted as a mistake"));
    lstChartExceptions_ = AddHandList(&chartExceptions_, QStringLiteral("lstChartExceptions"),
                                      QStringLiteral("The chart's exceptions, not mistakes"));

    deal_ = new ReviewDealPanel(this, stake);
    deal_->setMinimumSize(kDealMinimumSize);

    cmdExport_ = new QPushButton(QStringLiteral("Export\u2026"), this);
    cmdExport_->setObjectName(QStringLiteral("cmdExport"));
    cmdExport_->setAccessibleDescription(
        QStringLiteral("Saves every hand of the sessions shown, drills too, as comma-separated "
                       "values"));
    cmdExport_->setFixedSize(kOkSize);
    cmdExport_->setEnabled(false);
    connect(cmdExport_, &QPushButton::clicked, this, &frmReview::ExportHands);
    QPushButton* ok = AddOkButton(this, QRect(QPoint(), kOkSize));
    ok->setFixedSize(kOkSize);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    PressedByEscape(ok);
    connect(tabScope_, &QTabBar::currentChanged, this, &frmReview::ScopeChanged);
    connect(cboTable_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });

    // The name and the scope; the figures and the sentence beside the balance; the hands beside
    // the deal of the one selected. The plot and the lists take what the window gains or loses.
    auto* top = new QHBoxLayout;
    top->addWidget(lblpname_, 1);
    top->addWidget(cboTable_);
    top->addWidget(tabScope_);
    auto* summary = new QVBoxLayout;
    summary->addLayout(figureRows);
    summary->addSpacing(6);
    summary->addWidget(lblSentence_, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(summary);
    middle->addWidget(views_, 1);
    // The headings keep to one line: a heading that wrapped would take a height the window's
    // least size does not know of, and overlap the sentence above.
    for (QLabel* heading : {lblMistakes_, closeCalls, exceptions}) heading->setWordWrap(false);
    auto* lists = new QVBoxLayout;
    lists->setSpacing(1);
    lists->addWidget(lblMistakes_);
    lists->addWidget(lstMistakes_, 5);
    lists->addSpacing(6);
    lists->addWidget(closeCalls);
    lists->addWidget(lstCloseCalls_, 3);
    lists->addSpacing(6);
    lists->addWidget(exceptions);
    lists->addWidget(lstChartExceptions_, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(lists, 1);
    bottom->addWidget(deal_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addLayout(top);
    layout->addLayout(middle, 4);
    layout->addLayout(bottom, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExport_);
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    Fill();
}

QTreeView* frmReview::AddHandList(ReviewHandsModel* rows, const QString& name,
                                  const QString& accessibleName) {
    auto* list = new QTreeView(this);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setModel(rows);
    FitColumns(list, 0);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->header()->setStyleSheet(kListHeaderStyle);
    list->header()->setSectionsMovable(false);
    list->header()->setSectionResizeMode(QHeaderView::Fixed);
    list->header()->setStretchLastSection(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFont(fonts::SansSerif(9));
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, list] { ShowSelected(list); });
    return list;
}

// Every column stays in sight, the cost last, however narrow the window is made: the list is
// never narrower than its columns beside a vertical scroll bar.
void frmReview::FitColumns(QTreeView* list, int tableWidth) {
    const int columns = tableWidth + std::accumulate(kColumnWidths.begin(), kColumnWidths.end(), 0);
    list->setMinimumSize(std::max(kListMinimumSize.width(),
                                  columns + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                      2 * list->frameWidth()),
                         kListMinimumSize.height());
    const int first = tableWidth > 0 ? 1 : 0;
    if (first == 1) list->setColumnWidth(0, tableWidth);
    for (int column = 0; column < int(kColumnWidths.size()); ++column)
        list->setColumnWidth(first + column, kColumnWidths[std::size_t(column)]);
}

int frmReview::TableColumnWidth() const {
    const QFontMetrics metrics(fonts::SansSerif(9));
    const QFontMetrics heading(lstMistakes_->header()->font());
    int widest = heading.horizontalAdvance(QStringLiteral("Table"));
    for (const std::string& pays : page_.review.tables)
        widest =
            std::max(widest, metrics.horizontalAdvance(TableName(QString::fromStdString(pays))));
    return widest + kCellPadding;
}

ReviewScope frmReview::Scope() const {
    return tabScope_->currentIndex() == 1 ? ReviewScope::AllSessions : ReviewScope::ThisSession;
}

void frmReview::SetTables(const QStringList& labels, const QStringList& keys) {
    const QString chosen = TableKey();
    {
        const QSignalBlocker quiet(cboTable_);
        cboTable_->clear();
        for (qsizetype i = 0; i < labels.size() && i < keys.size(); ++i)
            cboTable_->addItem(labels[i], keys[i]);
        cboTable_->setCurrentIndex(std::max(0, cboTable_->findData(chosen)));
    }
    cboTable_->setVisible(cboTable_->count() > 0);
}

QString frmReview::TableKey() const {
    return cboTable_->currentData().toString();
}

void frmReview::ScopeChanged(int) {
    Refresh();
}

void frmReview::SetExport(ReviewExport exportHands) {
    export_ = std::move(exportHands);
    cmdExport_->setEnabled(bool(export_));
}

void frmReview::ExportHands() {
    if (export_) export_(Scope());
}

void frmReview::Refresh() {
    if (!busy_) selected_ = SelectedHand();
    busy_ = true;
    ShowBusy();
    source_(Scope());
}

void frmReview::ShowPage(ReviewPage page) {
    page_ = std::move(page);
    busy_ = false;
    unsetCursor();
    Fill();
    SelectHand(selected_);
    emit FiguresShown();
}

void frmReview::ShowLeaks(history::Leaks leaks) {
    if (busy_) return;  // the page asked for will hold them
    page_.leaks = std::move(leaks);
    FillLeaks();
}

void frmReview::FillLeaks() {
    const QString current = lstLeaks_->currentItem() ? lstLeaks_->currentItem()->text() : QString();
    lstLeaks_->clear();
    const modcards::analysis::StrategyChart& chart =
        page_.grading.chart ? *page_.grading.chart : modcards::analysis::GameChart();
    for (const history::LeakGroup& group : page_.leaks.WorstFirst()) {
        const auto drills = page_.leaks.drills.find(history::KeyOf(group));
        auto* item = new QListWidgetItem(LeakSentence(chart, group) + u'\n' +
                                         LeakExampleText(group) + u'\n' +
                                         GroupDrillsText(drills != page_.leaks.drills.end()
                                                             ? drills->second
                                                             : std::vector<history::DrillTally>{}));
        item->setToolTip(LeakExampleText(group));
        lstLeaks_->addItem(item);
        if (item->text() == current) lstLeaks_->setCurrentItem(item);
    }
    if (page_.leaks.otherTables > 0) {
        lstLeaks_->addItem(OtherTablesLeaksText(page_.leaks.otherTables));
    } else if (lstLeaks_->count() == 0) {
        lstLeaks_->addItem(page_.review.handsPlayed == 0
                               ? QStringLiteral("No hands played yet.")
                               : QStringLiteral("No mistakes: no leaks."));
    }
    trend_->SetSessions(page_.leaks.sessions);
}

void frmReview::AddHands(const std::vector<history::HandRecord>& hands, const QString& problem) {
    if (busy_) return;  // the page asked for will hold them
    for (const history::HandRecord& hand : hands)
        if (hand.id > page_.review.lastHand)
            history::FoldHand(page_.review, hand, stake_, page_.grading);
    if (!problem.isEmpty()) page_.problem = problem;
    const std::int64_t selected = SelectedHand();
    Fill(true);
    SelectHand(selected);
    emit FiguresShown();
}

// The sentence is read whole, whatever the window's size: its box is as tall as its words
// wrapped to its width take, and the window's least height grows with it.
void frmReview::ShowSentence(const QString& sentence) {
    lblSentence_->setText(sentence);
    lblSentence_->setAccessibleName(sentence);
    lblSentence_->setMinimumHeight(
        std::max(kSentenceMinimumHeight, lblSentence_->heightForWidth(lblSentence_->width())));
}

// The figures blank and the lists empty until the page comes: nothing stale looks current.
void frmReview::ShowBusy() {
    setCursor(Qt::BusyCursor);
    page_.review = {};
    page_.leaks = {};
    Fill();
    for (QLabel* figure : figures_) figure->setText(QStringLiteral("…"));
    const QString reading = QStringLiteral("Reading the hand history…");
    ShowSentence(reading);
    deal_->ShowMessage(reading);
}

std::int64_t frmReview::SelectedHand() const {
    for (QTreeView* list : HandLists()) {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        if (rows.isEmpty()) continue;
        const auto* rowsModel = static_cast<const ReviewHandsModel*>(list->model());
        if (const history::HandRecord* hand = rowsModel->Hand(rows.front().row())) return hand->id;
    }
    return 0;
}

void frmReview::Fill(bool grown) {
    const history::SessionReview& review = page_.review;
    lblpname_->setText(page_.player);
    const std::vector<ReviewFigure> figures = ReviewFigures(review);
    for (int i = 0; i < kFigureCount; ++i) {
        figures_[i]->setText(figures[i].value);
        figures_[i]->setAccessibleName(figures[i].caption + QStringLiteral(": ") +
                                       figures[i].value);
    }
    QString sentence = QString::fromStdString(history::ResultSentence(review));
    if (!page_.problem.isEmpty()) sentence += u'\n' + page_.problem;
    ShowSentence(sentence);
    plot_->SetCaption(
        review.tables.size() > 1
            ? QStringLiteral("Your balance at %1 tables added together").arg(review.tables.size())
            : QString());
    if (grown) {
        plot_->BalanceGrew();
    } else {
        plot_->SetBalance(review.balance);
    }
    // A long history lists its costliest mistakes only; the figures count them all.
    const auto listed = static_cast<std::int64_t>(review.mistakes.size());
    const QLocale numbers(QLocale::English);
    lblMistakes_->setText(listed < review.mistakeCount
                              ? QStringLiteral("Mistakes, Worst %1 of %2")
                                    .arg(numbers.toString(qlonglong(listed)),
                                         numbers.toString(qlonglong(review.mistakeCount)))
                              : QStringLiteral("Mistakes, Worst First"));
    // Hands of several tables say each where it was played.
    const bool withTable = review.tables.size() > 1;
    mistakes_.SetHands(&review.mistakes, withTable);
    closeCalls_.SetHands(&review.closeCalls, withTable);
    chartExceptions_.SetHands(&review.chartExceptions, withTable);
    const int tableWidth = withTable ? TableColumnWidth() : 0;
    for (QTreeView* list : HandLists()) FitColumns(list, tableWidth);
    FillLeaks();
}

std::array<QTreeView*, 3> frmReview::HandLists() const {
    return {lstMistakes_, lstCloseCalls_, lstChartExceptions_};
}

// Selects the hand `id` in whichever list holds it, else the worst mistake, else the first
// close call, else the chart's worst exception; the deal panel follows.
void frmReview::SelectHand(std::int64_t id) {
    QTreeView* list = nullptr;
    int row = -1;
    for (QTreeView* candidate : HandLists()) {
        row = static_cast<const ReviewHandsModel*>(candidate->model())->RowOf(id);
        if (row >= 0) {
            list = candidate;
            break;
        }
    }
    if (!list) {
        row = 0;
        if (mistakes_.rowCount() > 0)
            list = lstMistakes_;
        else if (closeCalls_.rowCount() > 0)
            list = lstCloseCalls_;
        else if (chartExceptions_.rowCount() > 0)
            list = lstChartExceptions_;
    }
    if (!list) {
        deal_->ShowMessage(page_.review.handsPlayed == 0
                               ? QStringLiteral("No hands played yet.")
                               : QStringLiteral("No mistakes and no close calls: every hold "
                                                "was the best."));
        return;
    }
    list->setCurrentIndex(list->model()->index(row, 0));
}

void frmReview::ShowSelected(QTreeView* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    for (QTreeView* other : HandLists()) {
        if (other == list) continue;
        const QSignalBlocker quiet(other->selectionModel());
        other->selectionModel()->clear();
        other->viewport()->update();
    }
    const history::HandRecord* hand =
        static_cast<const ReviewHandsModel*>(list->model())->Hand(rows.front().row());
    if (!hand) return;
    if (!page_.advisor) {
        deal_->ShowMessage(QStringLiteral("Working out the best holds\u2026"));
        return;
    }
    deal_->ShowHand(*hand, *page_.advisor, page_.grading);
}
