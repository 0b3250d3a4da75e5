// Rows of a tree view that grow to show every word of a long cell on as many lines as it needs,
// at whatever width its column has: Qt's own word wrap measures a row before the column's width
// is known and then cuts the words it has no room for.
#pragma once

class QTreeView;

// From now on `view` wraps its cells' words, each row as tall as its columns' widths need,
// measured again as a column resizes.
void WrapRowsOf(QTreeView& view);
