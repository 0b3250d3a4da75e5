// The strategy chart window.
#include "windows/ChartWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>

#include "assets/Fonts.h"
#include "controls/Announcer.h"
#include "controls/Twips.h"
#include "controls/WrappedRows.h"
#include "engine/analysis/ChartLine.h"
#include "game/ChartTexts.h"
#include "game/GameDialogs.h"
#include "windows/ChartFiles.h"
#include "windows/WindowLook.h"

using namespace winlook;

namespace {

// Where the screen has room; on a small one the list of lines is shorter and scrolls.
constexpr QSize kSize(820, 744), kListMinimumSize(520, 120);
constexpr int kWorthDigits = 2;  // the tip and the files give four
constexpr int kReadingHeight = 128, kReadingMinimumHeight = 64, kPlotHeight = 150;
constexpr QSize kOkSize(112, 28);
const QColor kSectionGround(255, 224, 192);
const QColor kLitRow(176, 24, 24);  // the hint's lit red
const QString kNoDeal = QStringLiteral("Deal a hand: while you hold, its line is lit here.");
const QStringList kLevelNames = {QStringLiteral("Beginner"), QStringLiteral("Intermediate"),
                                 QStringLiteral("Advanced"), QStringLiteral("Full")};

enum Column { kLineColumn, kPlayedColumn, kHoldColumn, kWorthColumn };

}  // namespace

ChartWindow::ChartWindow(QWidget* mainWindow, const modcards::analysis::StrategyChart& chart,
                         const modcards::analysis::ChartAudit& audit)
    : ChartWindow(mainWindow, {{static_cast<int>(chart.Lines().size()), chart, audit}},
                  {{static_cast<int>(chart.Lines().size()), audit.chartReturn, audit.cost}}) {}

ChartWindow::ChartWindow(QWidget* mainWindow) : ChartWindow(mainWindow, {}, {}) {}

