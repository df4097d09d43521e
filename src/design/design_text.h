#pragma once
// Sticker texts in design files: one line per sticker, so line breaks travel as vertical tabs.
#include <string>

// Carriage returns removed, line feeds turned into vertical tabs, one trailing vertical tab
// dropped.
std::string EncodeText(const std::string& text);

// Every part between vertical tabs becomes a line ended by a line feed. Orvanel designs keep the
// final line feed, Zolvi designs drop it. An empty text stays empty.
std::string DecodeText(const std::string& encoded, bool keepFinalLineFeed);
