#include "design/seal_format.h"

#include "design/design_sheets.h"

int CSealFormat::s_nOldSheetType = 137;
int CSealFormat::s_nOldSheetImage = 161;
int CSealFormat::s_nLayoutMode = 144;
int CSealFormat::s_nTextColour = 102;
int CSealFormat::s_bBold = 0;
int CSealFormat::s_nJapaneseFace = 0;
int CSealFormat::s_nLatinFace = 1;
int CSealFormat::s_bLatinFace = 0;
int CSealFormat::s_nOldSheetPicture = 152;

std::string g_strCurCode;

CSealData2& CSealFormat::Orvanel()
{
    static CSealData2 record;
    return record;
}

CSealData3& CSealFormat::Zolvi()
{
    static CSealData3 record;
    return record;
}

CSealData& CSealFormat::Legacy()
{
    static CSealData table;
    return table;
}

std::string& CSealFormat::OtherFace()
{
    static std::string name;
    return name;
}

std::array<int*, 9> DesignSettings()
{
    return {&CSealFormat::s_nOldSheetType, &CSealFormat::s_nOldSheetImage, &CSealFormat::s_nLayoutMode,
            &CSealFormat::s_nTextColour,   &CSealFormat::s_bBold,           &CSealFormat::s_nJapaneseFace,
            &CSealFormat::s_nLatinFace,    &CSealFormat::s_bLatinFace,      &CSealFormat::s_nOldSheetPicture};
}

SettingValues CurrentSettings()
{
    SettingValues values{};
    std::array<int*, 9> settings = DesignSettings();
    for (std::size_t i = 0; i < settings.size(); ++i)
        values[i] = *settings[i];
    return values;
}

void ApplySettings(const SettingValues& values)
{
    std::array<int*, 9> settings = DesignSettings();
    for (std::size_t i = 0; i < settings.size(); ++i)
        *settings[i] = values[i];
}

void CSealFormat::ResetSettings()
{
    ApplySettings({137, 161, 144, 102, 0, 0, 1, 0, 152});
}

namespace {
template <typename Record>
void ResetSheetDesign(Record& record)
{
    record.m_bFrame = 0;
    record.m_crFrame = kNoFrameColour;
    record.ClearPieces();
}
}  // namespace

void CSealFormat::ResetDesign()
{
    s_nTextColour = 102;
    s_bBold = 0;
    s_nJapaneseFace = 0;
    s_nLatinFace = 1;
    s_bLatinFace = 0;
    ResetSheets(kKindOrvanel);
    ResetSheets(kKindZolvi);
    ResetSheetDesign(Orvanel());
    ResetSheetDesign(Zolvi());
    OtherFace().clear();
}

bool CSealFormat::IsModified(int kind)
{
    const SealDataCommon* record = RecordOf(kind);
    return record && record->m_bModified != 0;
}

void CSealFormat::ResetAll()
{
    ResetSettings();
    ResetSheets(kKindOrvanel);
    ResetSheets(kKindZolvi);
    Orvanel().Reset();
    Zolvi().Reset();
    OtherFace().clear();
    g_strCurCode.clear();
}

DesignLook CurrentLook()
{
    return DesignLook{CSealFormat::s_nLayoutMode,   CSealFormat::s_nOldSheetType, CSealFormat::s_nJapaneseFace,
                      CSealFormat::s_nLatinFace,    CSealFormat::s_bBold != 0,    CSealFormat::s_nTextColour,
                      CSealFormat::s_bLatinFace != 0};
}

void UseFormat(const CatalogEntry& entry)
{
    ResetSheets(IsZolvi(entry) ? kKindZolvi : kKindOrvanel);
    if (IsZolvi(entry)) {
        CSealFormat::Zolvi().Reset();
        CSealFormat::Zolvi().CopyFrom(AsZolvi(entry));
    } else {
        CSealFormat::Orvanel().Reset();
        CSealFormat::Orvanel().CopyFrom(AsOrvanel(entry));
    }
}

namespace {
// The colour strings of ids 102 to 118, as the string table holds them.
constexpr unsigned long kTextColours[] = {0x000000, 0x0000ff, 0x008000, 0xff0000, 0x000080, 0xffff00,
                                          0x00ffff, 0x008080, 0x808080, 0x800000, 0x800080, 0x808000,
                                          0xff00ff, 0x00ff00, 0xaa00aa, 0xbb0000, 0xfffffe};
constexpr int kFirstColourId = 102;
constexpr int kColourCount = sizeof kTextColours / sizeof kTextColours[0];
}  // namespace

SealDataCommon* RecordOf(int kind)
{
    if (kind == kKindOrvanel)
        return &CSealFormat::Orvanel();
    if (kind == kKindZolvi)
        return &CSealFormat::Zolvi();
    return nullptr;
}

void SetModified(int kind, bool modified)
{
    if (SealDataCommon* record = RecordOf(kind))
        record->m_bModified = modified ? 1 : 0;
}

std::vector<SealPiece>* PiecesOf(int kind)
{
    if (kind == kKindOrvanel)
        return &CSealFormat::Orvanel().m_pieces;
    if (kind == kKindZolvi)
        return &CSealFormat::Zolvi().m_pieces;
    return nullptr;
}

long TextColourValue(int id)
{
    if (id < kFirstColourId || id >= kFirstColourId + kColourCount)
        return -1;
    return static_cast<long>(kTextColours[id - kFirstColourId]);
}

int TextColourId(unsigned long value)
{
    for (int i = 0; i < kColourCount; ++i)
        if (kTextColours[i] == value)
            return kFirstColourId + i;
    return kNoTextColour;
}
