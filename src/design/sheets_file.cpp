// The companion file, little-endian throughout:
//   8 bytes   magic "VLMSHEET"
//   u16       version, 1
//   u8        kind: 1 Orvanel, 2 Zolvi
//   u64       FNV-1a hash of NAME.zvd as saved with it (a companion beside another design, or
//             beside a NAME.zvd an earlier version saved again, is ignored)
//   u8 + n    the product code, at most kMaxHeaderTextBytes bytes
//   u16       stickers per sheet, 1 .. kMaxPieces
//   u16       further sheets, 1 .. kMaxSheets - 1
//   then per further sheet, per sticker in order:
//   i32 size, i32 text colour, i32 spare, u32 frame colour, i8 horizontal and i8 vertical
//   alignment (-1 .. 1), i8 overflow (-1 when the text did not fit, else 0; the first release
//   wrote 1 for -1, read the same), u16 + n the text (code page 932, at most kMaxTextBytes bytes).
// The file ends right after the last sticker. Anything else makes the whole companion unread.
//
// Saving order: both files are first written whole to temporary files beside their targets, and
// the old companion is copied to NAME.zvds~. Then the companion is renamed over its old version,
// then the design, and the copy is removed. A failure before the first rename leaves both old
// files. Should the design's rename fail after the companion's, the copy is renamed back; and
// should the program stop between the two renames, the new companion's hash does not match the
// old design, so opening takes the copy, whose hash does.
//
// A save of one sheet removes the companion only when it was saved with the design that save
// replaces, for a design of the same kind; one that is damaged or foreign stays, and opening says
// it could not be read.
//
// Saves into one folder take turns under an advisory lock on the folder, so the steps of two
// programs saving the same design never interleave.
#include "design/sheets_file.h"

#include "design/design_record.h"
#include "design/design_sheets.h"
#include "format/format_blocks.h"
#include "platform/file_bytes.h"
#include "platform/folder_lock.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace {

constexpr char kMagic[] = "VLMSHEET";
constexpr std::size_t kMagicLength = 8;
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kFixedPieceBytes = 21;  // a sticker's numbers and its text's length
// Far longer than the largest save takes on a slow disk.
constexpr std::chrono::milliseconds kSaveTurnWait{10000};

std::uint64_t Fnv1a(const std::string& bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

template <typename T>
void Put(std::string& out, T value)
{
    auto bits = static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(value));
    for (std::size_t i = 0; i < sizeof(T); ++i, bits >>= 8)
        out += static_cast<char>(bits & 0xFF);
}

class Cursor {
public:
    explicit Cursor(const std::string& bytes) : m_bytes(bytes) {}

    template <typename T>
    bool Get(T& value)
    {
        if (m_bytes.size() - m_pos < sizeof(T))
            return false;
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(m_bytes[m_pos + i])) << (8 * i);
        m_pos += sizeof(T);
        value = static_cast<T>(static_cast<std::make_unsigned_t<T>>(bits));
        return true;
    }

    bool Text(std::size_t length, std::string& out)
    {
        if (m_bytes.size() - m_pos < length)
            return false;
        out.assign(m_bytes, m_pos, length);
        m_pos += length;
        return true;
    }

    bool AtEnd() const { return m_pos == m_bytes.size(); }

private:
    const std::string& m_bytes;
    std::size_t m_pos = 0;
};

std::uint8_t KindByte(int kind)
{
    return kind == kKindZolvi ? 2 : 1;
}

void PutPiece(std::string& out, const PieceDesign& piece)
{
    Put<std::int32_t>(out, piece.size);
    Put<std::int32_t>(out, piece.textColour);
    Put<std::int32_t>(out, piece.spare);
    Put<std::uint32_t>(out, piece.crFrame);
    Put<std::int8_t>(out, static_cast<std::int8_t>(piece.alignH));
    Put<std::int8_t>(out, static_cast<std::int8_t>(piece.alignV));
    Put<std::int8_t>(out, static_cast<std::int8_t>(piece.overflow < 0 ? -1 : 0));
    Put<std::uint16_t>(out, static_cast<std::uint16_t>(piece.text.size()));
    out += piece.text;
}

