// Writes the main window's background picture, the program icon in nine sizes and the
// animated logo under the given assets directory.

#include "generated_assets.h"
#include "gif_writer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_assets <assets directory>\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    for (const char *sub : {"main", "icon", "logo"})
        assets.mkpath(QString::fromLatin1(sub));

    bool ok = MakeBackground().save(assets.filePath(QStringLiteral("main/background.bmp")), "BMP");
    for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128})
        ok = MakeIcon(size).save(assets.filePath(QStringLiteral("icon/icon_%1.png").arg(size)),
                                 "PNG") && ok;
    int delay = 0;
    const QList<QImage> frames = MakeLogoFrames(delay);
    ok = Write(assets.filePath(QStringLiteral("logo/logo.gif")), EncodeAnimatedGif(frames, delay)) && ok;
    if (!ok)
        std::fprintf(stderr, "some assets were not written\n");
    return ok ? 0 : 1;
}
