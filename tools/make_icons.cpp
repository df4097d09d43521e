// Writes the program's icon for the icon theme: make_icons FOLDER writes FOLDER/scalable/ID.svg and
// FOLDER/SIZExSIZE/ID.png for the sizes installed.
#include "res/app_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

const char kIconName[] = "io.github.velmaro.Velmaro";

bool WriteSvg(const QDir& folder)
{
    if (!folder.mkpath(QStringLiteral("scalable")))
        return false;
    QFile file(folder.filePath(QStringLiteral("scalable/%1.svg").arg(kIconName)));
    return file.open(QIODevice::WriteOnly) && file.write(AppIconSvg().toUtf8()) > 0;
}

bool WritePng(const QDir& folder, int pixels)
{
    const QString size = QStringLiteral("%1x%1").arg(pixels);
    return folder.mkpath(size) &&
           DrawAppIcon(pixels).save(folder.filePath(QStringLiteral("%1/%2.png").arg(size, kIconName)), "PNG");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons FOLDER\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!WriteSvg(folder) || !WritePng(folder, 48) || !WritePng(folder, 256)) {
        std::fprintf(stderr, "make_icons: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
