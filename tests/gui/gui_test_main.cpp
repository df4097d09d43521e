// Test entry for the wizard: a widget application on the offscreen platform.
#include "render/font_pool.h"
#include "test_home.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    UseTestHome();
    QApplication app(argc, argv);
    const FontPoolSession fonts;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
