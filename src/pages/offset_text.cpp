#include "pages/offset_text.h"

#include <cmath>

int OffsetFromText(const QString& millimetres)
{
    bool ok = false;
    const double value = millimetres.trimmed().toDouble(&ok);
    return ok ? static_cast<int>(std::lround(value * 100.0)) : 0;
}
