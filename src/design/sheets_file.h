#pragma once
// The companion file that keeps the further sheets of a design beside NAME.zvd, which holds the
// first sheet exactly as ever so that earlier versions read it.
#include "design/design_snapshot.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// NAME.zvd -> NAME.zvds
std::filesystem::path CompanionPath(const std::filesystem::path& design);

// The companion of the current design of `kind`: the code of its product and sheets 2 and after.
std::string SheetsFileBytes(int kind);

// The further sheets in `bytes` when they are of `kind`, product `code` and `pieceCount` stickers;
// nothing for a damaged companion or one of another product.
std::optional<std::vector<std::vector<PieceDesign>>> ReadSheetsFile(const std::string& bytes, int kind,
                                                                     const std::string& code,
                                                                     std::size_t pieceCount);