ChartWindow::ChartWindow(QWidget* mainWindow, std::vector<modcards::analysis::ChartLevel> levels,
                         std::vector<modcards::analysis::FrontierPoint> frontier)
    : QWidget(mainWindow) {
    SetUpSizableWindow(this, Qt::Tool, QStringLiteral("Strategy Chart"), kSize, Qt::white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(4);
    titleLabel_ = AddHeading(this, QStringLiteral("titleLabel"),
                             QStringLiteral("Strategy Chart for This Table"), QRect());
    layout->addWidget(titleLabel_);

    progressLabel_ =
        AddLabel(this, QStringLiteral("progressLabel"), QString(), QRect(), fonts::Garamond(12.75),
                 Qt::AlignLeft | Qt::AlignVCenter, Qt::black, kSentenceGround);
    progressLabel_->setMargin(4);
    progressLabel_->setWordWrap(true);
    layout->addWidget(progressLabel_);
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setAccessibleName(QStringLiteral("Progress of the chart's derivation"));
    layout->addWidget(progressBar_);
    HideProgress();

    auto* choice = new QHBoxLayout;
    QLabel* levelCaption =
        AddLabel(this, QStringLiteral("levelLabel"), QStringLiteral("&Level:"), QRect(),
                 fonts::Garamond(12.75), Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
    levelChoice_ = new QComboBox(this);
    levelChoice_->setObjectName(QStringLiteral("levelChoice"));
    levelChoice_->setAccessibleName(QStringLiteral("Chart level"));
    levelChoice_->setFont(fonts::SansSerif(10.5));
    levelCaption->setBuddy(levelChoice_);
    choice->addWidget(levelCaption);
    choice->addWidget(levelChoice_, 1);
    layout->addLayout(choice);

    costLabel_ =
        AddLabel(this, QStringLiteral("costLabel"), QString(), QRect(), fonts::Garamond(12.75),
                 Qt::AlignLeft | Qt::AlignVCenter, Qt::black, kSentenceGround);
    costLabel_->setMargin(4);
    costLabel_->setWordWrap(true);
    layout->addWidget(costLabel_);

    plotFrontier_ = new FrontierPlot(this);
    plotFrontier_->setMaximumHeight(kPlotHeight);
    layout->addWidget(plotFrontier_, 0);

    // Two rows at most: the line and whether the hold follows it.
    dealLabel_ = AddLabel(this, QStringLiteral("dealLabel"), QString(), QRect(),
                          fonts::Garamond(12.75), Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
    dealLabel_->setWordWrap(true);
    layout->addWidget(dealLabel_);

    chartList_ = new QTreeWidget(this);
    chartList_->setObjectName(QStringLiteral("chartList"));
    chartList_->setAccessibleName(
        QStringLiteral("Strategy chart: play the first line your hand makes"));
    chartList_->setFont(fonts::SansSerif(10.5));
    chartList_->setMinimumSize(kListMinimumSize);
    chartList_->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Played"),
                                 QStringLiteral("Hold"), QStringLiteral("Worth")});
    chartList_->header()->setStyleSheet(kListHeaderStyle);
    chartList_->header()->setSectionsMovable(false);
    chartList_->setColumnWidth(kLineColumn, 52);
    chartList_->setColumnWidth(kPlayedColumn, 84);
    chartList_->header()->setStretchLastSection(false);
    chartList_->header()->setSectionResizeMode(kHoldColumn, QHeaderView::Stretch);
    chartList_->setColumnWidth(kWorthColumn, 150);
    chartList_->setRootIsDecorated(false);
    chartList_->setItemsExpandable(false);
    chartList_->setIndentation(0);
    chartList_->setAlternatingRowColors(true);
    chartList_->setSelectionMode(QAbstractItemView::SingleSelection);
    chartList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    WrapRowsOf(*chartList_);  // the longest lines take two rows rather than lose words
    chartList_->headerItem()->setToolTip(kPlayedColumn,
                                         QStringLiteral("How often the line is played: its share "
                                                        "of all 2,598,960 deals"));
    chartList_->headerItem()->setToolTip(
        kWorthColumn, QStringLiteral("What the holds the line plays are worth: their exact "
                                     "expected pay in credits for a 5-credit stake, lowest to "
                                     "highest"));
    layout->addWidget(chartList_, 1);  // the list takes what the window gains or loses

    layout->addSpacing(2);
    layout->addWidget(AddHeading(this, QStringLiteral("readingLabel"),
                                 QStringLiteral("How to Read the Chart"), QRect()));
    QStringList notes;
    for (const std::string& note : modcards::analysis::ChartReadingNotes())
        notes << QStringLiteral("\u2022 ") + QString::fromStdString(note);
    auto* reading = AddTextBox(this, QStringLiteral("txtReading"), notes.join('\n'), QRect(),
                               fonts::Garamond(11, false));
    reading->setAccessibleName(QStringLiteral("How to read the chart"));
    reading->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    reading->setMinimumHeight(kReadingMinimumHeight);
    reading->setMaximumHeight(kReadingHeight);
    layout->addWidget(reading);

    voice_ = new Announcer(*this);
    auto* buttons = new QHBoxLayout;
    savePdfButton_ = AddButton(this, QStringLiteral("savePdfButton"),
                               QStringLiteral("Save as &PDF\u2026"), QRect());
    saveTextButton_ = AddButton(this, QStringLiteral("saveTextButton"),
                                QStringLiteral("Save as &Text\u2026"), QRect());
    for (QPushButton* save : {savePdfButton_, saveTextButton_}) {
        save->setFixedHeight(kOkSize.height());
        save->hide();  // until AllowSaving
        buttons->addWidget(save);
    }
    buttons->addStretch(1);
    QPushButton* ok = AddOkButton(this, QRect(QPoint(), kOkSize));
    ok->setFixedSize(kOkSize);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(savePdfButton_, &QPushButton::clicked, this, &ChartWindow::SavePdf);
    connect(saveTextButton_, &QPushButton::clicked, this, &ChartWindow::SaveText);
    PressedByEscape(ok);

    connect(levelChoice_, &QComboBox::currentIndexChanged, this, &ChartWindow::ChooseLevel);
    SetCharts(std::move(levels), std::move(frontier));
}

void ChartWindow::SetCharts(std::vector<modcards::analysis::ChartLevel> levels,
                            std::vector<modcards::analysis::FrontierPoint> frontier,
                            const QString& table) {
    levels_ = std::move(levels);
    table_ = table;
    titleLabel_->setText(table_.isEmpty() ? QStringLiteral("Strategy Chart for This Table")
                                          : QStringLiteral("Strategy Chart for %1").arg(table_));
    std::vector<int> budgets;
    for (const auto& level : levels_) budgets.push_back(level.lines);
    plotFrontier_->SetFrontier(std::move(frontier), budgets);
    {
        const QSignalBlocker quiet(levelChoice_);
        levelChoice_->clear();
        AddLevels();
    }
    levelChoice_->setEnabled(HasChart());
    for (QPushButton* save : {savePdfButton_, saveTextButton_}) save->setEnabled(HasChart());
    if (HasChart()) {
        ChooseLevel(static_cast<int>(levels_.size()) - 1);
        return;
    }
    lit_ = -1;
    chartList_->clear();
    rows_.clear();
    costLabel_->clear();
    dealLabel_->clear();
}

void ChartWindow::ShowProgress(const QString& words, int done, int total) {
    progressLabel_->setText(words);
    progressLabel_->setAccessibleName(words);
    progressBar_->setRange(0, total);
    progressBar_->setValue(done);
    if (progressLabel_->isHidden() && isVisible()) voice_->Say(words);
    progressLabel_->show();
    progressBar_->show();
}

void ChartWindow::HideProgress() {
    progressLabel_->hide();
    progressBar_->hide();
}

QString ChartWindow::LevelName(int level) const {
    if (level == static_cast<int>(levels_.size()) - 1) return kLevelNames.back();
    if (levels_.size() == static_cast<std::size_t>(kLevelNames.size())) return kLevelNames[level];
    return QStringLiteral("Level %1").arg(level + 1);
}

void ChartWindow::AddLevels() {
    for (int level = 0; level < static_cast<int>(levels_.size()); ++level)
        levelChoice_->addItem(LevelText(LevelName(level), levels_[std::size_t(level)]));
}

const modcards::analysis::StrategyChart& ChartWindow::Chart() const {
    return levels_.at(std::size_t(level_)).chart;
}

const modcards::analysis::ChartAudit& ChartWindow::Audit() const {
    return levels_.at(std::size_t(level_)).audit;
}

// The list shows the chosen chart afresh; the lit line goes, since its number changes.
void ChartWindow::ChooseLevel(int level) {
    if (level < 0 || level >= static_cast<int>(levels_.size())) return;
    level_ = level;
    if (levelChoice_->currentIndex() != level) levelChoice_->setCurrentIndex(level);
    lit_ = -1;
    chartList_->clear();
    rows_.clear();
    AddSections();
    FillRows();
    const QString cost = ChartCostText(Audit());
    costLabel_->setText(cost);
    costLabel_->setAccessibleName(cost);
    plotFrontier_->MarkLevel(levels_[std::size_t(level_)].lines, LevelName(level_));
    LightLine(-1);
    emit LevelChosen();
}

// A bold title row per section, then its lines numbered through the whole chart, all in one flat
// list: a screen reader reads each row alone, with no "expanded" on it.
void ChartWindow::AddSections() {
    const auto& lines = Chart().Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || lines[i].deuces != lines[i - 1].deuces) {
            auto* section = new QTreeWidgetItem(chartList_);
            section->setText(kLineColumn, QString::fromStdString(
                                              modcards::analysis::SectionTitle(lines[i].deuces)));
            section->setFirstColumnSpanned(true);
            QFont bold = chartList_->font();
            bold.setBold(true);
            section->setFont(kLineColumn, bold);
            section->setBackground(kLineColumn, kSectionGround);
            section->setFlags(Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
        }
        auto* row = new QTreeWidgetItem(chartList_);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren);
        row->setText(kLineColumn, QString::number(i + 1));
        row->setText(kHoldColumn, QString::fromStdString(lines[i].Text()));
        row->setToolTip(kHoldColumn, row->text(kHoldColumn));
        rows_.push_back(row);
    }
}

