// The strategy chart window.
#include "windows/frmChart.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "assets/Fonts.h"
#include "controls/Announcer.h"
#include "controls/Twips.h"
#include "engine/analysis/ChartLine.h"
#include "game/ChartTexts.h"
#include "windows/WindowLook.h"

using namespace winlook;

namespace {

// Where the screen has room; on a small one the list of lines is shorter and scrolls.
constexpr QSize kSize(780, 744), kListMinimumSize(480, 160);
constexpr int kReadingHeight = 128, kReadingMinimumHeight = 64;
constexpr QSize kOkSize(112, 28);
const QColor kSectionGround(255, 224, 192);
const QColor kLitRow(176, 24, 24);  // the hint's lit red
const QString kNoDeal = QStringLiteral("Deal a hand: while you hold, its line is lit here.");

enum Column { kLineColumn, kPlayedColumn, kHoldColumn };

}  // namespace

frmChart::frmChart(QWidget* mainWindow, const modcards::analysis::StrategyChart& chart,
                   const modcards::analysis::ChartAudit& audit)
    : QWidget(mainWindow), chart_(chart) {
    SetUpSizableWindow(this, Qt::Tool, QStringLiteral("Strategy Chart"), kSize, Qt::white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(AddHeading(this, QStringLiteral("lblTitle"),
                                 QStringLiteral("Strategy Chart for This Table"), QRect()));

    const QString cost = ChartCostText(audit);
    lblCost_ = AddLabel(this, QStringLiteral("lblCost"), cost, QRect(), fonts::Garamond(12.75),
                        Qt::AlignLeft | Qt::AlignVCenter, Qt::black, kSentenceGround);
    lblCost_->setMargin(4);
    lblCost_->setAccessibleName(cost);
    layout->addWidget(lblCost_);

    // Two rows at most: the line and whether the hold follows it.
    lblDeal_ = AddLabel(this, QStringLiteral("lblDeal"), QString(), QRect(), fonts::Garamond(12.75),
                        Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
    lblDeal_->setWordWrap(true);
    layout->addWidget(lblDeal_);

    lstChart_ = new QTreeWidget(this);
    lstChart_->setObjectName(QStringLiteral("lstChart"));
    lstChart_->setAccessibleName(
        QStringLiteral("Strategy chart: play the first line your hand makes"));
    lstChart_->setFont(fonts::SansSerif(10.5));
    lstChart_->setMinimumSize(kListMinimumSize);
    lstChart_->setHeaderLabels(
        {QStringLiteral("Line"), QStringLiteral("Played"), QStringLiteral("Hold")});
    lstChart_->header()->setStyleSheet(kListHeaderStyle);
    lstChart_->header()->setSectionsMovable(false);
    lstChart_->setColumnWidth(kLineColumn, 52);
    lstChart_->setColumnWidth(kPlayedColumn, 84);
    lstChart_->setRootIsDecorated(false);
    lstChart_->setItemsExpandable(false);
    lstChart_->setIndentation(0);
    lstChart_->setAlternatingRowColors(true);
    lstChart_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstChart_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstChart_->setWordWrap(true);  // the longest lines take two rows rather than lose words
    lstChart_->headerItem()->setToolTip(kPlayedColumn,
                                        QStringLiteral("How often the line is played: its share "
                                                       "of all 2,598,960 deals"));
    AddSections();
    for (std::size_t line = 0; line < rows_.size(); ++line)
        rows_[line]->setText(kPlayedColumn, ShareOfDeals(audit.dealsPlayed.at(line)));
    for (QTreeWidgetItem* row : rows_) NameCells(*row);
    layout->addWidget(lstChart_, 1);  // the list takes what the window gains or loses

    layout->addSpacing(2);
    layout->addWidget(AddHeading(this, QStringLiteral("lblReading"),
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
    QPushButton* ok = AddOkButton(this, QRect(QPoint(), kOkSize));
    ok->setFixedSize(kOkSize);
    connect(ok, &QPushButton::clicked, this, &frmChart::cmdOK_Click);
    PressedByEscape(ok);
    layout->addWidget(ok, 0, Qt::AlignRight);
    LightLine(-1);
}

// A bold title row per section, then its lines numbered through the whole chart, all in one flat
// list: a screen reader reads each row alone, with no "expanded" on it.
void frmChart::AddSections() {
    const auto& lines = chart_.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || lines[i].deuces != lines[i - 1].deuces) {
            auto* section = new QTreeWidgetItem(lstChart_);
            section->setText(kLineColumn, QString::fromStdString(
                                              modcards::analysis::SectionTitle(lines[i].deuces)));
            section->setFirstColumnSpanned(true);
            QFont bold = lstChart_->font();
            bold.setBold(true);
            section->setFont(kLineColumn, bold);
            section->setBackground(kLineColumn, kSectionGround);
            section->setFlags(Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
        }
        auto* row = new QTreeWidgetItem(lstChart_);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren);
        row->setText(kLineColumn, QString::number(i + 1));
        row->setText(kHoldColumn, QString::fromStdString(lines[i].Text()));
        row->setToolTip(kHoldColumn, row->text(kHoldColumn));
        rows_.push_back(row);
    }
}

// A screen reader reads each cell with its column's name: "Line 41", "Played 3.6153%", "Hold: Two
// pairs".
void frmChart::NameCells(QTreeWidgetItem& row) const {
    const QTreeWidgetItem* headings = lstChart_->headerItem();
    for (int column = 0; column < lstChart_->columnCount(); ++column) {
        const QString separator =
            column == kHoldColumn ? QStringLiteral(": ") : QStringLiteral(" ");
        row.setData(column, Qt::AccessibleTextRole,
                    headings->text(column) + separator + row.text(column));
    }
}

void frmChart::LightLine(int line) {
    Light(line, QString(), true);
}

void frmChart::ShowDeal(int line, const QString& words) {
    Light(line, words, false);
}

void frmChart::Light(int line, const QString& words, bool sayAgain) {
    if (line < -1 || line >= int(rows_.size())) line = -1;
    const QString before = lblDeal_->text();
    if (lit_ >= 0) PaintRow(lit_, false);
    lit_ = line;
    if (lit_ < 0) {
        lblDeal_->setText(kNoDeal);
    } else {
        PaintRow(lit_, true);
        // The lit line is the list's current row, where a screen reader starts reading; left
        // unselected, so that it shows lit.
        lstChart_->setCurrentItem(rows_[std::size_t(lit_)], 0, QItemSelectionModel::Clear);
        lstChart_->scrollToItem(rows_[std::size_t(lit_)], QAbstractItemView::PositionAtCenter);
        lblDeal_->setText(words.isEmpty() ? QStringLiteral("The hand on the table plays ") +
                                                ChartLineTitle(chart_, lit_)
                                          : words);
    }
    lblDeal_->setAccessibleName(lblDeal_->text());
    // Read with the window when it opens; told when a new hand lights a line while it is open,
    // and when a new hold changes the words.
    if (isVisible() && lit_ >= 0 && (sayAgain || lblDeal_->text() != before))
        voice_->Say(lblDeal_->text());
}

void frmChart::PaintRow(int line, bool lit) {
    QTreeWidgetItem* row = rows_[std::size_t(line)];
    QFont font = lstChart_->font();
    font.setBold(lit);
    for (int column = 0; column < lstChart_->columnCount(); ++column) {
        row->setFont(column, font);
        row->setBackground(column, lit ? QBrush(kLitRow) : QBrush());
        row->setForeground(column, lit ? QBrush(Qt::white) : QBrush());
    }
}

void frmChart::cmdOK_Click() {
    close();
}
