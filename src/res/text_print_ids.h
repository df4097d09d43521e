#pragma once
// Control and picture numbers of the text entry pages (173, 218), their whole-sheet preview windows
// and the print pages (175, 219).

// The whole-sheet preview windows (their pictures are the print pages' sheets below).
inline constexpr int kIddOrvanelPreview = 215;
inline constexpr int kIddZolviPreview = 220;

// Text entry pages.
inline constexpr int kIdcTextEdit = 1066;       // the text (Zolvi: of the front part)
inline constexpr int kIdcBackTextEdit = 1067;   // Zolvi: the back part's text
inline constexpr int kIdcStickerNumber = 1085;
inline constexpr int kIdcOverflowMessage = 1086;
inline constexpr int kIdcOrvanelMap = 1094;
inline constexpr int kIdcOrvanelPreview = 1099;
inline constexpr int kIdcZolviMap = 1121;
inline constexpr int kIdcZolviPreview = 1122;
inline constexpr int kIdcSizeList = 1102;
inline constexpr int kIdcSizeHint = 1113;
inline constexpr int kIdcStickerTextColour = 1062;
inline constexpr int kIdcStickerFrameColour = 1083;
inline constexpr int kIdcAlignLeft = 1088;  // 1088..1090: left, centre, right
inline constexpr int kIdcAlignTop = 1091;   // 1091..1093: top, centre, bottom
inline constexpr int kIdcWholePreview = 1118;
inline constexpr int kIdcCopyToAll = 1064;
inline constexpr int kIdcDeleteSelected = 1126;
inline constexpr int kIdcDeleteAll = 1127;
inline constexpr int kIdcStickerFrameCaption = 1162;
inline constexpr int kIdcStickerFrameHint = 1163;

// Print pages.
inline constexpr int kIdcVerticalOffset = 1066;    // read-only edit, millimetres
inline constexpr int kIdcVerticalSpin = 1063;
inline constexpr int kIdcHorizontalOffset = 1067;  // read-only edit, millimetres
inline constexpr int kIdcHorizontalSpin = 1064;
inline constexpr int kIdcVerticalUnit = 1105;
inline constexpr int kIdcHorizontalUnit = 1106;
inline constexpr int kIdcPrint = 1038;
inline constexpr int kIdcOrvanelSheet = 1098;
inline constexpr int kIdcZolviSheet = 1123;

// Pictures.
inline constexpr int kBmpCopyToAll = 280;
inline constexpr int kBmpDeleteAll = 281;
inline constexpr int kBmpDeleteSelected = 282;
inline constexpr int kBmpPrintCaption = 250;
inline constexpr int kBmpOffsetCaption = 251;
inline constexpr int kBmpThanksCaption = 252;
