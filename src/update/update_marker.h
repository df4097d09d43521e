#pragma once
// The update markers: "update_" just fetched, "update_.dt" kept from the last update taken.
#include <string>

// Whether two markers say the same: their bytes up to the first byte 26 (or the end) are equal.
bool SameMarker(const std::string& fresh, const std::string& stored);
