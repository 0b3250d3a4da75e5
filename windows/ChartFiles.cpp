// The chart's files, written beside and renamed over the target by QSaveFile, so a failed
// write leaves whatever the target held.
#include "windows/ChartFiles.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "assets/Fonts.h"

namespace {

QString Failure(const QString& path, const QString& why) {
    return QStringLiteral("The chart could not be saved to \"%1\": %2").arg(path, why);
}

// Opens `file`, lets `write` fill it and commits it; the failure in words, or empty.
template <typename Write>
QString SaveWhole(const QString& path, Write write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Failure(path, file.errorString());
    if (!write(file)) {
        file.cancelWriting();
        return Failure(path, file.errorString().isEmpty() ? QStringLiteral("the PDF writer failed")
                                                          : file.errorString());
    }
    if (!file.commit()) return Failure(path, file.errorString());
    return {};
}

}  // namespace

QString WriteChartText(const QString& path, const QStringList& rows) {
    return SaveWhole(path, [&rows](QSaveFile& file) {
        const QByteArray text = (rows.join(u'\n') + u'\n').toUtf8();
        return file.write(text) == text.size();
    });
}

QString WriteChartPdf(const QString& path, const QStringList& rows) {
    return SaveWhole(path, [&rows](QSaveFile& file) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(144);
        pdf.setTitle(rows.value(0));
        pdf.setCreator(QStringLiteral("Deuces Wild"));
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
        const QRect area(0, 0, page.width(), page.height());
        // In points: the windows' faces are sized in screen pixels, half size at 144 dpi.
        QFont plain = fonts::Garamond(11, false), bold = fonts::Garamond(12.5, true);
        plain.setPointSizeF(11);
        bold.setPointSizeF(12.5);
        int y = 0;
        for (int i = 0; i < rows.size(); ++i) {
            const bool heading = i == 0 || rows[i - 1].isEmpty();
            painter.setFont(heading ? bold : plain);
            const QRect box =
                painter.boundingRect(QRect(0, 0, area.width(), area.height()), Qt::TextWordWrap,
                                     rows[i].isEmpty() ? " " : rows[i]);
            if (y + box.height() > area.height() && y > 0) {
                if (!pdf.newPage()) return false;
                y = 0;
            }
            painter.drawText(QRect(0, y, area.width(), box.height()), Qt::TextWordWrap, rows[i]);
            y += box.height() + (heading ? 4 : 1);
        }
        return painter.end();
    });
}
