#include "update/update_marker.h"

namespace {

// Byte 26 (Ctrl-Z) ends a marker's text; what follows it does not count.
constexpr char kEndOfText = 26;

std::string TextOf(const std::string& marker) { return marker.substr(0, marker.find(kEndOfText)); }

}  // namespace

bool SameMarker(const std::string& fresh, const std::string& stored) { return TextOf(fresh) == TextOf(stored); }
