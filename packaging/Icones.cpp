// Renders the program's icon to PNG files at the sizes desktops look for:
// vimra-icones ICONE.svg DOSSIER SIZE... writes DOSSIER/SIZExSIZE/apps/<name of ICONE>.png.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    // A build step: no display needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: vimra-icones ICONE.svg DOSSIER SIZE...\n");
        return 1;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "vimra-icones: cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    const QString nom = QFileInfo(args[1]).completeBaseName() + ".png";
    for (qsizetype i = 3; i < args.size(); ++i) {
        const int n = args[i].toInt();
        if (n <= 0) {
            std::fprintf(stderr, "vimra-icones: bad size %s\n", qPrintable(args[i]));
            return 1;
        }
        QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        const QDir d(QDir(args[2]).filePath(QString("%1x%1/apps").arg(n)));
        if (!QDir().mkpath(d.path()) || !image.save(d.filePath(nom))) {
            std::fprintf(stderr, "vimra-icones: cannot write %s\n", qPrintable(d.filePath(nom)));
            return 2;
        }
    }
    return 0;
}
