// The rows of the review's hand lists: the table when there are several, the deal, the hold
// taken, the best hold and the cost.
#include "windows/ReviewHandsModel.h"

#include <QStringList>

#include "game/PracticeTable.h"
#include "game/ReviewTexts.h"

namespace {

enum Column { kTable, kDealt, kHeld, kBest, kCost, kColumnCount };

const QStringList kHeadings = {QStringLiteral("Table"), QStringLiteral("Dealt"),
                               QStringLiteral("Your Hold"), QStringLiteral("Best Hold"),
                               QStringLiteral("Cost")};

QString CellText(const history::HandRecord& hand, int column) {
    if (column == kTable) return TableName(QString::fromStdString(hand.pays));
    const ReviewRow row = ReviewRowOf(hand);
    switch (column) {
        case kDealt:
            return row.dealt;
        case kHeld:
            return row.held;
        case kBest:
            return row.best;
        case kCost:
            return row.cost;
    }
    return {};
}

}  // namespace

void ReviewHandsModel::SetHands(const std::vector<history::HandRecord>* hands, bool withTable) {
    beginResetModel();
    hands_ = hands;
    withTable_ = withTable;
    endResetModel();
}

int ReviewHandsModel::Column(int section) const {
    return withTable_ ? section : section + 1;
}

const history::HandRecord* ReviewHandsModel::Hand(int row) const {
    if (!hands_ || row < 0 || row >= rowCount()) return nullptr;
    return &(*hands_)[std::size_t(row)];
}

int ReviewHandsModel::RowOf(std::int64_t id) const {
    for (int row = 0; row < rowCount(); ++row)
        if (Hand(row)->id == id) return row;
    return -1;
}

int ReviewHandsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !hands_ ? 0 : int(hands_->size());
}

int ReviewHandsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount - (withTable_ ? 0 : 1);
}

QVariant ReviewHandsModel::data(const QModelIndex& index, int role) const {
    const history::HandRecord* hand = Hand(index.row());
    if (!hand) return {};
    const int column = Column(index.column());
    if (role == Qt::TextAlignmentRole && column == kCost)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const QString text = CellText(*hand, column);
    // A screen reader reads a cell with its column's name: "Your Hold: 9♣ 9♦".
    if (role == Qt::AccessibleTextRole) return kHeadings.value(column) + ": " + text;
    return text;
}

QVariant ReviewHandsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const int column = Column(section);
    if (role == Qt::DisplayRole) return kHeadings[column];
    if (role == Qt::TextAlignmentRole && column == kCost)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}
