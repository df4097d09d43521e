// Test entry for the wizard: a widget application on the offscreen platform.
#include "render/font_pool.h"
#include "test_home.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    UseTestHome();
    // Settings a test changes (the line-breaking choice) stay with its own process; the folder
    // keeps the test home's naming of the documents folder.
    const QTemporaryDir settings;
    QFile::copy(QStringLiteral(VELMARO_TEST_HOME "/config/user-dirs.dirs"), settings.filePath("user-dirs.dirs"));
    setenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()).constData(), 1);
    // So are recovery files: a wizard of another test process never finds this one's. A child of
    // the kill tests keeps the folder its parent gave it.
    const QTemporaryDir state;
    const char* childState = std::getenv("VELMARO_KILL_STATE");
    setenv("XDG_STATE_HOME", childState ? childState : QFile::encodeName(state.path()).constData(), 1);
    QApplication app(argc, argv);
    const FontPoolSession fonts;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