bool GetPiece(Cursor& in, PieceDesign& piece)
{
    std::int32_t size = 0, colour = 0, spare = 0;
    std::uint32_t frame = 0;
    std::int8_t alignH = 0, alignV = 0, overflow = 0;
    std::uint16_t length = 0;
    if (!in.Get(size) || !in.Get(colour) || !in.Get(spare) || !in.Get(frame) || !in.Get(alignH) || !in.Get(alignV)
        || !in.Get(overflow) || !in.Get(length))
        return false;
    if (alignH < -1 || alignH > 1 || alignV < -1 || alignV > 1 || overflow < -1 || overflow > 1
        || length > kMaxTextBytes)
        return false;
    piece.size = size;
    piece.textColour = colour;
    piece.spare = spare;
    piece.crFrame = frame;
    piece.alignH = alignH;
    piece.alignV = alignV;
    piece.overflow = overflow != 0 ? -1 : 0;
    return in.Text(length, piece.text);
}

// What a companion holds, read without regard to the design beside it.
struct Companion {
    std::uint8_t kind = 0;
    std::uint64_t hash = 0;
    std::string code;
    std::uint16_t pieces = 0;
    std::vector<std::vector<PieceDesign>> sheets;
};

std::optional<Companion> ParseCompanion(const std::string& bytes)
{
    if (bytes.size() < kMagicLength || bytes.compare(0, kMagicLength, kMagic) != 0)
        return std::nullopt;
    Cursor in(bytes);
    Companion c;
    std::string magic;
    std::uint16_t version = 0, sheets = 0;
    std::uint8_t codeLength = 0;
    if (!in.Text(kMagicLength, magic) || !in.Get(version) || !in.Get(c.kind) || !in.Get(c.hash)
        || !in.Get(codeLength) || !in.Text(codeLength, c.code) || !in.Get(c.pieces) || !in.Get(sheets))
        return std::nullopt;
    if (version != kVersion || c.pieces == 0 || c.pieces > kMaxPieces || sheets == 0 || sheets >= kMaxSheets)
        return std::nullopt;
    // Every sticker takes at least its fixed part: a count larger than the bytes can hold is damage.
    if (static_cast<std::size_t>(sheets) * c.pieces * kFixedPieceBytes > bytes.size())
        return std::nullopt;
    c.sheets.assign(sheets, std::vector<PieceDesign>(c.pieces));
    for (std::vector<PieceDesign>& sheet : c.sheets)
        for (PieceDesign& piece : sheet)
            if (!GetPiece(in, piece))
                return std::nullopt;
    if (!in.AtEnd())
        return std::nullopt;
    return c;
}

// Whether `companion` reads whole and was saved with `design`, a design of `kind`.
bool BelongsTo(const std::string& companion, const std::optional<std::string>& design, int kind)
{
    if (!design)
        return false;
    const std::optional<Companion> parsed = ParseCompanion(companion);
    return parsed && parsed->kind == KindByte(kind) && parsed->hash == Fnv1a(*design);
}

// The bytes now in `path`, or nothing when there is no such file.
std::optional<std::string> Previous(const std::filesystem::path& path)
{
    return ReadFileBytes(path, kMaxSheetsFileBytes);
}

int WriteOneSheet(const std::filesystem::path& design, int kind, const std::string& designBytes)
{
    const std::filesystem::path companion = CompanionPath(design);
    const std::optional<std::string> oldCompanion = Previous(companion);
    const bool ours = oldCompanion && BelongsTo(*oldCompanion, ReadFileBytes(design, kMaxSheetsFileBytes), kind);
    if (int error = WriteFileAtomically(design, designBytes))
        return error;
    std::error_code ignored;
    if (ours)
        std::filesystem::remove(companion, ignored);
    std::filesystem::remove(CompanionBackupPath(design), ignored);
    return 0;
}

// Renames the copy of the old companion back, or removes the new companion when there was none.
void PutBackCompanion(const std::filesystem::path& design, bool hadCompanion)
{
    std::error_code ignored;
    if (hadCompanion)
        std::filesystem::rename(CompanionBackupPath(design), CompanionPath(design), ignored);
    else
        std::filesystem::remove(CompanionPath(design), ignored);
}

}  // namespace

std::filesystem::path CompanionPath(const std::filesystem::path& design)
{
    std::filesystem::path out = design;
    out += "s";
    return out;
}

std::filesystem::path CompanionBackupPath(const std::filesystem::path& design)
{
    std::filesystem::path out = CompanionPath(design);
    out += "~";
    return out;
}

bool SheetsFitCompanion(int kind)
{
    if (SheetCount(kind) > kMaxSheets)
        return false;
    constexpr std::size_t kHeadBytes = 64;
    std::size_t bytes = kHeadBytes;
    for (int sheet = 1; sheet < SheetCount(kind); ++sheet)
        for (const PieceDesign& piece : SheetDesign(kind, sheet))
            bytes += kFixedPieceBytes + piece.text.size();
    return bytes <= kMaxSheetsFileBytes;
}

