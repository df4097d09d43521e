#pragma once
// The typefaces a design can name, and the installed families that stand in for them.
#include <QFont>
#include <QString>
#include <QStringList>

#include <string>

inline constexpr int kJapaneseFaces = 3;  // 0 gothic, 1 mincho, 2 the user's other typeface
inline constexpr int kLatinFaces = 4;     // 0 Times New Roman, 1 Arial, 2 Courier New, 3 Impact

// One installed family to try, with the stretch it needs.
struct FamilyChoice {
    QString family;
    int stretch = QFont::Unstretched;
    bool alwaysBold = false;
};

// The name a design stores and the user sees (UTF-8).
std::string JapaneseFaceName(int face, const std::string& otherFaceUtf8);
std::string LatinFaceName(int face);

// Families to try, best first: the metric-compatible stand-in, then a fallback.
std::vector<FamilyChoice> JapaneseFamilies(int face, const QString& otherFace);
std::vector<FamilyChoice> LatinFamilies(int face);
