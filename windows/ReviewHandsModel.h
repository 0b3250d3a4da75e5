// The rows of the review's mistakes and close calls lists, made as they are shown, so that a
// history with thousands of mistakes opens at once.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "game/history/HandRecord.h"

class ReviewHandsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Lists `hands`, which must stay as they are until the next call; `withTable` adds a first
    // column naming the table each was played at (TableName), for hands of several tables.
    void SetHands(const std::vector<history::HandRecord>* hands, bool withTable = false);
    bool WithTable() const { return withTable_; }
    // The hand of a row, or nullptr.
    const history::HandRecord* Hand(int row) const;
    // The row of the hand numbered `id`, or -1.
    int RowOf(std::int64_t id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int Column(int section) const;  // the column of a section, the table's counted or not

    const std::vector<history::HandRecord>* hands_ = nullptr;
    bool withTable_ = false;
};
