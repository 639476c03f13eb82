// Renders the program's SVG icon as the PNG sizes of the hicolor icon theme:
//   quorbel_iconpng <icon.svg> <output folder> <size>...
// writes <output folder>/<size>x<size>/apps/<icon name>.png for each size.
#include <cstdlib>
#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fputs("usage: quorbel_iconpng <icon.svg> <output folder> <size>...\n", stderr);
        return EXIT_FAILURE;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return EXIT_FAILURE;
    }
    const QString name = QFileInfo(args[1]).completeBaseName() + QStringLiteral(".png");
    for (const QString& sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) || !image.save(folder + QLatin1Char('/') + name)) {
            std::fprintf(stderr, "cannot write the %s icon\n", qPrintable(sizeText));
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
