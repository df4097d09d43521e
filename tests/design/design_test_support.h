#pragma once
// Shared by the design-file tests: a clean design state per test, sample sheets, and a way to
// tell whether the design changed.
#include "design/design_file.h"
#include "design/seal_format.h"
#include "format/catalog.h"

#include <gtest/gtest.h>

#include <string>

inline SealPiece SamplePiece(int index)
{
    SealPiece p;
    const int x = 100 * index;
    p.m_rcPiece = Rect{x, 0, x + 90, 40};
    p.m_rcFrame = Rect{x + 1, 1, x + 89, 39};
    p.m_rcText = Rect{x + 2, 2, x + 88, 38};
    p.m_rcMark = Rect{x - 1, -1, x + 91, 41};
    p.m_rcHit = Rect{x - 5, -5, x + 95, 45};
    return p;
}

inline CSealData2 SampleOrvanel(int pieces = 2)
{
    CSealData2 r;
    r.m_strCode = "M100AA00";
    r.m_strFindCode = "F-12";
    r.m_strPieceSize = "40x20mm";
    r.m_nCols = pieces;
    r.m_nRows = 1;
    r.m_nMetric[3] = 10;
    r.m_nMetric[5] = 10;
    r.m_rcPreview = {Rect{0, 0, 90, 40}, Rect{1, 1, 89, 39}, Rect{2, 2, 88, 38}};
    r.m_nOutlineRound = 150;
    r.m_nOutlinePen = 25;
    r.m_nKind = 3;
    for (int i = 0; i < pieces; ++i)
        r.m_pieces.push_back(SamplePiece(i));
    return r;
}

inline CSealData3 SampleZolvi(const std::string& code = "M001AA00", int pieces = 2, std::uint8_t kind = 5)
{
    CSealData3 r;
    r.m_strCode = code;
    r.m_strFindCode = "Z-1";
    r.m_strPieceSize = "50x30mm";
    r.m_nCols = 1;
    r.m_nRows = pieces;
    r.m_nMetric[3] = 10;
    r.m_nMetric[5] = 10;
    for (int i = 0; i < 6; ++i)
        r.m_rcPreview[i] = Rect{i, i, 100 + i, 50 + i};
    r.m_nKind = kind;
    r.m_nSpare29 = 9;
    r.m_nOutlinePen = 12;
    for (int i = 0; i < pieces; ++i)
        r.m_pieces.push_back(SamplePiece(i));
    return r;
}

// Starts every test from a fresh program state and leaves none behind.
class DesignFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSealFormat::ResetAll();
        ClearCatalog();
    }
    void TearDown() override
    {
        CSealFormat::ResetAll();
        ClearCatalog();
    }

    // A design with something in every part, so that any change shows.
    static void FillCurrentDesign()
    {
        CSealFormat::Orvanel() = SampleOrvanel();
        CSealFormat::Orvanel().m_pieces[0].m_strText = "before";
        CSealFormat::Orvanel().m_bModified = 1;
        CSealFormat::Zolvi() = SampleZolvi();
        CSealFormat::Zolvi().m_pieces[1].m_strText = "zolvi before";
        CSealFormat::Zolvi().m_nReserved = {1, 2, 3};
        ApplySettings({140, 164, 149, 117, 1, 1, 3, 1, 155});
        CSealFormat::OtherFace() = "Previous Face";
        g_strCurCode = "PREVIOUS";
    }

    // Everything a design file or the open procedure could touch.
    static std::string DesignSnapshot()
    {
        const CSealData2& o = CSealFormat::Orvanel();
        const CSealData3& z = CSealFormat::Zolvi();
        return DesignFileBytes(kKindOrvanel) + "|" + DesignFileBytes(kKindZolvi) + "|" + g_strCurCode + "|" +
               std::to_string(o.m_bModified) + std::to_string(o.m_nKind) + std::to_string(z.m_bModified) +
               std::to_string(z.m_nKind) + std::to_string(z.m_nReserved[0]) + std::to_string(z.m_nReserved[1]);
    }
};
