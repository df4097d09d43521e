#include "labels/template_length.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72;

std::string_view Trimmed(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<double> MillimetresPer(std::string_view unit)
{
    if (unit.empty() || unit == "pt")
        return kMillimetresPerPoint;
    if (unit == "mm")
        return 1.0;
    if (unit == "cm")
        return 10.0;
    if (unit == "in")
        return 25.4;
    if (unit == "pc")
        return 12 * kMillimetresPerPoint;
    return std::nullopt;
}

}  // namespace

std::optional<double> ParseTemplateLength(std::string_view text)
{
    text = Trimmed(text);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    // A unit alone, or nothing, is zero: the database itself writes round="in" and x0="".
    const std::size_t unitStart = error == std::errc() ? static_cast<std::size_t>(end - text.data()) : 0;
    const std::optional<double> factor = MillimetresPer(Trimmed(text.substr(unitStart)));
    if (!factor || !std::isfinite(number * *factor))
        return std::nullopt;
    return number * *factor;
}

std::string FormatTemplateLength(double millimetres)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, millimetres);
    return std::string(buffer, error == std::errc() ? end : buffer) + "mm";
}

std::optional<double> PositiveLength(const std::optional<std::string>& attribute)
{
    if (!attribute)
        return std::nullopt;
    const std::optional<double> length = ParseTemplateLength(*attribute);
    return length && *length > 0 ? length : std::nullopt;
}

std::optional<double> NonNegativeLength(const std::optional<std::string>& attribute, double absent)
{
    if (!attribute)
        return absent;
    const std::optional<double> length = ParseTemplateLength(*attribute);
    return length && *length >= 0 ? length : std::nullopt;
}
