// The settings-file reader on any bytes: it loads, or refuses with the std::runtime_error the
// program catches; nothing else may escape it.
#include "update/ini_file.h"
#include "update/update_settings.h"

#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        const ini_file ini(in);
        UnscrambleUser(ini.get("FTP", "USERID"));
        UnscramblePassword(ini.get("FTP", "PASSWORD"));
        ini.get("SETTING", "INDEX");
    } catch (const std::runtime_error&) {
    }
    return 0;
}
