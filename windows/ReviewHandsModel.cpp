// The rows of the review's hand lists: the deal, the hold taken, the best hold and the cost.
#include "windows/ReviewHandsModel.h"

#include <QStringList>

#include "game/ReviewTexts.h"

namespace {

enum Column { kDealt, kHeld, kBest, kCost, kColumnCount };

const QStringList kHeadings = {QStringLiteral("Dealt"), QStringLiteral("Your Hold"),
                               QStringLiteral("Best Hold"), QStringLiteral("Cost")};

QString CellText(const history::HandRecord& hand, int column) {
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

void ReviewHandsModel::SetHands(const std::vector<history::HandRecord>* hands) {
    beginResetModel();
    hands_ = hands;
    endResetModel();
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
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ReviewHandsModel::data(const QModelIndex& index, int role) const {
    const history::HandRecord* hand = Hand(index.row());
    if (!hand) return {};
    if (role == Qt::TextAlignmentRole && index.column() == kCost)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const QString text = CellText(*hand, index.column());
    // A screen reader reads a cell with its column's name: "Your Hold: 9♣ 9♦".
    if (role == Qt::AccessibleTextRole) return kHeadings.value(index.column()) + ": " + text;
    return text;
}

QVariant ReviewHandsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
    if (role == Qt::DisplayRole) return kHeadings[section];
    if (role == Qt::TextAlignmentRole && section == kCost)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}
