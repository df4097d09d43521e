#include "format/measured_sheet.h"

#include "format/format_blocks.h"

#include <cmath>

namespace {

// Lengths as typed are kept to 0.01 mm; anything finer is not a measurement.
constexpr double kSlack = 0.005;

bool Positive(double mm) { return std::isfinite(mm) && mm > 0; }

}  // namespace

std::string MeasuredSheetProblem(const MeasuredSheet& s)
{
    if (s.name.find_first_not_of(" \t") == std::string::npos)
        return "名前（品番）を入れてください。";
    if (!Positive(s.paperWidth) || !Positive(s.paperHeight))
        return "用紙の幅と高さを入れてください。";
    if (s.cols < 1 || s.rows < 1)
        return "列と行は1以上にしてください。";
    if (static_cast<long long>(s.cols) * s.rows > kMaxPieces)
        return "シールは" + std::to_string(kMaxPieces) + "枚までです。";
    const double height = s.roundLabels ? s.width : s.height;
    if (!Positive(s.width) || !Positive(height))
        return "シールの大きさを入れてください。";
    if (!s.roundLabels && (!std::isfinite(s.cornerRadius) || s.cornerRadius < 0 ||
                           s.cornerRadius * 2 > std::min(s.width, height) + kSlack))
        return "角の半径はシールの短い辺の半分までです。";
    if (!std::isfinite(s.left) || !std::isfinite(s.top) || s.left < 0 || s.top < 0)
        return "左と上の余白は0以上にしてください。";
    if ((s.cols > 1 && s.pitchX + kSlack < s.width) || (s.rows > 1 && s.pitchY + kSlack < height))
        return "シールが重なります。間隔（ピッチ）をシールの大きさ以上にしてください。";
    const double right = s.left + (s.cols - 1) * (s.cols > 1 ? s.pitchX : 0) + s.width;
    const double bottom = s.top + (s.rows - 1) * (s.rows > 1 ? s.pitchY : 0) + height;
    if (right > s.paperWidth + kSlack || bottom > s.paperHeight + kSlack)
        return "シールが用紙からはみ出します。";
    return {};
}

LabelGeometry MeasuredGeometry(const MeasuredSheet& s)
{
    LabelGeometry g;
    g.brand = kMeasuredBrand;
    g.part = s.name;
    g.description = "手で測ったシール";
    g.paperId = s.paperId;
    g.paperWidth = s.paperWidth;
    g.paperHeight = s.paperHeight;
    g.shape = s.roundLabels ? LabelShape::Round : LabelShape::Rectangle;
    g.width = s.width;
    g.height = s.roundLabels ? s.width : s.height;
    g.round = s.roundLabels ? 0 : s.cornerRadius;
    g.layouts = {{s.cols, s.rows, s.left, s.top, s.cols > 1 ? s.pitchX : 0, s.rows > 1 ? s.pitchY : 0}};
    return g;
}
