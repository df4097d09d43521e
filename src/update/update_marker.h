#pragma once
// The update markers: "update_" just fetched, "update_.dt" kept from the last update taken.
#include <filesystem>

// Whether two marker files say the same: their bytes up to the first byte 26 (or the end) are
// equal. Compared in pieces, so a large file is never read whole. A missing file differs.
bool SameMarker(const std::filesystem::path& fresh, const std::filesystem::path& stored);
