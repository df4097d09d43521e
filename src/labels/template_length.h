#pragma once
// Lengths as label-template files write them: a number and a unit (pt, mm, cm, in, pc; a bare
// number is in points; a unit without a number is zero).
#include <optional>
#include <string>
#include <string_view>

// The length in millimetres; nothing for text that is no number, names another unit or gives a
// length too large for a double.
std::optional<double> ParseTemplateLength(std::string_view text);

// A length in millimetres, written so that ParseTemplateLength gives back the very same double.
std::string FormatTemplateLength(double millimetres);

// A length attribute that must be there and be positive, in millimetres.
std::optional<double> PositiveLength(const std::optional<std::string>& attribute);
// A length attribute that may be left out (then `absent`) but not be negative.
std::optional<double> NonNegativeLength(const std::optional<std::string>& attribute, double absent = 0);