// A screen reader reads each cell with its column's name: "Line 41", "Played 3.6153%", "Hold: Two
// pairs".
void ChartWindow::NameCells(QTreeWidgetItem& row) const {
    const QTreeWidgetItem* headings = chartList_->headerItem();
    for (int column = 0; column < chartList_->columnCount(); ++column) {
        const QString separator =
            column == kHoldColumn ? QStringLiteral(": ") : QStringLiteral(" ");
        row.setData(column, Qt::AccessibleTextRole,
                    headings->text(column) + separator + row.text(column));
    }
}

// How often each line is played, and what it is worth with a deal that plays it.
void ChartWindow::FillRows() {
    const modcards::analysis::ChartAudit& audit = Audit();
    for (std::size_t line = 0; line < rows_.size(); ++line) {
        QTreeWidgetItem* row = rows_[line];
        row->setText(kPlayedColumn, ShareOfDeals(audit.dealsPlayed.at(line)));
        if (line >= audit.worth.size() || !audit.worth[line].played) continue;
        const modcards::analysis::LineWorth& worth = audit.worth[line];
        row->setText(kWorthColumn, LineWorthText(worth, kWorthDigits));
        const QString detail = QStringLiteral(
                                   "Worth %1 credits for a 5-credit stake; for "
                                   "example %2")
                                   .arg(LineWorthText(worth), LineExampleText(worth));
        row->setToolTip(kWorthColumn, detail);
        row->setToolTip(kHoldColumn, row->text(kHoldColumn) + u'\n' + detail);
    }
    for (QTreeWidgetItem* row : rows_) NameCells(*row);
}

