#include "design/sheets_file.h"

std::filesystem::path CompanionPath(const std::filesystem::path& design)
{
    std::filesystem::path out = design;
    out += "s";
    return out;
}

std::string SheetsFileBytes(int)
{
    return {};
}

std::optional<std::vector<std::vector<PieceDesign>>> ReadSheetsFile(const std::string&, int, const std::string&,
                                                                     std::size_t)
{
    return std::nullopt;
}
