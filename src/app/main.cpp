#include "app/headless.h"
#include "app/quillet_app.h"
#include "platform/exe_dir.h"
#include "render/font_pool.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool HasEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// Without any of these Qt has no display to open and would abort.
bool DisplayAvailable()
{
    return HasEnv("DISPLAY") || HasEnv("WAYLAND_DISPLAY") || HasEnv("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (IsHeadlessCommand(args))
        return RunHeadless(args, ExecutableFolder(), std::cout, std::cerr);
    if (!DisplayAvailable()) {
        std::cerr << "velmaro: no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are unset), so the "
                     "wizard cannot open; showing the sheet catalog instead.\n";
        return RunHeadless({"--catalog"}, ExecutableFolder(), std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    const FontPoolSession fonts;
    // Qt has taken its own options out of argv; the rest stay the bytes given, so a file name in
    // the locale's encoding that is not UTF-8 still names the file.
    const std::vector<std::string> wizardArgs(argv + 1, argv + argc);
    CQuilletApp theApp;
    return theApp.InitInstance(wizardArgs);
}
