#pragma once
// The user's choice of where sticker lines may wrap ("禁則処理・単語で改行", on unless turned
// off). The design file has no room for it, so it is a per-user setting, kept in
// $XDG_CONFIG_HOME/velmaro/preferences.ini; the screen, the printer and the export all use it.
#include "text/line_breaks.h"

LineBreaks UserLineBreaks();
void SetUserLineBreaks(LineBreaks breaks);
