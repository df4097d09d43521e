#include "render/zolvi_figures.h"

std::optional<ZolviCorners> CornersFor(int oldSheetType)
{
    const Corner small{144, 80, 24};
    const Corner large{180, 96, 30};
    switch (oldSheetType) {
    case 137:
        return ZolviCorners{small, 8, {90, 50, 15}, 105};
    case 138:
        return ZolviCorners{small, 10, {90, 50, 15}, 105};
    case 139:
        return ZolviCorners{large, 11, {150, 80, 25}, 132};
    case 140:
        return ZolviCorners{large, 18, {150, 80, 25}, 132};
    default:
        return std::nullopt;
    }
}

namespace {
void CurveTo(QPainterPath& path, double x1, double y1, double x2, double y2, double x3, double y3)
{
    path.cubicTo(x1, y1, x2, y2, x3, y3);
}
}  // namespace

QPainterPath FoldedOutline(const Rect& a, const Rect& b, const Corner& k, int dashes)
{
    const int R = k.r, C = k.c, K = k.k;
    QPainterPath path;
    path.moveTo(a.left + R, a.top);
    path.lineTo(a.right - R, a.top);
    CurveTo(path, a.right - C, a.top + K, a.right - K, a.top + C, a.right, a.top + R);
    path.lineTo(a.right, a.bottom - R);
    CurveTo(path, a.right - K, a.bottom - C, a.right - C, a.bottom - K, a.right - R, a.bottom);
    CurveTo(path, b.right - C, b.top + K, b.right - K, b.top + C, b.right, b.top + R);
    path.lineTo(b.right, b.bottom - R);
    CurveTo(path, b.right - K, b.bottom - C, b.right - C, b.bottom - K, b.right - R, b.bottom);
    path.lineTo(b.left + R, b.bottom);
    CurveTo(path, b.left + C, b.bottom - K, b.left + K, b.bottom - C, b.left, b.bottom - R);
    path.lineTo(b.left, b.top + R);
    CurveTo(path, b.left + K, b.top + C, b.left + C, b.top + K, b.left + R, b.top);
    CurveTo(path, a.left + C, a.bottom - K, a.left + K, a.bottom - C, a.left, a.bottom - R);
    path.lineTo(a.left, a.top + R);
    CurveTo(path, a.left + K, a.top + C, a.left + C, a.top + K, a.left + R, a.top);
    if (dashes > 0) {
        const int dash = (a.right - a.left - 2 * R - (dashes - 1) * C) / dashes;
        for (int i = 0; i < dashes; ++i) {
            const int start = a.left + R + i * (dash + C);
            path.moveTo(start, a.bottom);
            path.lineTo(i == dashes - 1 ? a.right - R : start + dash, a.bottom);
        }
    }
    return path;
}

QPainterPath PartFrame(const Rect& f, bool firstPart, const Corner& k, bool diagonalControls)
{
    const int R = k.r, C = k.c;
    // The control points: (K, C) and (C, K) from the corner, or both on the diagonal at C.
    const int K1 = diagonalControls ? C : k.k;
    const int C1 = C;
    QPainterPath path;
    if (firstPart) {
        path.moveTo(f.left, f.top);
        path.lineTo(f.right, f.top);
        path.lineTo(f.right, f.bottom - R);
        CurveTo(path, f.right - K1, f.bottom - C1, f.right - C1, f.bottom - K1, f.right - R, f.bottom);
        path.lineTo(f.left + R, f.bottom);
        CurveTo(path, f.left + C1, f.bottom - K1, f.left + K1, f.bottom - C1, f.left, f.bottom - R);
        path.lineTo(f.left, f.top);
    } else {
        path.moveTo(f.left, f.bottom);
        path.lineTo(f.left, f.top + R);
        CurveTo(path, f.left + K1, f.top + C1, f.left + C1, f.top + K1, f.left + R, f.top);
        path.lineTo(f.right - R, f.top);
        CurveTo(path, f.right - C1, f.top + K1, f.right - K1, f.top + C1, f.right, f.top + R);
        path.lineTo(f.right, f.bottom);
        path.lineTo(f.left, f.bottom);
    }
    path.closeSubpath();
    return path;
}
