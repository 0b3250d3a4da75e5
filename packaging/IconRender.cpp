// Build-time tool: writes the game's icon as the PNG files of an icon theme.
// Usage: deuceswild-icon-render THEME_DIR ICON_NAME SIZE...
// Each size S becomes THEME_DIR/SxS/apps/ICON_NAME.png, exactly S by S pixels.
#include "assets/Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cstdio>

namespace {

constexpr int kLargestSize = 1024;

// The icon as an image of exactly size x size: a theme entry of another size is ignored by
// desktops, so a pixmap the icon could not give at that size is scaled and centred.
QImage RenderAtSize(const QIcon& icon, int size) {
    const QImage picture = icon.pixmap(QSize(size, size), 1.0).toImage();
    if (picture.size() == QSize(size, size)) {
        return picture.convertToFormat(QImage::Format_ARGB32);
    }
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    if (picture.isNull()) {
        return canvas;
    }
    const QImage fitted = picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&canvas);
    painter.drawImage((size - fitted.width()) / 2, (size - fitted.height()) / 2, fitted);
    return canvas;
}

bool HasVisiblePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

bool WriteIcon(const QIcon& icon, const QString& themeDir, const QString& name, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create the folder %s\n", qPrintable(folder));
        return false;
    }
    const QImage image = RenderAtSize(icon, size);
    if (!HasVisiblePixel(image)) {
        std::fprintf(stderr, "the icon painted nothing at %d pixels\n", size);
        return false;
    }
    const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s THEME_DIR ICON_NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QIcon icon = artwork::AppIcon();
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool isNumber = false;
        const int size = args[i].toInt(&isNumber);
        if (!isNumber || size < 1 || size > kLargestSize) {
            std::fprintf(stderr, "not an icon size (1 to %d): %s\n", kLargestSize,
                         qPrintable(args[i]));
            return 2;
        }
        if (!WriteIcon(icon, args[1], args[2], size)) {
            return 1;
        }
    }
    return 0;
}
