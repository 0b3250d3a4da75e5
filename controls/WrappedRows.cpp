// Rows measured at their columns' widths.
#include "controls/WrappedRows.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView& view) : QStyledItemDelegate(&view), view_(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        cell.features |= QStyleOptionViewItem::WrapText;
        // The style wraps only within a valid rectangle: the cell's width, any height.
        cell.rect = QRect(0, 0, CellWidth(index), 1);
        const QWidget* widget = option.widget ? option.widget : &view_;
        return widget->style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), widget);
    }

private:
    // A row whose first cell spans the row (a heading) has the whole row's width.
    int CellWidth(const QModelIndex& index) const {
        if (view_.isFirstColumnSpanned(index.row(), index.parent()))
            return view_.header()->length();
        return view_.header()->sectionSize(index.column());
    }

    QTreeView& view_;
};

}  // namespace

void WrapRowsOf(QTreeView& view) {
    view.setWordWrap(true);
    view.setTextElideMode(Qt::ElideNone);
    view.setUniformRowHeights(false);
    view.setItemDelegate(new WrappingDelegate(view));
    // A column stretched by its window is resized without the rows being measured again, which
    // would leave rows as tall as an earlier, narrower column made them.
    QObject::connect(view.header(), &QHeaderView::sectionResized, &view,
                     [&view] { view.doItemsLayout(); });
}
