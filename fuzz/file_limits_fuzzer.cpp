// The size limit of file reads on any contents and limit (the first two bytes): a file is read
// whole exactly when it is within the limit, and refused with EFBIG otherwise.
#include "fuzz_check.h"
#include "platform/file_bytes.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("velmaro-fuzz-limits-" + std::to_string(::getpid()));
    const std::size_t limit = data[0] | (data[1] << 8);
    const std::string contents(reinterpret_cast<const char*>(data) + 2, size - 2);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << contents;
    errno = 0;
    const auto bytes = ReadFileBytes(file, limit);
    if (contents.size() <= limit)
        Require(bytes && *bytes == contents, "a file within the limit is read whole");
    else
        Require(!bytes && errno == EFBIG, "a file above the limit is refused as too large");
    std::filesystem::remove(file);
    return 0;
}
