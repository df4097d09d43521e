#pragma once
// Tests never read or write the user folders of whoever runs them: the program's user folders
// point into the build folder (VELMARO_TEST_HOME), whose settings name its documents folder there.
#include <cstdlib>
#include <string>

inline void UseTestHome()
{
    const std::string home = VELMARO_TEST_HOME;
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_STATE_HOME", (home + "/state").c_str(), 1);
    // No label-template database but the one a test gives: the sheet list is the bundled sheets'.
    setenv("XDG_DATA_DIRS", (home + "/share").c_str(), 1);
}