void ChartWindow::LightLine(int line) {
    Light(line, QString(), true);
}

void ChartWindow::ShowDeal(int line, const QString& words) {
    Light(line, words, false);
}

void ChartWindow::Light(int line, const QString& words, bool sayAgain) {
    if (line < -1 || line >= int(rows_.size())) line = -1;
    const QString before = dealLabel_->text();
    if (lit_ >= 0) PaintRow(lit_, false);
    lit_ = line;
    if (lit_ < 0) {
        dealLabel_->setText(kNoDeal);
    } else {
        PaintRow(lit_, true);
        // The lit line is the list's current row, where a screen reader starts reading; left
        // unselected, so that it shows lit.
        chartList_->setCurrentItem(rows_[std::size_t(lit_)], 0, QItemSelectionModel::Clear);
        chartList_->scrollToItem(rows_[std::size_t(lit_)], QAbstractItemView::PositionAtCenter);
        dealLabel_->setText(words.isEmpty() ? QStringLiteral("The hand on the table plays ") +
                                                  ChartLineTitle(Chart(), lit_)
                                            : words);
    }
    dealLabel_->setAccessibleName(dealLabel_->text());
    // Read with the window when it opens; told when a new hand lights a line while it is open,
    // and when a new hold changes the words.
    if (isVisible() && lit_ >= 0 && (sayAgain || dealLabel_->text() != before))
        voice_->Say(dealLabel_->text());
}

void ChartWindow::PaintRow(int line, bool lit) {
    QTreeWidgetItem* row = rows_[std::size_t(line)];
    QFont font = chartList_->font();
    font.setBold(lit);
    for (int column = 0; column < chartList_->columnCount(); ++column) {
        row->setFont(column, font);
        row->setBackground(column, lit ? QBrush(kLitRow) : QBrush());
        row->setForeground(column, lit ? QBrush(Qt::white) : QBrush());
    }
}

void ChartWindow::AllowSaving(Dialogs& dialogs, const QString& folder) {
    dialogs_ = &dialogs;
    saveFolder_ = QDir(folder).absolutePath() + u'/';
    savePdfButton_->show();
    saveTextButton_->show();
}

void ChartWindow::SavePdf() {
    Save(true);
}

void ChartWindow::SaveText() {
    Save(false);
}

// The dialog starts in the folder with no name: it answers the folder itself on Cancel, so
// any file name chosen is the player's.
void ChartWindow::Save(bool pdf) {
    if (!dialogs_ || !HasChart()) return;
    QString path = dialogs_->SaveFileDialog(
        pdf ? QStringLiteral("Save Chart as PDF") : QStringLiteral("Save Chart as Text"),
        saveFolder_);
    if (path.isEmpty() || path == saveFolder_ || path.endsWith(u'/')) return;
    const QString suffix = pdf ? QStringLiteral(".pdf") : QStringLiteral(".txt");
    if (QFileInfo(path).suffix().isEmpty()) path += suffix;
    const QString table = table_.isEmpty() ? QString() : QStringLiteral(", ") + table_;
    const QStringList rows =
        ChartTextRows(QStringLiteral("Deuces Wild strategy chart%1: ").arg(table) +
                          LevelText(LevelName(level_), levels_[std::size_t(level_)]),
                      Chart(), Audit());
    const QString failure = pdf ? WriteChartPdf(path, rows) : WriteChartText(path, rows);
    if (!failure.isEmpty()) ShowError(*dialogs_, failure);
}
