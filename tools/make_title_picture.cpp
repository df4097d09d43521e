// Writes the start page's title picture as a BMP file: make_title_picture OUT.bmp
#include "res/title_picture.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_title_picture OUT.bmp\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (!DrawTitlePicture().save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "make_title_picture: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
