#include "pages/line_break_setting.h"

#include <QSettings>

#include <optional>

namespace {

const char* const kKinsokuKey = "layout/kinsoku";

QSettings UserPreferences()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("velmaro"),
                     QStringLiteral("preferences"));
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
    if (!breaks)
        breaks = UserPreferences().value(kKinsokuKey, true).toBool() ? LineBreaks::kKinsoku : LineBreaks::kPlain;
    return *breaks;
}

void SetUserLineBreaks(LineBreaks breaks)
{
    Remembered() = breaks;
    UserPreferences().setValue(kKinsokuKey, breaks == LineBreaks::kKinsoku);
}
