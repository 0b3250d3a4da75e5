// The session review window.
#include "windows/frmReview.h"

#include <QHeaderView>
#include <QPushButton>

#include "assets/Fonts.h"
#include "controls/NameLabel.h"
#include "controls/Twips.h"
#include "game/ReviewTexts.h"
#include "game/history/HoldGrade.h"
#include "windows/WindowLook.h"

using namespace winlook;

namespace {

// Places in pixels, as twips for the shared look.
QRect Place(int left, int top, int width, int height) {
    return TwipsRect(PixelsToTwips(left), PixelsToTwips(top), PixelsToTwips(width),
                     PixelsToTwips(height));
}

constexpr int kFigureTop = 54, kFigureHeight = 20;
constexpr int kHandId = Qt::UserRole;
const QColor kSentenceGround(255, 240, 222);

const QString kHeaderStyle = QStringLiteral(
    "QHeaderView::section { background: #ffc080; border: 0; border-right: 1px solid #d09060;"
    " padding: 2px 4px; font-weight: bold; }");

constexpr std::array<int, 4> kColumnWidths = {128, 104, 104, 80};
const QStringList kColumns = {QStringLiteral("Dealt"), QStringLiteral("Your Hold"),
                              QStringLiteral("Best Hold"), QStringLiteral("Cost")};

}  // namespace

frmReview::frmReview(QWidget* mainWindow, int stake, ReviewSource source)
    : QWidget(mainWindow), source_(std::move(source)) {
    SetUpFixedWindow(this, Qt::Tool, QStringLiteral("Session Review"), PixelsToTwips(800),
                     PixelsToTwips(606), Qt::white);

    lblpname_ = new NameLabel(QString(), this);
    lblpname_->setObjectName(QStringLiteral("lblpname"));
    lblpname_->setGeometry(Place(8, 8, 460, 34));
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
    tabScope_->setGeometry(Place(480, 12, 312, 30));
    tabScope_->setExpanding(true);

    const QFont figureFont = fonts::Garamond(12);
    const QStringList captions = [] {
        QStringList texts;
        for (const ReviewFigure& figure : ReviewFigures({})) texts << figure.caption;
        return texts;
    }();
    for (int i = 0; i < kFigureCount; ++i) {
        const int top = kFigureTop + i * kFigureHeight;
        captions_[i] = AddLabel(this, QStringLiteral("lblCaption_%1").arg(i), captions[i],
                                Place(8, top, 186, kFigureHeight), figureFont,
                                Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
        figures_[i] = AddLabel(this, QStringLiteral("lblFigure_%1").arg(i), QString(),
                               Place(196, top, 116, kFigureHeight), figureFont,
                               Qt::AlignRight | Qt::AlignVCenter, Qt::black);
        figures_[i]->setWordWrap(false);
    }
    lblSentence_ = AddLabel(this, QStringLiteral("lblSentence"), QString(),
                            Place(8, kFigureTop + kFigureCount * kFigureHeight + 6, 304, 98),
                            fonts::Garamond(12.75), Qt::AlignLeft | Qt::AlignVCenter, Qt::black,
                            kSentenceGround);
    lblSentence_->setMargin(6);
    lblSentence_->setTextFormat(Qt::PlainText);

    plot_ = new BalancePlot(this);
    plot_->setGeometry(Place(320, 50, 472, 242));

    AddHeading(this, QStringLiteral("lblMistakes"), QStringLiteral("Mistakes, Worst First"),
               Place(8, 300, 440, 25));
    lstMistakes_ = AddHandList(QStringLiteral("lstMistakes"),
                               QStringLiteral("Mistakes, worst first"), Place(8, 326, 440, 130));
    // Within a hundredth of a credit of the best: worth knowing, but no mistake.
    QLabel* closeCalls =
        AddHeading(this, QStringLiteral("lblCloseCalls"),
                   QStringLiteral("Close Calls (within %1 credit)").arg(history::kCloseCallCredits),
                   Place(8, 462, 440, 25));
    closeCalls->setToolTip(
        QStringLiteral("Holds worth less than the best by under %1 credit: not counted as "
                       "mistakes")
            .arg(history::kCloseCallCredits));
    lstCloseCalls_ =
        AddHandList(QStringLiteral("lstCloseCalls"), QStringLiteral("Close calls, not mistakes"),
                    Place(8, 488, 440, 78));

    deal_ = new ReviewDealPanel(this, stake);
    deal_->setGeometry(Place(456, 300, 336, 266));

    QPushButton* ok = AddOkButton(this, Place(680, 572, 112, 28));
    connect(ok, &QPushButton::clicked, this, &frmReview::cmdOK_Click);
    connect(tabScope_, &QTabBar::currentChanged, this, &frmReview::tabScope_Change);

    Refresh();
}

QTreeWidget* frmReview::AddHandList(const QString& name, const QString& accessibleName,
                                    const QRect& place) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setGeometry(place);
    list->setColumnCount(int(kColumns.size()));
    list->setHeaderLabels(kColumns);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStyleSheet(kHeaderStyle);
    list->header()->setSectionsMovable(false);
    list->header()->setSectionResizeMode(QHeaderView::Fixed);
    list->header()->setStretchLastSection(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Room for every column beside a vertical scroll bar.
    for (int column = 0; column < int(kColumnWidths.size()); ++column)
        list->setColumnWidth(column, kColumnWidths[std::size_t(column)]);
    list->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    list->setFont(fonts::SansSerif(9));
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this, list] { ShowSelected(list); });
    return list;
}

