// The chart saved for printing or reading: a PDF page by page, or plain text.
#pragma once

#include <QString>
#include <QStringList>

// Write `rows` (ChartTextRows) to `path` whole or not at all: as UTF-8 text, a row a line, or
// as an A4 PDF, the first row and each row after an empty one in bold. Empty when written;
// otherwise why not, in words for the player.
QString WriteChartText(const QString& path, const QStringList& rows);
QString WriteChartPdf(const QString& path, const QStringList& rows);
