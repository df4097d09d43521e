#include "update/update_marker.h"

#include <fstream>

namespace {

// Byte 26 (Ctrl-Z) ends a marker's text; what follows it does not count.
constexpr int kEndOfText = 26;

// The next byte of the marker's text, or EOF at its end.
int NextMarkerByte(std::ifstream& in)
{
    const int c = in.get();
    return c == kEndOfText ? std::char_traits<char>::eof() : c;
}

}  // namespace

bool SameMarker(const std::filesystem::path& fresh, const std::filesystem::path& stored)
{
    std::ifstream a(fresh, std::ios::binary);
    std::ifstream b(stored, std::ios::binary);
    if (!a || !b)
        return false;
    for (;;) {
        const int x = NextMarkerByte(a);
        const int y = NextMarkerByte(b);
        if (x != y)
            return false;
        if (x == std::char_traits<char>::eof())
            return true;
    }
}