ReviewScope frmReview::Scope() const {
    return tabScope_->currentIndex() == 1 ? ReviewScope::AllSessions : ReviewScope::ThisSession;
}

void frmReview::tabScope_Change(int) {
    Refresh();
}

void frmReview::cmdOK_Click() {
    close();
}

void frmReview::Refresh() {
    std::int64_t selected = 0;
    for (QTreeWidget* list : {lstMistakes_, lstCloseCalls_})
        if (!list->selectedItems().isEmpty())
            selected = list->selectedItems().front()->data(0, kHandId).toLongLong();
    page_ = source_(Scope());
    Fill();
    SelectHand(selected);
}

void frmReview::Fill() {
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
    lblSentence_->setText(sentence);
    lblSentence_->setAccessibleName(sentence);
    plot_->SetBalance(review.balance);
    FillList(lstMistakes_, review.mistakes);
    FillList(lstCloseCalls_, review.closeCalls);
}

void frmReview::FillList(QTreeWidget* list, const std::vector<history::HandRecord>& hands) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const history::HandRecord& hand : hands) {
        const ReviewRow row = ReviewRowOf(hand);
        auto* item =
            new QTreeWidgetItem(list, QStringList{row.dealt, row.held, row.best, row.cost});
        item->setData(0, kHandId, QVariant::fromValue<qlonglong>(hand.id));
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
}

// Selects the hand `id` in whichever list holds it, else the worst mistake, else the first
// close call; the deal panel follows.
void frmReview::SelectHand(std::int64_t id) {
    QTreeWidgetItem* chosen = nullptr;
    for (QTreeWidget* list : {lstMistakes_, lstCloseCalls_})
        for (int row = 0; row < list->topLevelItemCount() && !chosen; ++row)
            if (list->topLevelItem(row)->data(0, kHandId).toLongLong() == id)
                chosen = list->topLevelItem(row);
    if (!chosen) chosen = lstMistakes_->topLevelItem(0);
    if (!chosen) chosen = lstCloseCalls_->topLevelItem(0);
    if (!chosen) {
        deal_->ShowMessage(page_.review.handsPlayed == 0
                               ? QStringLiteral("No hands played yet.")
                               : QStringLiteral("No mistakes and no close calls: every hold "
                                                "was the best."));
        return;
    }
    chosen->treeWidget()->setCurrentItem(chosen);
    chosen->setSelected(true);
    ShowSelected(chosen->treeWidget());
}

void frmReview::ShowSelected(QTreeWidget* list) {
    if (list->selectedItems().isEmpty()) return;
    QTreeWidget* other = list == lstMistakes_ ? lstCloseCalls_ : lstMistakes_;
    {
        const QSignalBlocker quiet(other);
        other->clearSelection();
    }
    const std::int64_t id = list->selectedItems().front()->data(0, kHandId).toLongLong();
    const auto& hands = list == lstMistakes_ ? page_.review.mistakes : page_.review.closeCalls;
    const auto hand = std::find_if(hands.begin(), hands.end(),
                                   [&](const history::HandRecord& h) { return h.id == id; });
    if (hand == hands.end()) return;
    if (!page_.advisor) {
        deal_->ShowMessage(QStringLiteral("Working out the best holds\u2026"));
        return;
    }
    deal_->ShowHand(*hand, *page_.advisor);
}
