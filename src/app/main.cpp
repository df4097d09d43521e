#include "app/headless.h"
#include "platform/exe_dir.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (IsHeadlessCommand(args))
        return RunHeadless(args, ExecutableFolder(), std::cout, std::cerr);
    // The wizard window is not built yet; show what the program knows instead of failing.
    std::cerr << "velmaro: the wizard window is not available in this build; showing the sheet catalog.\n";
    return RunHeadless({"--catalog"}, ExecutableFolder(), std::cout, std::cerr);
}
