#include "pages/line_break_setting.h"

#include "pages/program_folder.h"
#include "platform/ini_values.h"

#include <optional>

namespace {

const char* const kKinsokuKey = "layout/kinsoku";

std::filesystem::path PreferencesFile()
{
    return Folders().userConfig / "preferences.ini";
}

// Read once: the layout asks on every keystroke.
std::optional<LineBreaks>& Remembered()
{
    static std::optional<LineBreaks> breaks;
    return breaks;
}

}  // namespace

LineBreaks UserLineBreaks()
{
    std::optional<LineBreaks>& breaks = Remembered();
    if (!breaks) {
        const IniValues preferences = ReadIniValues(PreferencesFile());
        const auto kinsoku = preferences.find(kKinsokuKey);
        breaks = kinsoku != preferences.end() && kinsoku->second == "false" ? LineBreaks::kPlain : LineBreaks::kKinsoku;
    }
    return *breaks;
}

void SetUserLineBreaks(LineBreaks breaks)
{
    Remembered() = breaks;
    StoreIniValue(PreferencesFile(), kKinsokuKey, breaks == LineBreaks::kKinsoku ? "true" : "false");
}
