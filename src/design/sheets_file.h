#pragma once
// The companion file that keeps the further sheets of a design beside NAME.zvd, which holds the
// first sheet exactly as ever so that earlier versions read it.
#include "design/design_snapshot.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// NAME.zvd -> NAME.zvds
std::filesystem::path CompanionPath(const std::filesystem::path& design);

// Largest companion read: far beyond a fill of the longest lists, far below the memory it would take.
inline constexpr std::size_t kMaxSheetsFileBytes = 64 * 1024 * 1024;
// Most sheets a design may have.
inline constexpr int kMaxSheets = 9999;

// Whether the further sheets of `kind` fit a companion that reads back: at most kMaxSheets sheets
// and kMaxSheetsFileBytes bytes.
bool SheetsFitCompanion(int kind);

// The companion of the current design of `kind`: its product, the design file it belongs to
// (`designBytes`, NAME.zvd as written) and sheets 2 and after.
std::string SheetsFileBytes(int kind, const std::string& designBytes);

// The further sheets in `bytes` when they belong to `designBytes` and are of `kind`, product
// `code` and `pieceCount` stickers; nothing for a damaged companion or another design's.
std::optional<std::vector<std::vector<PieceDesign>>> ReadSheetsFile(const std::string& bytes,
                                                                     const std::string& designBytes, int kind,
                                                                     const std::string& code,
                                                                     std::size_t pieceCount);

// Writes `designBytes` to `design` and the further sheets of `kind` to its companion (or, for a
// design of one sheet, removes the companion of the design it replaces) so that a failure leaves
// both previous files. Returns 0 or the errno of the failing step.
int WriteDesignWithSheets(const std::filesystem::path& design, int kind, const std::string& designBytes);

// NAME.zvd -> NAME.zvds~, the old companion kept while a save replaces it.
std::filesystem::path CompanionBackupPath(const std::filesystem::path& design);

// Takes the further sheets of the companion of `design` (read as `designBytes`) into the design
// of `kind` when the companion, or the copy a stopped save left, is there and belongs to it. The
// design has one sheet otherwise; false when a companion is there but could not be taken.
bool OpenCompanion(const std::filesystem::path& design, const std::string& designBytes, int kind);
