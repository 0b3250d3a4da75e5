// What a screen reader hears of the table: each control named after what it shows now.
#pragma once

#include <QString>

#include "engine/Card.h"
#include "game/ResultDisplay.h"
#include "table/TableDesign.h"

// Names every control of the table after what it shows: the deal button by its face ("Deal",
// "Draw") and described by the caption strip, the caption strip by its words, each half of the
// pay chart by its rows and its lit row, each shown card by rank, suit and "held", the balance and
// the player's name with their captions. `shown` is the card each card box shows, in table order.
// Only names that change are set, and a client hears each change as a name-changed event.
void DescribeTable(const TableControls& c, const modcards::Hand& shown);

// A half of the pay chart showing `picture` of its list, read as its rows: "Pay table: 4 of a
// Kind + 20 Credits, ..." with no row lit, else "Pay table, lit: Flush + 15 Credits. 4 of a Kind
// + 20 Credits, ...".
QString ChartName(ChartHalf half, int picture);
// The rows of that half, top to bottom: "4 of a Kind + 20 Credits, Full House + 20 Credits, ...".
QString ChartRows(ChartHalf half);
