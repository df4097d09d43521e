// Test entry for the wizard: a widget application on the offscreen platform.
#include "render/font_pool.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The user's settings go to a folder of this run, never to the tester's own.
    const QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()).constData(), 1);
    QApplication app(argc, argv);
    const FontPoolSession fonts;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
