#include "res/string_table.h"

#include "design/seal_format.h"

#include <cstdio>

std::optional<std::string> LoadResString(int id)
{
    if (id < kFirstColourString || id > kLastColourString)
        return std::nullopt;
    char text[16];
    std::snprintf(text, sizeof text, "0x%06lx", static_cast<unsigned long>(TextColourValue(id)));
    return std::string(text);
}