std::string SheetsFileBytes(int kind, const std::string& designBytes)
{
    std::string out(kMagic, kMagicLength);
    const SealDataCommon* record = RecordOf(kind);
    const std::vector<SealPiece>* pieces = PiecesOf(kind);
    if (!record || !pieces)
        return out;
    Put<std::uint16_t>(out, kVersion);
    Put<std::uint8_t>(out, KindByte(kind));
    Put<std::uint64_t>(out, Fnv1a(designBytes));
    Put<std::uint8_t>(out, static_cast<std::uint8_t>(record->m_strCode.size()));
    out += record->m_strCode;
    Put<std::uint16_t>(out, static_cast<std::uint16_t>(pieces->size()));
    Put<std::uint16_t>(out, static_cast<std::uint16_t>(SheetCount(kind) - 1));
    for (int sheet = 1; sheet < SheetCount(kind); ++sheet)
        for (const PieceDesign& piece : SheetDesign(kind, sheet))
            PutPiece(out, piece);
    return out;
}

std::optional<std::vector<std::vector<PieceDesign>>> ReadSheetsFile(const std::string& bytes,
                                                                     const std::string& designBytes, int kind,
                                                                     const std::string& code,
                                                                     std::size_t pieceCount)
{
    std::optional<Companion> c = ParseCompanion(bytes);
    if (!c || c->kind != KindByte(kind) || c->hash != Fnv1a(designBytes) || c->code != code || c->pieces != pieceCount)
        return std::nullopt;
    return std::move(c->sheets);
}

int WriteDesignWithSheets(const std::filesystem::path& design, int kind, const std::string& designBytes)
{
    // Another program saving in the folder waits its turn: two saves of one design never leave
    // one's design beside the other's companion, nor remove the companion the other just wrote.
    const FolderLock turn(design.parent_path(), kSaveTurnWait);
    if (turn.Error())
        return turn.Error();
    if (SheetCount(kind) < 2)
        return WriteOneSheet(design, kind, designBytes);
    const std::filesystem::path companion = CompanionPath(design);
    const std::optional<std::string> oldCompanion = Previous(companion);
    PreparedFile sheets;
    PreparedFile first;
    if (int error = PrepareFileAtomically(companion, SheetsFileBytes(kind, designBytes), sheets))
        return error;
    if (int error = PrepareFileAtomically(design, designBytes, first)) {
        DiscardPreparedFile(sheets);
        return error;
    }
    std::error_code ignored;
    if (oldCompanion) {
        if (int error = WriteFileAtomically(CompanionBackupPath(design), *oldCompanion)) {
            DiscardPreparedFile(sheets);
            DiscardPreparedFile(first);
            return error;
        }
    }
    if (int error = CommitPreparedFile(sheets)) {
        DiscardPreparedFile(first);
        std::filesystem::remove(CompanionBackupPath(design), ignored);
        return error;
    }
    if (int error = CommitPreparedFile(first)) {
        PutBackCompanion(design, oldCompanion.has_value());
        return error;
    }
    std::filesystem::remove(CompanionBackupPath(design), ignored);
    return 0;
}

bool OpenCompanion(const std::filesystem::path& design, const std::string& designBytes, int kind)
{
    ResetSheets(kind);
    SealDataCommon* record = RecordOf(kind);
    const std::vector<SealPiece>* pieces = PiecesOf(kind);
    std::error_code error;
    if (!record || !pieces || !std::filesystem::exists(CompanionPath(design), error))
        return true;
    // The copy kept while a save was under way holds the sheets when the save stopped halfway.
    for (const std::filesystem::path& file : {CompanionPath(design), CompanionBackupPath(design)}) {
        const std::optional<std::string> bytes = ReadFileBytes(file, kMaxSheetsFileBytes);
        if (!bytes)
            continue;
        std::optional<std::vector<std::vector<PieceDesign>>> sheets =
            ReadSheetsFile(*bytes, designBytes, kind, record->m_strCode, pieces->size());
        if (!sheets)
            continue;
        for (std::vector<PieceDesign>& sheet : *sheets) {
            AddSheet(kind);
            StoreSheetDesign(kind, SheetCount(kind) - 1, sheet);
        }
        record->m_bModified = 0;
        return true;
    }
    return false;
}
