// The settings-file reader on any bytes: it loads, or refuses with the std::runtime_error the
// program catches; nothing else may escape it. The update limit taken from it stays sane, and
// any key text decodes to a key or to nothing.
#include "fuzz_check.h"
#include "update/ini_file.h"
#include "update/update_settings.h"
#include "update/update_signature.h"

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
        DecodeUpdateKey(ini.get("SETTING", "UPDATEKEY"));
        UpdateSettings settings;
        settings.updateLimit = ini.get("SETTING", "UPDATELIMITMB");
        const std::uint64_t limit = settings.maxUpdateBytes();
        Require(limit >= (1u << 20) && limit <= (4096ull << 20), "the update limit stays within 1 to 4096 MiB");
    } catch (const std::runtime_error&) {
    }
    return 0;
}
