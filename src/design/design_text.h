#pragma once
// Sticker texts in design files: one line per sticker, so line breaks travel as vertical tabs.
#include <string>

// Carriage returns removed, line feeds turned into vertical tabs. Orvanel readers end a text with
// a line feed of their own, so for them one trailing vertical tab is dropped (dropFinalBreak);
// Zolvi readers add none, so Zolvi texts keep every break and a blank last line survives saving.
std::string EncodeText(const std::string& text, bool dropFinalBreak);

// Every part between vertical tabs becomes a line ended by a line feed. Orvanel designs keep the
// final line feed, Zolvi designs drop it. An empty text stays empty.
std::string DecodeText(const std::string& encoded, bool keepFinalLineFeed);
