#pragma once
// The one design of the program: nine settings, the current sheet record of each kind with its
// stickers, the chosen sheet's code and the other typeface's name. Every page, dialog and control
// that shows or edits the design reaches it through CSealFormat.
#include "format/catalog.h"
#include "format/design_look.h"
#include "format/seal_data.h"

#include <array>
#include <string>
#include <vector>

// Design kinds held by the wizard.
enum DesignKind : int { kKindNone = 0, kKindOrvanel = 1, kKindZolvi = -2 };

// The first-version sticker table: 16 two-sided stickers. Created once with these values and
// never changed; the typeface samples take their colour, size and text from it.
class CSealData {
public:
    struct Entry {
        int m_nTextColour = kNoTextColour;
        int m_nSize = -1;
        std::string m_strText;
        std::vector<std::string> m_lines;
        std::vector<int> m_lineExtents;
        int m_nPitch = 0;
    };
    virtual ~CSealData() = default;

    int m_nCurPiece = 0;
    int m_nSide = 0;
    std::uint8_t m_bModified = 0;
    std::array<Entry, 32> m_entries{};
};

class CSealFormat {
public:
    virtual ~CSealFormat() = default;

    // The nine settings, in the order design files store them.
    static int s_nOldSheetType;
    static int s_nOldSheetImage;
    static int s_nLayoutMode;
    static int s_nTextColour;
    static int s_bBold;
    static int s_nJapaneseFace;
    static int s_nLatinFace;
    static int s_bLatinFace;
    static int s_nOldSheetPicture;

    static CSealData2& Orvanel();
    static CSealData3& Zolvi();
    static CSealData& Legacy();
    // The user-chosen Japanese typeface, in code page 932 as design files hold it; the font pool
    // builds face 2 from it.
    static std::string& OtherFace();

    static void ResetSettings();
    // What choosing a sheet resets: colours, boldness, typefaces, frames and every sticker.
    static void ResetDesign();
    // The modified flag of the current record of `kind` (false for no kind).
    static bool IsModified(int kind);
    // Back to the state of a freshly started program (tests and a new run).
    static void ResetAll();
};

// The code of the sheet chosen on the selection page; empty when none.
extern std::string g_strCurCode;

// Copies a catalog entry into the current record of its kind.
void UseFormat(const CatalogEntry& entry);

// Settings 1 to 9 in their stored order, for reading and writing them as one group.
std::array<int*, 9> DesignSettings();
using SettingValues = std::array<int, 9>;
SettingValues CurrentSettings();
void ApplySettings(const SettingValues& values);

// The settings layout and drawing need, read from the current design.
DesignLook CurrentLook();

// A text colour id 102..118 as its colour value (red in the low byte); -1 for other ids.
long TextColourValue(int id);
// The id whose colour is `value`, or kNoTextColour.
int TextColourId(unsigned long value);

// The current record of `kind`; nullptr for no kind.
SealDataCommon* RecordOf(int kind);
// Sets the modified flag of the current record of `kind` (nothing for no kind).
void SetModified(int kind, bool modified);

// The stickers of the current design of `kind`; nullptr for no kind.
std::vector<SealPiece>* PiecesOf(int kind);
