#pragma once
// Design files: saving the current design of one kind and opening any of the five variants.
#include "design/design_variant.h"
#include "design/seal_format.h"

#include "design/design_record.h"
#include "format/format_blocks.h"

#include <filesystem>
#include <optional>
#include <string>

// The whole file for the current design of `kind` (kKindOrvanel or kKindZolvi): magic,
// settings, other typeface, then the current record of that kind.
std::string DesignFileBytes(int kind);

// Why the current design of `kind` cannot be saved, checked before anything is written: the file
// would not read back whole. Nothing when it can be saved; `shownPath` names the file.
std::optional<std::string> SaveRefusal(int kind, const std::string& shownPath);

// Writes DesignFileBytes(kind) so that the previous file stays whole until the new one is
// complete, then clears the record's modified flag. Returns the message to show on failure;
// the flag then stays set.
std::optional<std::string> SaveDesignFile(const std::filesystem::path& path, int kind);

// The largest file taken for a design: its header, then kMaxPieces stickers each with the longest
// text and room for its numbers and rectangles. Anything larger is no design file.
inline constexpr std::size_t kMaxDesignFileBytes =
    64 * 1024 + static_cast<std::size_t>(kMaxPieces) * (kMaxTextBytes + 1024);

// What opening a design file did, for the wizard to act on.
struct OpenDesignResult {
    bool ok = false;
    std::string error;  // the message to show when !ok; the design is then unchanged
    std::string warning;  // when ok: what the user should know, such as further sheets left unread
    DesignVariant variant = DesignVariant::Orvanel;
    // kKindOrvanel or kKindZolvi, or kKindNone when the file was read but its sheet could not be
    // matched in the catalog (what was read is kept).
    int designKind = kKindNone;
    bool advance = false;  // whether the wizard goes on to the design's text page
};

// Reads the whole file into copies and only then replaces the settings, the other typeface,
// the record of the file's kind and, for the older variants, g_strCurCode. A file that is no
// design file, cannot be read or is damaged changes nothing.
OpenDesignResult OpenDesignFile(const std::filesystem::path& path);
// The same for bytes already read; `path` only names the file in messages.
OpenDesignResult OpenDesignBytes(const std::string& bytes, const std::string& path);
