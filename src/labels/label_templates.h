#pragma once
// Label-template files of the open label-template database (and the user's own, in the same
// format) read into LabelGeometry values, and a hand-measured sheet written as such a file.
#include "format/label_geometry.h"

#include <filesystem>
#include <string>
#include <vector>

// A paper of the database's "paper-sizes.xml", in millimetres, portrait.
struct PaperSize {
    std::string id;  // "A4", as templates name it
    double width = 0;
    double height = 0;
};

// The papers of a "paper-sizes.xml"; one whose size does not read is left out. On a file that
// cannot be read nothing, and the reason in `error`.
std::vector<PaperSize> ReadPaperSizes(const std::filesystem::path& file, std::string* error);

inline constexpr int kMaxTemplatesPerFile = 20000;  // also papers of one file
inline constexpr int kMaxLayoutsPerTemplate = 64;

struct TemplateFileResult {
    std::vector<LabelGeometry> sheets;  // in the file's order
    // Templates left out: CD and continuous-roll labels, which no sheet of this program has, and
    // ones whose geometry cannot be used (an unknown paper or equivalent, a length that is missing,
    // not positive or no number, no layout, more labels than a sheet can have).
    int unsupported = 0;
    std::string error;  // why the whole file was refused (then no sheets); empty when it read
};

// Reads one template file. A template that names an equivalent ("equiv") takes the geometry of
// that part of the same brand, found among the file's earlier templates, else in `known`.
TemplateFileResult ReadTemplateFile(const std::filesystem::path& file, const std::vector<PaperSize>& papers,
                                    const std::vector<LabelGeometry>& known);
TemplateFileResult ReadTemplateBytes(const std::string& bytes, const std::vector<PaperSize>& papers,
                                     const std::vector<LabelGeometry>& known);

// One template as a file of its own ("NAME.template" in the user's template folder), lengths in
// millimetres. Its geometry is written out whole, without an equivalent, so equivOf is not kept;
// a sheet without a paper id is written as "Other". It reads back equal otherwise, given the
// papers it names.
std::string WriteTemplateXml(const LabelGeometry& sheet);
