#include "app/headless.h"
#include "app/memory_policy.h"
#include "app/quillet_app.h"
#include "render/font_pool.h"
#include "res/app_icon.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

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
    if (IsHeadlessCommand(args)) {
        KeepFreedMemory();
        return RunHeadless(args, LocateProgramFolders(), std::cout, std::cerr);
    }
    if (!DisplayAvailable()) {
        std::cerr << "velmaro: no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are unset), so the "
                     "wizard cannot open; showing the sheet catalog instead.\n";
        return RunHeadless({"--catalog"}, LocateProgramFolders(), std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.velmaro.Velmaro"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(DrawAppIcon(kIconUnits))));
    const FontPoolSession fonts;
    // Qt has taken its own options out of argv; the rest stay the bytes given, so a file name in
    // the locale's encoding that is not UTF-8 still names the file.
    const std::vector<std::string> wizardArgs(argv + 1, argv + argc);
    CQuilletApp theApp;
    return theApp.InitInstance(wizardArgs);
}
