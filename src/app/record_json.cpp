#include "app/record_json.h"

#include "design/seal_format.h"
#include "format/label_sheet.h"
#include "platform/cp932.h"

#include <vector>

namespace {

void RectValue(JsonWriter& json, const Rect& r) { json.IntArray({r.left, r.top, r.right, r.bottom}); }

void PieceJson(JsonWriter& json, const SealPiece& p)
{
    json.BeginObject();
    json.Key("nTextColour").Int(p.m_nTextColour);
    json.Key("nSpare").Int(p.m_nSpare);
    json.Key("rcPiece");
    RectValue(json, p.m_rcPiece);
    json.Key("rcFrame");
    RectValue(json, p.m_rcFrame);
    json.Key("rcText");
    RectValue(json, p.m_rcText);
    json.Key("rcMark");
    RectValue(json, p.m_rcMark);
    json.Key("rcHit");
    RectValue(json, p.m_rcHit);
    json.Key("nSize").Int(p.m_nSize);
    json.Key("crFrame").Int(p.m_crFrame);
    json.Key("nAlignH").Int(p.m_nAlignH);
    json.Key("nAlignV").Int(p.m_nAlignV);
    json.Key("strText").String(cp932::ToUtf8(p.m_strText));
    json.Key("lines").BeginArray();
    for (const std::string& line : p.m_lines)
        json.String(cp932::ToUtf8(line));
    json.EndArray();
    json.Key("lineExtents").IntArray(p.m_lineExtents);
    json.Key("nPitch").Int(p.m_nPitch);
    json.Key("bOverflow").Int(p.m_bOverflow);
    json.EndObject();
}

void CommonJson(JsonWriter& json, const SealDataCommon& r)
{
    json.Key("nReserved").IntArray({r.m_nReserved.begin(), r.m_nReserved.end()});
    json.Key("strCode").String(cp932::ToUtf8(r.m_strCode));
    json.Key("strFindCode").String(cp932::ToUtf8(r.m_strFindCode));
    json.Key("strPieceSize").String(cp932::ToUtf8(r.m_strPieceSize));
    json.Key("nCols").Int(r.m_nCols);
    json.Key("nRows").Int(r.m_nRows);
    json.Key("bModified").Int(r.m_bModified);
    json.Key("nCurPiece").Int(r.m_nCurPiece);
    json.Key("bFrame").Int(r.m_bFrame);
    json.Key("crFrame").Int(r.m_crFrame);
    json.Key("nMetric").IntArray({r.m_nMetric.begin(), r.m_nMetric.end()});
    json.Key("nFrameRound").Int(r.m_nFrameRound);
    json.Key("nFramePen").Int(r.m_nFramePen);
    json.Key("nSpare9").Int(r.m_nSpare9);
    json.Key("nSpare8").Int(r.m_nSpare8);
    json.Key("nSpare10").Int(r.m_nSpare10);
    json.Key("nMarkRound").Int(r.m_nMarkRound);
    json.Key("nMarkPen").Int(r.m_nMarkPen);
    json.Key("nSpare25").Int(r.m_nSpare25);
    json.Key("nSpare26").Int(r.m_nSpare26);
}

template <typename Record>
void PreviewJson(JsonWriter& json, const Record& r)
{
    json.Key("rcPreview").BeginArray();
    for (const Rect& rect : r.m_rcPreview)
        RectValue(json, rect);
    json.EndArray();
    json.Key("nPreviewScale").Int(r.m_nPreviewScale);
    json.Key("nDefaultSize").Int(r.m_nDefaultSize);
    json.Key("nKind").Int(r.m_nKind);
}

void PiecesJson(JsonWriter& json, const std::vector<SealPiece>& pieces)
{
    json.Key("pieces").BeginArray();
    for (const SealPiece& piece : pieces)
        PieceJson(json, piece);
    json.EndArray();
}

}  // namespace

void WriteRecordJson(JsonWriter& json, const CSealData2& r)
{
    json.BeginObject();
    CommonJson(json, r);
    PreviewJson(json, r);
    json.Key("nOutlineRound").Int(r.m_nOutlineRound);
    json.Key("nOutlinePen").Int(r.m_nOutlinePen);
    PiecesJson(json, r.m_pieces);
    json.EndObject();
}

void WriteRecordJson(JsonWriter& json, const CSealData3& r)
{
    json.BeginObject();
    CommonJson(json, r);
    PreviewJson(json, r);
    json.Key("nSpare29").Int(r.m_nSpare29);
    json.Key("nOutlinePen").Int(r.m_nOutlinePen);
    PiecesJson(json, r.m_pieces);
    json.EndObject();
}

void WriteSettingsJson(JsonWriter& json)
{
    static const char* const kNames[] = {"nOldSheetType", "nOldSheetImage", "nLayoutMode",
                                         "nTextColour",   "bBold",          "nJapaneseFace",
                                         "nLatinFace",    "bLatinFace",     "nOldSheetPicture"};
    const SettingValues values = CurrentSettings();
    json.BeginObject();
    for (std::size_t i = 0; i < values.size(); ++i)
        json.Key(kNames[i]).Int(values[i]);
    json.EndObject();
}

void WriteLabelSheetJson(JsonWriter& json, const CSealData2& r)
{
    static const char* const kShapes[] = {"rectangle", "round", "ellipse"};
    const Rect& label = r.m_pieces.empty() ? Rect{} : r.m_pieces.front().m_rcPiece;
    const PaperExtent paper = LabelPaper(r).value_or(PaperExtent{});
    json.BeginObject();
    json.Key("strCode").String(cp932::ToUtf8(r.m_strCode));
    json.Key("strFindCode").String(cp932::ToUtf8(r.m_strFindCode));
    json.Key("strPieceSize").String(cp932::ToUtf8(r.m_strPieceSize));
    json.Key("brand").String(r.m_label ? r.m_label->brand : std::string());
    json.Key("part").String(r.m_label ? r.m_label->part : std::string());
    json.Key("description").String(r.m_label ? r.m_label->description : std::string());
    json.Key("paper").String(r.m_label ? r.m_label->paperId : std::string());
    json.Key("paperSize").IntArray({paper.width, paper.height});
    json.Key("shape").String(kShapes[static_cast<int>(LabelShapeOf(r))]);
    json.Key("labelSize").IntArray({label.right - label.left, label.bottom - label.top});
    json.Key("count").Int(static_cast<int>(r.m_pieces.size()));
    json.EndObject();
}
