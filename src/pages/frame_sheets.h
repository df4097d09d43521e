#pragma once
// The sheet products that can have frames printed around their stickers (four Zolvi products):
// the layout page offers the frame only for them, the text page its colour.
#include <string>

bool SheetOffersFrames(const std::string& code);
