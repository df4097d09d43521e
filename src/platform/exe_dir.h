#pragma once
#include <filesystem>

// The folder that holds the running executable; the program finds its data beside itself.
std::filesystem::path ExecutableFolder();
