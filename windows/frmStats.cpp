// The statistics window.
#include "windows/frmStats.h"

#include <QCloseEvent>
#include <QPushButton>

#include "accounts/StatsText.h"
#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "controls/NameLabel.h"
#include "controls/OnScreen.h"
#include "controls/Twips.h"
#include "controls/ValueLabel.h"
#include "windows/WindowLook.h"

namespace {

const QColor kOrange{255, 192, 128};
const QColor kDeepOrange{255, 128, 0};

constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 3495;
constexpr int kCountLeft = 3720;
constexpr int kValueLeft = 4800;
constexpr int kValueWidth = 600;
constexpr int kRowHeight = 270;

// A date is wider than the value column: its label reaches left towards the captions and
// keeps the column's right edge.
constexpr int kDateLeft = 3120;

// One row of the window: its caption label and up to two value labels (-1 for none).
struct Row {
    int top;
    int caption;
    int count;  // a count in the middle column
    int value;  // a single value or a percentage in the right column
};

// Top to bottom. The label numbers follow the record's field order, not the screen's.
constexpr Row kRows[] = {
    {720, 0, -1, 0},    {960, 1, -1, 1},    {1200, 3, -1, 3},   {1440, 5, -1, 4},
    {2520, 4, 5, 19},   {2760, 7, 6, 20},   {3000, 6, 7, 21},   {3240, 9, 8, 22},
    {3480, 8, 9, 23},   {3720, 11, 10, 24}, {3960, 10, 11, 25}, {4200, 12, 12, 26},
    {4440, 13, 13, 27}, {4680, 14, 14, 28}, {5280, 15, -1, 16}, {5520, 17, -1, 17},
    {5760, 16, -1, 15},
};

// Captions by lblSts index; 2 belongs to the pair that is never shown.
const char* const kCaptions[18] = {
    "Date Account Created ",
    "Credits Available",
    "Total Credits Won/Lost ",
    "Hands Played",
    "Royal Flushes",
    "Hands Won",
    "Royal Flush w/2's",
    "4 Deuces",
    "Straight Flushes",
    "5 of a Kind",
    "Full House",
    "4 of a Kind",
    "Flushes",
    "Straights",
    "3 of a Kind",
    "Last Royal Flush w/2's Won",
    "Last Royal Flush Won",
    "Last 4 Deuces Won",
};

constexpr int kHiddenPair = 2;
const QString kOverallCaption = QStringLiteral("Overall Win Percentage");
const QString kWonHead = QStringLiteral("Won");
const QString kWinPercentHead = QStringLiteral("Win %");
constexpr int kOverallPercent = 18;
constexpr bool IsDateValue(int index) {
    return index == 0 || (index >= 15 && index <= 17);
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Unless told otherwise a label is transparent, in the window-text colour.
template <typename Label = QLabel>
Label* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                const QFont& font, Qt::Alignment alignment) {
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

// Orange with a flat single-line border: the name strip and the column heads.
void MakeBoxed(QLabel* label) {
    SetColour(label, QPalette::Window, kOrange);
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

QRect ValuePlace(int index, int left, int top) {
    if (IsDateValue(index)) {
        return TwipsRect(kDateLeft, top, kValueLeft + kValueWidth - kDateLeft, kRowHeight);
    }
    return TwipsRect(left, top, kValueWidth, kRowHeight);
}

}  // namespace

frmStats::frmStats(QWidget* mainWindow)
    : QWidget(mainWindow,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
    setWindowTitle("Statistics");
    setWindowIcon(artwork::AppIcon());
    setFixedSize(TwipsToPixels(8175), TwipsToPixels(6090));
    setAttribute(Qt::WA_DeleteOnClose);
    SetColour(this, QPalette::Window, Qt::white);
    setAutoFillBackground(true);
    setFont(fonts::SansSerif());

    const QFont labelFont = fonts::Garamond(12);
    const QFont headFont = fonts::SansSerif();

    lblpname_ =
        AddLabel<NameLabel>(this, "lblpname_0", "Default Player", TwipsRect(80, 120, 8025, 525),
                            fonts::Aardvark(15.75), Qt::AlignLeft | Qt::AlignVCenter);
    MakeBoxed(lblpname_);

    for (int i = 0; i < static_cast<int>(lblSts_.size()); ++i) {
        lblSts_[i] = AddLabel(this, QString("lblSts_%1").arg(i), kCaptions[i],
                              TwipsRect(kCaptionLeft, 0, kCaptionWidth, kRowHeight), labelFont,
                              Qt::AlignLeft);
        SetColour(lblSts_[i], QPalette::WindowText, Qt::black);
    }
    QLabel* winPct = AddLabel(this, "lblWinPct", kOverallCaption, TwipsRect(120, 1680, 2460, 270),
                              labelFont, Qt::AlignLeft);
    SetColour(winPct, QPalette::WindowText, Qt::black);
    // Each value reads with its row's caption, and a category row's with its column head too.
    const auto addValue = [&](int index, QLabel* caption, const QString& column) {
        auto* value = new ValueLabel(*caption, column, this);
        value->setObjectName(QString("lblval_%1").arg(index));
        value->setText("Value");
        value->setFont(labelFont);
        value->setAlignment(Qt::AlignRight | Qt::AlignTop);
        SetColour(value, QPalette::WindowText, Qt::black);
        lblval_[static_cast<std::size_t>(index)] = value;
        return value;
    };
    for (const Row& row : kRows) {
        QLabel* caption = lblSts_[row.caption];
        caption->move(TwipsToPixels(kCaptionLeft), TwipsToPixels(row.top));
        if (row.count >= 0)
            addValue(row.count, caption, kWonHead)
                ->setGeometry(ValuePlace(row.count, kCountLeft, row.top));
        addValue(row.value, caption, row.count >= 0 ? kWinPercentHead : QString())
            ->setGeometry(ValuePlace(row.value, kValueLeft, row.top));
    }
    addValue(kHiddenPair, lblSts_[kHiddenPair], {})->hide();
    lblSts_[kHiddenPair]->hide();
    addValue(kOverallPercent, winPct, {})
        ->setGeometry(ValuePlace(kOverallPercent, kValueLeft, 1680));

    MakeBoxed(AddLabel(this, "lblrankedhands", "Ranked Hands", TwipsRect(120, 2160, 3015, 255),
                       headFont, Qt::AlignLeft));
    MakeBoxed(AddLabel(this, "lblWon", kWonHead, TwipsRect(3240, 2160, 1095, 255), headFont,
                       Qt::AlignHCenter));
    MakeBoxed(AddLabel(this, "lblwinpercent", kWinPercentHead, TwipsRect(4440, 2160, 975, 255),
                       headFont, Qt::AlignHCenter));

    QLabel* web =
        AddLabel(this, "Label4",
                 "Be Sure To Check Out Our Web Site for Tips, Strategies, Updates  and More. ",
                 TwipsRect(5880, 840, 2055, 3495), fonts::Aardvark(14.25), Qt::AlignLeft);
    web->setWordWrap(true);
    SetColour(web, QPalette::WindowText, kDeepOrange);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(TwipsRect(6840, 5400, 1125, 450));
    ok->setFont(fonts::Aardvark(14.25));
    SetColour(ok, QPalette::Button, kOrange);
    connect(ok, &QPushButton::clicked, this, &frmStats::cmdOK_Click);
    winlook::PressedByEscape(ok);
    KeepOnScreen(*this);
}

void frmStats::Fill(const output::PlayerRecord& record, const QLocale& locale) {
    using namespace output;
    // The counters shown by lblval(3) to lblval(14), in record order.
    const int counters[] = {record.HandsPlayed,     record.HandsWon,     record.RoyalFlushes,
                            record.FourDeuces,      record.DeuceRoyals,  record.FiveOfAKinds,
                            record.StraightFlushes, record.FourOfAKinds, record.FullHouses,
                            record.Flushes,         record.Straights,    record.ThreeOfAKinds};
    constexpr int kFirstCounter = 3;
    constexpr int kFirstCategory = 2;  // RoyalFlushes within counters
    constexpr int kFirstCategoryPercent = 19;
    const int played = record.HandsPlayed;

    lblpname_->setText(DisplayName(record));
    lblval_[0]->setText(DateText(record.DateCreated, locale));
    lblval_[1]->setText(IntegerText(record.Credits));
    for (int i = 0; i < 12; ++i) lblval_[kFirstCounter + i]->setText(IntegerText(counters[i]));
    lblval_[15]->setText(LastWinText(record.LastRoyalFlush, locale));
    lblval_[16]->setText(LastWinText(record.LastDeuceRoyal, locale));
    lblval_[17]->setText(LastWinText(record.LastFourDeuces, locale));
    lblval_[kOverallPercent]->setText(PercentText(record.HandsWon, played, locale));
    for (int c = 0; c < 10; ++c) {
        lblval_[kFirstCategoryPercent + c]->setText(
            PercentText(counters[kFirstCategory + c], played, locale));
    }
    // Orca reads a dialog's labels as it opens but for those of one or two words; the window's
    // name says whose statistics they are.
    setAccessibleName(QStringLiteral("Statistics of ") + DisplayName(record));
}

QLabel* frmStats::lblpname(int index) const {
    return index == 0 ? lblpname_ : nullptr;
}
QLabel* frmStats::lblval(int index) const {
    return lblval_.at(static_cast<size_t>(index));
}
QLabel* frmStats::lblSts(int index) const {
    return lblSts_.at(static_cast<size_t>(index));
}

void frmStats::cmdOK_Click() {
    hide();
    if (mainWindow_) {
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
}

void frmStats::closeEvent(QCloseEvent* event) {
    cmdOK_Click();
    event->accept();  // the window unloads
}
